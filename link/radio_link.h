#pragma once

#include "image/clone_image.h"
#include "image/outcome.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <optional>

namespace r36::link {

class CommLog;
class Transport;

/// One command in flight at a time over a transport: send the command and CR, wait event-driven
/// (on the transfer's own thread) for the framed reply or the time-out, judge it. A command that
/// timed out or got a reply out of step is sent once more after the line has gone quiet and what
/// arrived meanwhile is discarded; a refusal is a reply and is never repeated.
class RadioLink : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kReplyTimeout{1000};
    /// How long the line must stay silent before the link sends again after trouble, and how
    /// long it waits for that at most.
    static constexpr std::chrono::milliseconds kQuietFloor{20};
    static constexpr std::chrono::milliseconds kResyncLimit{1000};

    RadioLink(Transport& transport, image::LinkState& state, QObject* parent = nullptr);

    /// The reply text, or empty text when no well-formed reply came within the time-out (twice:
    /// the command is repeated once), the port could not be opened or broke, or a stop was
    /// requested. lastFailure() says which. A transact started from a window event while another
    /// one waits fails at once.
    QString transact(const QString& command);

    /// Opens the port if needed, greets the receiver ("VK~QB-R36J" -> "OK") and reads its
    /// version ("VK~VER" -> "002-06" gives radioVersion 206). Fails when the version is not
    /// three digits, "-", two digits; a greeting nobody answers says which port and speed were
    /// tried and what to check. The port stays open whatever the result; call disconnectRadio()
    /// afterwards.
    [[nodiscard]] Outcome connectRadio();
    /// Closes the port if it is open.
    void disconnectRadio();

    /// Why the last transact returned empty text (or the greeting failed); nothing after a
    /// reply.
    const std::optional<Failure>& lastFailure() const { return m_lastFailure; }
    /// lastFailure() inside `step`, for the block operations that report it.
    Failure failureWithin(const FailureStep& step) const;

    /// Makes every following transact fail at once (Cancelled) until clearStop(). A
    /// command already waiting gets its reply first, so a write in flight is never left
    /// unjudged. Safe to call from any thread.
    void requestStop() { m_stopRequested = true; }
    void clearStop() { m_stopRequested = false; }
    bool stopRequested() const { return m_stopRequested; }

    /// Commands sent a second time since the last reset, for the closing message.
    int repeatedCommands() const { return m_repeated; }
    void resetRepeatedCommands() { m_repeated = 0; }

    void setReplyTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    /// Every following exchange, time-out and port trouble is added to `log`; null: none. The
    /// log must outlive the link or be unset first.
    void setCommLog(CommLog* log) { m_log = log; }
    image::LinkState& state() { return m_state; }
    Transport& transport() { return m_transport; }

private:
    /// One sending of the command and its log lines; `outOfStep` tells a time-out or a reply
    /// out of frame (worth one more try) from every other failure.
    QString attempt(const QString& command, bool repeat, bool& outOfStep);
    /// attempt() without its log lines; `collected` gets every byte that arrived.
    QString exchange(const QString& command, bool repeat, QByteArray& collected, bool& outOfStep);
    /// Opens the transport unless it is open; false with m_lastFailure set.
    bool openPort();
    /// Waits until the line has been quiet for a few character times (bounded) and discards
    /// what arrived, logging it with `why`.
    void resynchronise(const QString& why);

    Transport& m_transport;
    image::LinkState& m_state;
    std::chrono::milliseconds m_timeout = kReplyTimeout;
    std::optional<Failure> m_lastFailure;
    void fail(FailureKind kind, int number = 0);
    std::atomic<bool> m_stopRequested = false;
    bool m_inTransaction = false;
    // How the last exchange failed when the receiver gave no usable answer at all.
    enum class Silence { None, NoReply, Unreadable };
    Silence m_silent = Silence::None;
    bool m_outOfStep = false; // the last exchange may have left bytes on their way
    int m_repeated = 0;
    CommLog* m_log = nullptr;
};

} // namespace r36::link
