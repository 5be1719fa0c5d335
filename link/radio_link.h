#pragma once

#include "image/clone_image.h"
#include "image/outcome.h"

#include <QObject>
#include <QString>

#include <chrono>

namespace r36::link {

class Transport;

/// One command in flight at a time over a transport: send the command and CR, wait event-driven
/// (the window keeps repainting) for the framed reply or the time-out, judge it.
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

    /// Makes the running and every following transact fail at once ("stopped") until
    /// clearStop(); used when the window closes during a transfer and by Cancel.
    void requestStop();
    void clearStop();
    bool stopRequested() const { return m_stopRequested; }

    void setReplyTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    image::LinkState& state() { return m_state; }
    Transport& transport() { return m_transport; }

signals:
    void stopRequestedSignal();

private:
    Transport& m_transport;
    image::LinkState& m_state;
    std::chrono::milliseconds m_timeout = kReplyTimeout;
    QString m_lastError;
    bool m_stopRequested = false;
    bool m_inTransaction = false;
};

} // namespace r36::link
