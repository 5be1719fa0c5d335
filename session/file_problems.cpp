#include "file_problems.h"

#include "files/shown_value.h"

#include <QCoreApplication>

#include <map>

namespace r36::session {
namespace {

QString tr(const char* text) {
    // The context lupdate gives a tr() call in this namespace.
    return QCoreApplication::translate("r36::session", text);
}

/// "1–10", "3, 5–7": ascending numbers with their runs joined.
QString numberRuns(const std::vector<int>& numbers) {
    QStringList runs;
    for (std::size_t k = 0; k < numbers.size();) {
        std::size_t end = k;
        while (end + 1 < numbers.size() && numbers[end + 1] == numbers[end] + 1)
            ++end;
        runs << (end == k ? QString::number(numbers[k])
                          : QStringLiteral("%1–%2").arg(numbers[k]).arg(numbers[end]));
        k = end + 1;
    }
    return runs.join(QStringLiteral(", "));
}

QString missingText(const files::MissingLine& missing, const files::CloneFileReport& report) {
    const QString key = QString::fromStdString(missing.key);
    if (!missing.groups.empty())
        return tr("no %1 line for groups %2").arg(key, numberRuns(missing.groups));
    if (missing.key != "END")
        return tr("no %1 line").arg(key);
    if (report.lastMemory < 0)
        return tr("no END line: the file may be cut short after line %1").arg(report.lineCount);
    return tr("no END line: the file may be cut short after line %1 (the last memory it holds "
              "is %2)")
        .arg(report.lineCount)
        .arg(report.lastMemory);
}

} // namespace

QStringList cloneFileProblems(const files::CloneFileReport& report) {
    std::map<int, QString> lines; // by line number
    for (const files::SkippedLine& skipped : report.skipped)
        lines[skipped.lineNumber] = skippedLineText(skipped);
    for (const files::UnknownLine& unknown : report.unknown)
        lines[unknown.lineNumber] =
            tr("not a line of a clone file: %1")
                .arg(QString::fromStdString(files::shownValue(unknown.text)));
    QStringList problems;
    for (const auto& [number, text] : lines)
        problems << tr("line %1: %2").arg(number).arg(text);
    for (const files::MissingLine& missing : report.missing)
        problems << missingText(missing, report);
    return problems;
}

QString skippedLineText(const files::SkippedLine& skipped, Wording wording) {
    using Problem = files::SkippedLine::Problem;
    constexpr char kContext[] = "r36::session";
    const Words say(wording);
    const QString key = QString::fromStdString(skipped.key);
    const auto outside = [&](const char* text) {
        return say(text, kContext).arg(key).arg(skipped.low).arg(skipped.high);
    };
    const auto notHex = [&](const char* text) {
        QString lengths; // "4 or 64"
        for (const int length : skipped.hexLengths)
            lengths = lengths.isEmpty()
                          ? QString::number(length)
                          : say(QT_TRANSLATE_NOOP("r36::session", "%1 or %2"), kContext)
                                .arg(lengths)
                                .arg(length);
        return say(text, kContext).arg(key, lengths);
    };
    switch (skipped.problem) {
    case Problem::NoMemoryAndRecord:
        return say(QT_TRANSLATE_NOOP("r36::session", "%1 line needs a memory number and a record"),
                   kContext)
            .arg(key);
    case Problem::NoGroupAndEntry:
        return say(QT_TRANSLATE_NOOP("r36::session", "%1 line needs a group number and an entry"),
                   kContext)
            .arg(key);
    case Problem::MemoryNumberOutside:
        return outside(QT_TRANSLATE_NOOP("r36::session", "%1 memory number is not %2..%3"));
    case Problem::GroupNumberOutside:
        return outside(QT_TRANSLATE_NOOP("r36::session", "%1 group number is not %2..%3"));
    case Problem::ValueOutside:
        return outside(QT_TRANSLATE_NOOP("r36::session", "%1 value is not a number %2..%3"));
    case Problem::RecordNotHex:
        return notHex(QT_TRANSLATE_NOOP("r36::session", "%1 record is not %2 hex digits"));
    case Problem::TableNotHex:
        return notHex(QT_TRANSLATE_NOOP("r36::session", "%1 table is not %2 hex digits"));
    case Problem::EntryNotHex:
        return notHex(QT_TRANSLATE_NOOP("r36::session", "%1 entry is not %2 hex digits"));
    case Problem::BlockNotHex:
        break;
    }
    return notHex(QT_TRANSLATE_NOOP("r36::session", "%1 block is not %2 hex digits"));
}

} // namespace r36::session
