#include "text_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>
#include <filesystem>

namespace r36::files {
namespace {

Outcome failure(FailureKind kind, const QString& path, const QString& reason) {
    Failure failure(kind);
    failure.path = path.toStdString();
    failure.systemText = reason.toStdString();
    return Outcome::failure(std::move(failure));
}

QString shownName(const QString& path, const char* stream) {
    return isStandardStream(path) ? QString::fromLatin1(stream) : path;
}

/// Standard output, written through the same all-or-error loop as a file.
Outcome writeStandardOutput(std::string_view text) {
    std::fflush(stdout); // what the program printed before comes first
    QFile file;
    if (!file.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(FailureKind::CannotWrite, QStringLiteral("standard output"),
                       file.errorString());
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size()))
        return failure(FailureKind::CannotWrite, QStringLiteral("standard output"),
                       file.errorString());
    return Outcome::success();
}

} // namespace

Outcome wrongFileName(const QString& path) {
    Failure failure(FailureKind::WrongFileName);
    failure.path = path.toStdString();
    return Outcome::failure(std::move(failure));
}

bool isStandardStream(const QString& path) {
    return path == QLatin1String(kStandardStream);
}

Outcome refuseUnlessRegular(const QString& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(QFile::encodeName(path).toStdString(), error);
    if (error || !fs::exists(status) || fs::is_regular_file(status))
        return Outcome::success(); // what else is wrong, opening it says
    // Translation keys: the message is made at the edge.
    const char* kind =
        fs::is_directory(status) ? QT_TRANSLATE_NOOP("r36::files::TextFile", "a folder")
        : fs::is_fifo(status)    ? QT_TRANSLATE_NOOP("r36::files::TextFile", "a FIFO")
        : fs::is_socket(status)  ? QT_TRANSLATE_NOOP("r36::files::TextFile", "a socket")
        : fs::is_block_file(status) || fs::is_character_file(status)
            ? QT_TRANSLATE_NOOP("r36::files::TextFile", "a device")
            : QT_TRANSLATE_NOOP("r36::files::TextFile", "not a file");
    Failure failure(FailureKind::NotRegularFile);
    failure.path = path.toStdString();
    failure.value = kind;
    return Outcome::failure(std::move(failure));
}

Outcome readTextFile(const QString& path, std::string& text) {
    text.clear();
    QFile file(path);
    const bool standardInput = isStandardStream(path);
    if (!standardInput)
        if (Outcome regular = refuseUnlessRegular(path); !regular)
            return regular;
    if (!(standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly)))
        return failure(FailureKind::CannotRead, shownName(path, "standard input"),
                       file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(FailureKind::CannotRead, shownName(path, "standard input"),
                       file.errorString());
    text.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return Outcome::success();
}

Outcome writeTextFileAtomically(const QString& path, std::string_view text) {
    if (isStandardStream(path))
        return writeStandardOutput(text);
    if (Outcome regular = refuseUnlessRegular(path); !regular)
        return regular;
    QSaveFile file(path);
    // Unbuffered, so a short write (disk full, file-size limit) shows here: a buffered QSaveFile
    // flushes inside commit() and can rename a truncated file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(FailureKind::CannotCreate, path, file.errorString());
    // A short write is retried, so the system's reason for stopping (disk full, file too large)
    // is the one reported.
    const char* data = text.data();
    auto remaining = static_cast<qint64>(text.size());
    while (remaining > 0) {
        const qint64 written = file.write(data, remaining);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return failure(FailureKind::CannotWrite, path, reason);
        }
        data += written;
        remaining -= written;
    }
    if (!file.commit())
        return failure(FailureKind::CannotWrite, path, file.errorString());
    return Outcome::success();
}

} // namespace r36::files
