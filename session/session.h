#pragma once

#include "document.h"
#include "receiver.h"
#include "transport.h"

#include <QString>

#include <chrono>

namespace r36::session {

/// The open document and the receiver it is read from and written to: the window and the
/// command-line tool each hold one session, drive the document through it as a Document and
/// the receiver through receiver(), and show what they report; neither keeps state of its own.
class Session : public Document {
public:
    struct Options {
        /// The settings file (port and speed). Empty: none (the command-line tool).
        QString settingsFilePath;
        /// Another cable to the receiver (the simulator), without a parent: the session moves
        /// it to its transfer thread for its lifetime. Null: a serial port of the session's own.
        Transport* transport = nullptr;
        /// How long each command waits for its reply; tests shorten it.
        std::chrono::milliseconds replyTimeout{1000};
        /// Where every Read all leaves a backup; empty: none (the command-line tool).
        QString backupFolder;
    };

    explicit Session(Options options, QObject* parent = nullptr);

    /// The port and speed, the transfers, what the receiver holds and the communication log.
    Receiver& receiver() { return m_receiver; }
    const Receiver& receiver() const { return m_receiver; }
    /// Shorthand for the many places that only ask whether a transfer runs.
    bool transferRunning() const { return m_receiver.transferRunning(); }

private:
    Receiver m_receiver;
};

} // namespace r36::session
