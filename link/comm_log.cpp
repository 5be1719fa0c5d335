#include "comm_log.h"

#include "image/program_constants.h"

#include <QFile>
#include <QMutexLocker>
#include <QSaveFile>

#include <vector>

namespace r36::link {

namespace {

constexpr int kTimeWidth = 11; // "    12.345": ten thousand seconds before the column shifts

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

QString cannotWriteText(const QString& path, const QString& reason) {
    return QStringLiteral("cannot write %1: %2").arg(path, reason);
}

Outcome cannotWrite(const QString& path, const QString& reason) {
    return Outcome::failure(cannotWriteText(path, reason).toStdString());
}

} // namespace

CommLog::CommLog() : m_started(QDateTime::currentDateTime()) {
    m_clock.start();
}

CommLog::~CommLog() = default;

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
    const QMutexLocker lock(&m_mutex);
    push(kind, text);
    if (!m_liveFile)
        return;
    // Flushed per line: the log of a crash or a hang is the one most worth having.
    if (m_liveFile->write(fileLine(format(m_lines.back()))) < 0 || !m_liveFile->flush()) {
        const QString reason = m_liveFile->errorString();
        const QString name = m_liveFile->fileName();
        m_liveFile.reset();
        push(Kind::Trouble, cannotWriteText(name, reason));
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
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return cannotWrite(path, file->errorString());
    QByteArray text = fileLine(header());
    const QMutexLocker lock(&m_mutex);
    for (const Line& line : m_lines)
        text += fileLine(format(line));
    if (file->write(text) < 0 || !file->flush())
        return cannotWrite(path, file->errorString());
    m_liveFile = std::move(file);
    return Outcome::success();
}

} // namespace r36::link
