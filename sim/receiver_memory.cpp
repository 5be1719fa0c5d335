// What the simulated receiver holds: a blank memory, one in everyday use, or a file's contents.

#include "receiver_simulator.h"

#include "image/clone_image.h"
#include "image/hex_text.h"
#include "image/link_table.h"
#include "image/memory_areas.h"
#include "image/memory_map.h"
#include "image/settings_block.h"
#include "image/value_lists.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace r36::sim {

namespace {

using Memory = std::array<std::uint8_t, ReceiverSimulator::kMemorySize>;

constexpr std::uint8_t kErased = 0xFF; // unwritten EEPROM

/// Bytes of a hex text, or nullopt when it is not whole bytes of hex digits.
std::optional<std::vector<std::uint8_t>> hexBytes(std::string_view hex) {
    if (hex.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const auto byte = image::byteAt(hex, static_cast<int>(i / 2));
        if (!byte)
            return std::nullopt;
        bytes.push_back(*byte);
    }
    return bytes;
}

bool putHex(Memory& memory, std::uint32_t address, std::string_view hex) {
    const auto bytes = hexBytes(hex);
    if (!bytes || address + bytes->size() > memory.size())
        return false;
    std::copy(bytes->begin(), bytes->end(), memory.begin() + address);
    return true;
}

void putLittleEndian(Memory& memory, std::uint32_t address, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        memory[address + static_cast<std::uint32_t>(i)] =
            static_cast<std::uint8_t>(value >> (8 * i));
}

void putBlankSettings(Memory& memory) {
    putHex(memory, image::kSysBlockBaseBefore206, image::defaultSysBlock());
    putHex(memory, image::kSysBlockBaseFrom206, image::defaultSysBlock());
}

/// One memory channel as the receiver stores it.
struct Channel {
    std::uint8_t flag = 0x01;
    std::uint32_t frequencyHz = 0;
    std::uint8_t mode = 0, step = 0;
    std::uint32_t offsetHz = 0;
    std::uint8_t shift = 0, subtone = 0, tone = 7, dcs = 0, train = 0, skip = 0;
    std::uint8_t autoStep = 0, autoMode = 0;
    const char* name = "";
};

void putChannel(Memory& memory, int index, const Channel& c) {
    const std::uint32_t base = image::memoryAddress(index);
    std::fill_n(memory.begin() + base, image::kMemoryStride, std::uint8_t{0});
    memory[base] = c.flag;
    putLittleEndian(memory, base + 1, c.frequencyHz, 4);
    memory[base + 5] = c.mode;
    memory[base + 6] = c.step;
    putLittleEndian(memory, base + 7, c.offsetHz, 4);
    memory[base + 11] = c.shift;
    memory[base + 12] = c.subtone;
    memory[base + 13] = c.tone;
    memory[base + 14] = c.dcs;
    memory[base + 16] = c.train;
    memory[base + 18] = c.skip;
    memory[base + 19] = c.autoStep;
    memory[base + 20] = c.autoMode;
    const std::size_t nameLength = std::min<std::size_t>(std::strlen(c.name), 6);
    for (std::size_t i = 0; i < 6; ++i)
        memory[base + 26 + i] = i < nameLength ? static_cast<std::uint8_t>(c.name[i]) : 0x20;
}

/// A plausible channel for memory i: air band, amateur, marine, broadcast and business bands.
Channel everydayChannel(int i) {
    static const char* const kNames[] = {"TOWER", "APP-1", "GND", "RPT-A", "CALL", "MARINE",
                                         "FM-JP", "TAXI",  "BUS", "RAIL",  "FIRE", "CITY"};
    Channel c;
    switch (i % 6) {
    case 0: // air band, AM, 25 kHz raster
        c.frequencyHz = 118'000'000u + static_cast<std::uint32_t>(i % 700) * 25'000u;
        c.mode = 1;
        c.step = 7;
        break;
    case 1: // 2 m repeater with a CTCSS tone
        c.frequencyHz = 145'000'000u + static_cast<std::uint32_t>(i % 80) * 20'000u;
        c.step = 6;
        c.offsetHz = 600'000;
        c.shift = 2;
        c.subtone = 2;
        c.tone = static_cast<std::uint8_t>(i % 50);
        break;
    case 2: // 70 cm with DCS
        c.frequencyHz = 433'000'000u + static_cast<std::uint32_t>(i % 100) * 12'500u;
        c.step = 4;
        c.subtone = 4;
        c.dcs = static_cast<std::uint8_t>(i % 104);
        break;
    case 3: // FM broadcast
        c.frequencyHz = 76'100'000u + static_cast<std::uint32_t>(i % 140) * 100'000u;
        c.mode = 2;
        c.step = 10;
        break;
    case 4: // train radio with its tone
        c.frequencyHz = 150'000'000u + static_cast<std::uint32_t>(i % 200) * 6'250u;
        c.step = 1;
        c.subtone = 1;
        c.train = static_cast<std::uint8_t>(i % 29);
        break;
    default: // business band, skipped in scan
        c.frequencyHz = 351'000'000u + static_cast<std::uint32_t>(i % 30) * 6'250u;
        c.step = 1;
        c.skip = 1;
        break;
    }
    c.name = kNames[i % 12];
    return c;
}

} // namespace

