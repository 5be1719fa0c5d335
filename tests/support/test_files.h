#pragma once

// Sample files, file contents and the texts they hold, for tests that read or write files.

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

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

/// Whether `text` holds `part`; a failure shows the whole text.
inline ::testing::AssertionResult holds(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no \"" << part << "\" in:\n" << text;
}

} // namespace r36::test
