#pragma once

#include <QObject>

class QSocketNotifier;

namespace r36::cli {

/// SIGINT, SIGTERM and SIGHUP, seen by the program's event loop: the handler only writes a byte
/// to a socket pair whose other end the loop watches, so the stop runs as ordinary code (a
/// transfer is cancelled as the window's Cancel does). Should the program not see it within a
/// few seconds, stuck in a call that does not return, the signal ends it as if unhandled. One
/// object at a time; the default handling comes back when it is destroyed.
class StopSignals : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    /// True once a stop signal has arrived, also one not yet seen by the event loop.
    bool received();

signals:
    void arrived();

private:
    bool drain();

    int m_sockets[2] = {-1, -1}; // [0] written by the handler, [1] read here
    QSocketNotifier* m_notifier = nullptr;
    bool m_received = false;
};

} // namespace r36::cli