void ReceiverSimulator::loadBlankMemory() {
    m_memory.fill(kErased);
    putBlankSettings(m_memory);
}

void ReceiverSimulator::loadRealisticMemory() {
    loadBlankMemory();

    // Settings: both firmware locations, the newer one with a manually entered AREA (above 0x4C).
    std::string settings = image::defaultSysBlock();
    image::setByteAt(settings, 6, 2);     // LAMP 2-SEC
    image::setByteAt(settings, 31, 0x10); // VOL-16
    image::setByteAt(settings, 78, 0x10);
    putHex(m_memory, image::kSysBlockBaseBefore206, settings);
    image::setByteAt(settings, 78, 0x63);
    image::setByteAt(settings, 110, 0x5A); // a byte the program stores but never writes
    putHex(m_memory, image::kSysBlockBaseFrom206, settings);

    // Third settings block: byte 0 differs from byte 1, so a write of byte 1 at the block's own
    // address is visible.
    for (std::uint32_t i = 0; i < 32; ++i)
        m_memory[image::kSys3Address + i] = static_cast<std::uint8_t>(0x30 + i);
    m_memory[image::kSys3Address] = 0x00;
    m_memory[image::kSys3Address + 1] = 0x01;

    // A partition of 20 banks: 80, 70, 60, 50 x 6, 40 x 8, 25 x 4 = 1000.
    std::array<int, image::kBankCount> counts{};
    const int sizes[] = {80, 70, 60, 50, 50, 50, 50, 50, 50, 40, 40,
                         40, 40, 40, 40, 40, 40, 25, 25, 25, 25};
    int total = 0;
    for (std::size_t b = 0; b < std::size(sizes) && total < 1000; ++b) {
        counts[b] = std::min(sizes[b], 1000 - total);
        total += counts[b];
    }
    for (std::size_t b = 0; b < counts.size(); ++b)
        putLittleEndian(m_memory, image::kBankTableArea + 2 * static_cast<std::uint32_t>(b),
                        static_cast<std::uint32_t>(counts[b]), 2);

    // Link groups; the unused slot and every slot's eighth byte keep the receiver's own values.
    for (int k = 0; k < image::kBankLinkCount; ++k) {
        image::LinkMembers members{};
        for (int bank = 0; bank < image::kLinkItems; ++bank)
            members[static_cast<std::size_t>(bank)] = (bank + k) % (k + 3) == 0 && bank < 20;
        putHex(m_memory, image::bankLinkAddress(k),
               image::linkEntry(members, k == image::kBankLinkCount - 1));
    }
    for (int k = 0; k < image::kPsLinkCount; ++k) {
        image::LinkMembers members{};
        for (int pair = 0; pair < image::kLinkItems; ++pair)
            members[static_cast<std::size_t>(pair)] = pair % (k + 2) == 1;
        putHex(m_memory, image::psLinkAddress(k), image::linkEntry(members, false));
    }

    // TV presets by remote key ID: FF, ten channels, FF FF.
    const std::uint8_t remocon[13] = {0xFF, 27, 25, 23, 21, 24, 22, 26, 16, 0, 0, 0xFF, 0xFF};
    std::copy(std::begin(remocon), std::end(remocon), m_memory.begin() + image::kRemoconIdAddress);

    // Memories: about two in three in use; free ones either never written or cleared over an
    // old channel (flag 00, the rest left as it was).
    for (int i = 0; i < image::presetFirst; ++i) {
        const int pattern = (i * 37) % 11;
        if (pattern < 7) {
            putChannel(m_memory, i, everydayChannel(i));
        } else if (pattern < 9) {
            putChannel(m_memory, i, everydayChannel(i));
            m_memory[image::memoryAddress(i)] = 0x00;
        }
    }
    // Auto flags: meaningful in the PRG area, stale elsewhere.
    Channel stale = everydayChannel(10);
    stale.autoStep = stale.autoMode = 1;
    putChannel(m_memory, 10, stale);
    Channel edge = everydayChannel(1250);
    edge.autoStep = edge.autoMode = 1;
    putChannel(m_memory, 1250, edge);
    // Index bytes beyond their lists, as a receiver can hold them.
    Channel odd = everydayChannel(20);
    odd.mode = 3;
    odd.step = 0x10;
    odd.tone = 60;
    putChannel(m_memory, 20, odd);
    odd = everydayChannel(1100);
    odd.dcs = 120;
    odd.train = 40;
    odd.shift = 5;
    putChannel(m_memory, 1100, odd);

    for (int k = 0; k < image::kPresetCount; ++k)
        putHex(m_memory, image::memoryAddress(image::presetFirst + k),
               image::presetRecords[static_cast<std::size_t>(k)]);
}

