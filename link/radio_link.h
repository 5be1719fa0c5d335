#pragma once

#include "image/clone_image.h"
#include "image/outcome.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <chrono>

namespace r36::link {

class CommLog;
class Transport;

/// One command in flight at a time over a transport: send the command and CR, wait event-driven
/// (on the transfer's own thread) for the framed reply or the time-out, judge it.
class RadioLink : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kReplyTimeout{1000};

    RadioLink(Transport& transport, image::LinkState& state, QObject* parent = nullptr);

    /// The reply text, or empty text when no well-formed reply came within the time-out, the
    /// port could not be opened or broke, or a stop was requested. lastError() says which. A
    /// transact started from a window event while another one waits fails at once.
    QString transact(const QString& command);

    /// Opens the port if needed, greets the receiver ("VK~QB-R36J" -> "OK") and reads its
    /// version ("VK~VER" -> "002-06" gives radioVersion 206). The port stays open whatever the
    /// result; call disconnectRadio() afterwards.
    [[nodiscard]] Outcome connectRadio();
    /// Closes the port if it is open.
    void disconnectRadio();

    /// Why the last transact returned empty text (or the greeting failed), for messages.
    const QString& lastError() const { return m_lastError; }

    /// Makes every following transact fail at once ("cancelled") until clearStop(). A
    /// command already waiting gets its reply first, so a write in flight is never left
    /// unjudged. Safe to call from any thread.
    void requestStop() { m_stopRequested = true; }
    void clearStop() { m_stopRequested = false; }
    bool stopRequested() const { return m_stopRequested; }

    void setReplyTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    /// Every following exchange, time-out and port trouble is added to `log`; null: none. The
    /// log must outlive the link or be unset first.
    void setCommLog(CommLog* log) { m_log = log; }
    image::LinkState& state() { return m_state; }
    Transport& transport() { return m_transport; }

private:
    /// transact() without its log line; `collected` gets every byte that arrived.
    QString exchange(const QString& command, QByteArray& collected);
    /// Opens the transport unless it is open; false with m_lastError set.
    bool openPort();

    Transport& m_transport;
    image::LinkState& m_state;
    std::chrono::milliseconds m_timeout = kReplyTimeout;
    QString m_lastError;
    std::atomic<bool> m_stopRequested = false;
    bool m_inTransaction = false;
    CommLog* m_log = nullptr;
};

} // namespace r36::link
