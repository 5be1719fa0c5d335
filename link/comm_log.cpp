#include "comm_log.h"

#include "image/program_constants.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QMutexLocker>
#include <QSaveFile>

#include <chrono>
#include <utility>
#include <vector>

namespace r36::link {

namespace {

constexpr int kTimeWidth = 11; // "    12.345": ten thousand seconds before the column shifts
constexpr std::chrono::milliseconds kGatherTime{50}; // how late a line may reach the live file

/// A garbled reply may hold anything: control characters and bytes past ASCII are shown as
/// escapes so one line stays one line and the bytes can be told apart.
QString escaped(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code >= 0x20 && code < 0x7F && code != u'\\')
            shown += c;
        else if (code == u'\\')
            shown += QLatin1String("\\\\");
        else if (code == u'\r')
            shown += QLatin1String("\\r");
        else if (code == u'\n')
            shown += QLatin1String("\\n");
        else
            shown += QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0'));
    }
    return shown;
}

QByteArray fileLine(const QString& text) {
    return text.toUtf8() + '\n';
}

/// Writes all of `text`, retrying a short write so that the one that fails gives the system's
/// reason (a full disk) instead of none.
bool writeAll(QFile& file, const QByteArray& text) {
    for (qint64 at = 0; at < text.size();) {
        const qint64 written = file.write(text.constData() + at, text.size() - at);
        if (written <= 0)
            return false;
        at += written;
    }
    return true;
}

Failure cannotWriteLog(const QString& path, const QString& reason) {
    Failure failure(FailureKind::LogNotWritten);
    failure.path = path.toStdString();
    failure.systemText = reason.toStdString();
    return failure;
}

Outcome cannotWrite(const QString& path, const QString& reason) {
    return Outcome::failure(cannotWriteLog(path, reason));
}

} // namespace

void CommLog::setWording(Wording wording) {
    const QMutexLocker lock(&m_mutex);
    m_wording = std::move(wording);
}

QString CommLog::worded(const Failure& failure) const {
    // Without words (a test of the link alone) the kind still tells what happened.
    return m_wording ? m_wording(failure)
                     : QStringLiteral("failure %1").arg(static_cast<int>(failure.kind));
}

void CommLog::addTrouble(const Failure& failure, const QString& received) {
    QString text;
    {
        const QMutexLocker lock(&m_mutex);
        text = worded(failure);
    }
    add(Kind::Trouble, received.isEmpty() ? text : text + QStringLiteral("; received ") + received);
}

CommLog::CommLog() : m_started(QDateTime::currentDateTime()) {
    m_clock.start();
}

CommLog::~CommLog() {
    (void)endLiveFile();
}

Outcome CommLog::endLiveFile() {
    {
        const QMutexLocker lock(&m_mutex);
        m_closing = true;
    }
    m_unwrittenWaiting.wakeAll();
    if (m_writer.joinable())
        m_writer.join(); // after it wrote what was left
    const QMutexLocker lock(&m_mutex);
    m_live = false;
    if (m_liveFailure)
        return Outcome::failure(*m_liveFailure);
    return Outcome::success();
}

QString CommLog::format(const Line& line) {
    const double milliseconds = double(line.nanoseconds) / 1e6;
    return QStringLiteral("%1 %2 %3")
        .arg(milliseconds, kTimeWidth, 'f', 3)
        .arg(QLatin1Char(static_cast<char>(line.kind)))
        .arg(escaped(line.text));
}

QString CommLog::header() const {
    return QStringLiteral("# %1 %2 communication log, started %3\n"
                          "# milliseconds since the start; > sent, < received, ! trouble, * port")
        .arg(QLatin1String(kAppName), QLatin1String(kAppVersion),
             // With its offset from UTC, so it compares with the logs of other machines.
             m_started.toOffsetFromUtc(m_started.offsetFromUtc()).toString(Qt::ISODateWithMs));
}

void CommLog::push(Kind kind, const QString& text) {
    if (m_lines.size() == kCapacity)
        m_lines.pop_front();
    m_lines.push_back({m_clock.nsecsElapsed(), kind, text});
}

void CommLog::add(Kind kind, const QString& text) {
    bool wake = false;
    {
        const QMutexLocker lock(&m_mutex);
        push(kind, text);
        if (!m_live)
            return;
        // A file that stopped taking lines must not grow the memory without end.
        if (m_unwritten.size() == kCapacity) {
            m_unwritten.pop_front();
            ++m_unwrittenDropped;
        }
        wake = m_unwritten.empty(); // otherwise the writer is awake already
        m_unwritten.push_back(m_lines.back());
    }
    if (wake)
        m_unwrittenWaiting.wakeOne();
}

void CommLog::writeLive() {
    QMutexLocker lock(&m_mutex);
    for (;;) {
        while (m_unwritten.empty() && !m_closing)
            m_unwrittenWaiting.wait(&m_mutex);
        if (m_unwritten.empty())
            return; // closing, and everything is written
        // Lines come in bursts, one or two per exchange: gathering them a moment wakes this
        // thread at most twenty times a second instead of at every line, so it takes no time
        // from the transfer's thread and the cable's. Closing cuts the moment short.
        const QDeadlineTimer gathered(kGatherTime);
        while (!m_closing && !gathered.hasExpired())
            m_unwrittenWaiting.wait(&m_mutex, gathered);
        std::deque<Line> lines;
        lines.swap(m_unwritten);
        const std::size_t dropped = std::exchange(m_unwrittenDropped, 0);
        lock.unlock();
        QByteArray text;
        if (dropped > 0)
            text = fileLine(
                QStringLiteral("# %1 lines not written: the file fell behind").arg(dropped));
        for (const Line& line : lines)
            text += fileLine(format(line));
        // Written unbuffered with every batch: the log of a crash or a hang is the one most worth
        // having.
        const bool written = writeAll(*m_liveFile, text);
        lock.relock();
        if (!written) {
            m_live = false;
            m_unwritten.clear();
            m_liveFailure = cannotWriteLog(m_liveFile->fileName(), m_liveFile->errorString());
            push(Kind::Trouble, worded(*m_liveFailure));
            return;
        }
    }
}

QStringList CommLog::lines() const {
    std::vector<Line> copied;
    {
        // Copying shares the texts; formatting happens after, so the transfer's add() never
        // waits for a save.
        const QMutexLocker lock(&m_mutex);
        copied.assign(m_lines.begin(), m_lines.end());
    }
    QStringList formatted;
    formatted.reserve(static_cast<qsizetype>(copied.size()));
    for (const Line& line : copied)
        formatted << format(line);
    return formatted;
}

Outcome CommLog::save(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(path, file.errorString());
    QByteArray text = fileLine(header());
    for (const QString& line : lines())
        text += fileLine(line);
    if (file.write(text) < 0 || !file.commit())
        return cannotWrite(path, file.errorString());
    return Outcome::success();
}

Outcome CommLog::writeAlongTo(const QString& path) {
    Q_ASSERT(!m_writer.joinable()); // one live file per log
    auto file = std::make_unique<QFile>(path);
    // Unbuffered: each batch is one write, and a failing one reports the system's reason.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return cannotWrite(path, file->errorString());
    QByteArray text = fileLine(header());
    const QMutexLocker lock(&m_mutex);
    for (const Line& line : m_lines)
        text += fileLine(format(line));
    if (file->write(text) < 0 || !file->flush())
        return cannotWrite(path, file->errorString());
    m_liveFile = std::move(file);
    m_live = true;
    m_writer = std::thread(&CommLog::writeLive, this);
    return Outcome::success();
}

} // namespace r36::link
