#pragma once

// Shared by the file suites: sample files, scratch folders and a receiver image in real use.

#include "support/test_files.h"

#include "image/clone_image.h"
#include "image/memory_record.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <string>
#include <string_view>
#include <vector>

namespace r36::files::test {

using r36::test::dataPath;
using r36::test::fileBytes;

inline void writeBytes(const QString& path, std::string_view bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

/// Lines of a text, each without its CR LF; a text that does not end in CR LF gets a last
/// element holding the rest.
inline std::vector<std::string> crlfLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline std::string channelRecord(std::uint32_t hz, std::string name, int mode = 0, int step = 4) {
    image::MemoryChannel channel;
    channel.frequencyHz = hz;
    channel.mode = static_cast<std::uint8_t>(mode);
    channel.step = static_cast<std::uint8_t>(step);
    channel.name = std::move(name);
    return image::encodeRecord(channel);
}

/// An image as a receiver in use leaves it: used memories in every area up to 1699 (one with
/// the auto flags in the PRG area), a partition of twenty banks of 50, link groups, the third
/// settings block as read from the receiver and TV channels on the remote keys.
inline image::CloneImage realisticImage() {
    image::CloneImage image = image::freshImage();
    const int used[] = {0, 1, 2, 99, 500, 999, 1000, 1199, 1201, 1300, 1400, 1600, 1699};
    std::uint32_t hz = 118'100'000;
    for (int memory : used) {
        image.memRecord[static_cast<std::size_t>(memory)] =
            channelRecord(hz, "M" + std::to_string(memory), memory % 3, memory % 16);
        hz += 12'345'678;
    }
    image::MemoryChannel prg;
    prg.frequencyHz = 144'000'000;
    prg.autoMode = prg.autoStep = true;
    prg.name = "PRG A";
    image.memRecord[1200] = image::encodeRecord(prg);
    // Read from a receiver: a memory whose flag says free still holds its old bytes.
    image.memRecord[3] = "00" + channelRecord(430'000'000, "OLD").substr(2);
    image.bankTable.clear();
    for (int bank = 0; bank < 50; ++bank)
        image.bankTable += bank < 20 ? "3200" : "0000";
    image.bankLink[0] = "C0000000000000";
    image.psLink[8] = "0000000000000F";
    image.sysBlock.replace(0, 2, "A6");
    image.sys3Block = "0000" + std::string(60, 'F');
    image.remoconId = "FF1B1A1918171615141300FFFF";
    return image;
}

} // namespace r36::files::test
