#pragma once

// Sample files and file contents for tests that read or write real files.

#include <QFile>
#include <QString>

#include <string>

namespace r36::test {

/// A file of tests/data.
inline QString dataPath(const char* name) {
    return QStringLiteral(R36_TEST_DATA "/") + QString::fromLatin1(name);
}

/// The bytes of a file, or empty text when it cannot be read.
inline std::string fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

} // namespace r36::test
