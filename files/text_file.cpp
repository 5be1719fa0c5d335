#include "text_file.h"

#include <QFile>
#include <QSaveFile>

namespace r36::files {
namespace {

Outcome failure(const char* what, const QString& path, const QString& reason) {
    return Outcome::failure(std::string(what) + " " + path.toStdString() + ": " +
                            reason.toStdString());
}

} // namespace

Outcome readTextFile(const QString& path, std::string& text) {
    text.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure("Cannot read", path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure("Cannot read", path, file.errorString());
    text.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return Outcome::success();
}

Outcome writeTextFileAtomically(const QString& path, std::string_view text) {
    QSaveFile file(path);
    // Unbuffered, so a short write (disk full, file-size limit) shows here: a buffered QSaveFile
    // flushes inside commit() and can rename a truncated file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure("Cannot create", path, file.errorString());
    // A short write is retried, so the system's reason for stopping (disk full, file too large)
    // is the one reported.
    const char* data = text.data();
    auto remaining = static_cast<qint64>(text.size());
    while (remaining > 0) {
        const qint64 written = file.write(data, remaining);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return failure("Cannot write", path, reason);
        }
        data += written;
        remaining -= written;
    }
    if (!file.commit())
        return failure("Cannot write", path, file.errorString());
    return Outcome::success();
}

} // namespace r36::files
