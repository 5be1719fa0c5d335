#pragma once

// Shared by the file suites: sample files, scratch folders and a receiver image in real use.

#include "support/failure_words.h"
#include "support/test_files.h"

#include "files/clone_file.h"
#include "image/clone_image.h"
#include "image/memory_record.h"
#include "image/value_lists.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace r36::files::test {

using r36::test::dataPath;
using r36::test::fileBytes;
using r36::test::holds;

inline void writeBytes(const QString& path, std::string_view bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

/// Lines of a text, each without its CR LF; a rest without CR LF is the last line.
inline std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end = 0; start < text.size(); start = end + 2) {
        end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

/// An image as a receiver in use leaves it (the sample clone file): used memories in every area,
/// one with the auto flags in the PRG area, twenty banks of 50, link groups, the third settings
/// block as read and TV channels on the remote keys; and memory 6, free, with its old bytes.
inline image::CloneImage realisticImage() {
    image::CloneImage image = image::freshImage();
    image::LinkState link;
    CloneFileReport report;
    (void)readCloneFile(dataPath("realistic.R36"), image, link, report);
    image.memRecord[6] = "00" + std::string(image::presetRecords[5].substr(2));
    return image;
}

} // namespace r36::files::test