bool ReceiverSimulator::loadFile(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray contents = file.readAll();
    if (contents.size() == kMemorySize &&
        !path.endsWith(QLatin1String(".R36"), Qt::CaseInsensitive)) {
        std::copy(contents.begin(), contents.end(), m_memory.begin());
        return true;
    }
    if (!path.endsWith(QLatin1String(".R36"), Qt::CaseInsensitive)) {
        error = QStringLiteral("%1 is neither a 65536-byte memory image nor a .R36 clone file")
                    .arg(path);
        return false;
    }

    Memory memory;
    memory.fill(kErased);
    putBlankSettings(memory);
    const QList<QByteArray> lines = contents.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QList<QByteArray> fields = lines[n].trimmed().split(':');
        const std::string key = fields[0].toStdString();
        auto field = [&](qsizetype i) {
            return i < fields.size() ? fields[i].toStdString() : std::string();
        };
        bool placed = true;
        bool known = true;
        if (key == "MR") {
            const int index = QByteArray(field(1).c_str()).toInt(&known);
            known = known && index >= 0 && index <= image::presetLast;
            placed = known && putHex(memory, image::memoryAddress(index), field(2));
        } else if (key == "BK") {
            placed = putHex(memory, image::kBankTableArea, field(1));
        } else if (key == "LINK0" || key == "LINK1") {
            const int group = QByteArray(field(1).c_str()).toInt(&known);
            const int groups = key == "LINK0" ? image::kBankLinkCount : image::kPsLinkCount;
            known = known && group >= 1 && group <= groups;
            placed = known && putHex(memory,
                                     key == "LINK0" ? image::bankLinkAddress(group - 1)
                                                    : image::psLinkAddress(group - 1),
                                     field(2));
        } else if (key == "SYS") {
            placed = putHex(memory, image::sysBlockBase(versionNumber()), field(1));
        } else if (key == "SYS3") {
            placed = putHex(memory, image::kSys3Address, field(1));
        } else if (key == "REMOCONID") {
            placed = putHex(memory, image::kRemoconIdAddress, field(1));
        }
        if (!known || !placed) {
            error = QStringLiteral("%1 line %2: %3 line cannot be laid out")
                        .arg(path)
                        .arg(n + 1)
                        .arg(QString::fromStdString(key));
            return false;
        }
    }
    m_memory = memory;
    return true;
}

bool ReceiverSimulator::saveFile(const QString& path, QString& error) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(m_memory.data()), kMemorySize) != kMemorySize) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace r36::sim
