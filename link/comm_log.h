#pragma once

#include "image/outcome.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QWaitCondition>

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <memory>
#include <thread>

class QFile;

namespace r36::link {

/// What went over the cable, for bug reports: the newest kCapacity lines, oldest first. Each line
/// starts with its time in milliseconds since the log started, taken from a monotonic clock so a
/// clock change cannot reorder the lines; the header gives the wall-clock start. Lines are added
/// on the transfer's thread while the window's saves them: every call is safe from any thread.
///
///     # QB-R36 Clone Utility 0.09 communication log, started 2026-12-07T14:35:00.123+00:00
///         12.345 > VK~VER
///         13.101 < 002-06
///       1013.870 ! no reply within 1000 ms
class CommLog {
public:
    static constexpr std::size_t kCapacity = 20000;

    enum class Kind : char {
        Sent = '>',     // a command, without its CR
        Received = '<', // the text of a framed reply
        Trouble = '!',  // a time-out, a reply out of frame, a port that failed or did not open
        Port = '*',     // the port opened or closed
    };

    CommLog();
    ~CommLog();
    CommLog(const CommLog&) = delete;
    CommLog& operator=(const CommLog&) = delete;

    /// Cheap enough for every exchange: the text is kept as given and formatted only when read.
    /// With a live file, a thread of the log's own writes and flushes the line within a
    /// twentieth of a second, so neither the formatting nor a slow disk holds up the transfer.
    void add(Kind kind, const QString& text);
    /// A Trouble line for `failure`, in the words setWording() gives, with what came instead of a
    /// reply (`received`) when anything did.
    void addTrouble(const Failure& failure, const QString& received = {});

    /// How failures are worded in the log: in English, whatever language the window speaks.
    /// The link cannot make the words itself; whoever owns the log gives them.
    using Wording = std::function<QString(const Failure&)>;
    void setWording(Wording wording);
    /// The lines of the ring, formatted as a saved log shows them (without the header).
    QStringList lines() const;

    /// Writes the header and the ring to `path`, completely or not at all; fails with the
    /// file's name and the system's reason.
    [[nodiscard]] Outcome save(const QString& path) const;
    /// From now on every line is also written to `path` as it is added; the file is replaced
    /// and starts with the header and the lines so far. Fails, changing nothing, when the file
    /// cannot be created. A later write failure ends the live file with a Trouble line. Once
    /// per log.
    [[nodiscard]] Outcome writeAlongTo(const QString& path);
    /// Writes what is left to the live file and closes it; later lines stay in the ring only.
    /// Fails with the file's name and the system's reason when a write to it failed on the way
    /// (a full disk): the file is incomplete.
    [[nodiscard]] Outcome endLiveFile();

private:
    struct Line {
        qint64 nanoseconds; // since m_clock started
        Kind kind;
        QString text;
    };
    static QString format(const Line& line);
    void push(Kind kind, const QString& text); // with m_mutex held
    void writeLive();                          // the live file's thread
    QString header() const;
    QString worded(const Failure& failure) const; // with m_mutex held

    mutable QMutex m_mutex;
    QElapsedTimer m_clock;
    QDateTime m_started;
    std::deque<Line> m_lines;

    // The live file: lines wait in m_unwritten for the writer thread, which alone uses the
    // file once it runs.
    bool m_live = false;
    bool m_closing = false;
    std::deque<Line> m_unwritten;
    std::size_t m_unwrittenDropped = 0;
    QWaitCondition m_unwrittenWaiting;
    std::unique_ptr<QFile> m_liveFile;
    std::optional<Failure> m_liveFailure; // why the live file stopped taking lines
    Wording m_wording;
    std::thread m_writer;
};

} // namespace r36::link
