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
        lines[skipped.lineNumber] = QString::fromStdString(skipped.reason);
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

} // namespace r36::session
