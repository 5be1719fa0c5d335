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
    if (!file.open(QIODevice::WriteOnly))
        return failure("Cannot create", path, file.errorString());
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure("Cannot write", path, reason);
    }
    if (!file.commit())
        return failure("Cannot write", path, file.errorString());
    return Outcome::success();
}

} // namespace r36::files
