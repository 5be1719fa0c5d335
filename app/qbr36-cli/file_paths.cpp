#include "file_paths.h"

#include "files/text_file.h"
#include "session/failure_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace r36::cli {
namespace {

struct Paths {
    QStringList inputs, outputs;
};

Paths pathsOf(const Invocation& invocation) {
    const QStringList& paths = invocation.paths;
    Paths sorted;
    switch (invocation.command) {
    case Command::Read:
        sorted.outputs = paths;
        break;
    case Command::ExportCsv:
    case Command::ImportCsv:
        sorted.inputs = {paths.value(0)};
        sorted.outputs = {paths.value(1)};
        break;
    case Command::Write:
    case Command::Check:
    case Command::Diff:
    case Command::Backups:
        sorted.inputs = paths;
        break;
    }
    if (!invocation.changesFrom.isEmpty())
        sorted.inputs << invocation.changesFrom;
    if (!invocation.logPath.isEmpty())
        sorted.outputs << invocation.logPath;
    return sorted;
}

/// Whether two existing paths name the same file: links and other spellings included.
bool sameFile(const QString& a, const QString& b) {
    std::error_code error;
    return std::filesystem::equivalent(QFile::encodeName(a).toStdString(),
                                       QFile::encodeName(b).toStdString(), error) &&
           !error;
}

Outcome refused(const QString& path, const char* why) {
    return Outcome::failure(path.toStdString() + ": " + why);
}

Outcome checkOutputFolder(const QString& path) {
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir())
        return Outcome::failure("cannot write " + path.toStdString() + ": the folder " +
                                QDir::toNativeSeparators(folder.filePath()).toStdString() +
                                " does not exist");
    if (!folder.isWritable())
        return Outcome::failure("cannot write " + path.toStdString() + ": the folder " +
                                QDir::toNativeSeparators(folder.filePath()).toStdString() +
                                " is not writable");
    return Outcome::success();
}

} // namespace

Outcome checkPaths(const Invocation& invocation) {
    if (files::isStandardStream(invocation.logPath))
        return refused(invocation.logPath, "--log needs a file name; - is not one");
    const Paths paths = pathsOf(invocation);
    for (const QString& path : paths.inputs + paths.outputs) {
        if (files::isStandardStream(path))
            continue;
        if (Outcome regular = files::refuseUnlessRegular(path); !regular)
            return Outcome::failure(session::englishText(regular.why()) +
                                    "; give a file, or - for standard " +
                                    (paths.inputs.contains(path) ? "input" : "output"));
    }
    for (qsizetype k = 0; k < paths.outputs.size(); ++k) {
        const QString& output = paths.outputs[k];
        if (files::isStandardStream(output))
            continue;
        for (const QString& other : paths.inputs + paths.outputs.mid(k + 1))
            if (output == other || sameFile(output, other))
                return refused(output, paths.inputs.contains(other)
                                           ? "the output is also an input; writing it would "
                                             "replace what is being read"
                                           : "two outputs are the same file");
        if (Outcome folder = checkOutputFolder(output); !folder)
            return folder;
    }
    return Outcome::success();
}

} // namespace r36::cli
