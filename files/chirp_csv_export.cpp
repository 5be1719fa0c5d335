#include "chirp_csv_export.h"

#include "csv_text.h"
#include "image/memory_areas.h"
#include "image/memory_record.h"
#include "image/value_lists.h"
#include "text_file.h"

#include <cstdio>

namespace r36::files {
namespace {

using Kind = ChirpExportNote::Kind;

enum Subtone { kOff, kTrain, kCtcss, kRev, kDcs };

std::string megahertz(std::uint32_t hz) {
    std::string text = image::frequencyText(hz);
    text.resize(text.size() - 3); // "MHz"
    return text;
}

/// A list name's number as CHIRP writes it: "88.5Hz" as 88.5, "12.5KHz" as 12.50 (kHz).
std::string number(std::string_view name, const char* format) {
    const double value = image::numericValue(name) * (name.ends_with("MHz") ? 1000 : 1);
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

template <std::size_t N>
std::string_view entry(const std::array<std::string_view, N>& list, std::uint8_t index,
                       std::string_view otherwise) {
    return index < N ? list[index] : otherwise;
}

void appendLine(ChirpExport& out, const image::MemoryChannel& channel, int memory,
                std::string_view label) {
    std::string& text = out.text;
    const auto cell = [&text](std::string_view value) {
        appendCell(text, value, ',');
        text += ',';
    };
    std::string name = channel.name;
    name.resize(name.find_last_not_of(' ') == std::string::npos ? 0
                                                                : name.find_last_not_of(' ') + 1);
    const std::string tone = number(entry(image::ctcssTones, channel.toneIndex, "88.5Hz"), "%.1f");
    const std::string_view dcs = entry(image::dcsCodes, channel.dcsIndex, "023");
    static constexpr std::array<std::string_view, 5> kToneModes = {"", "", "TSQL", "TSQL-R",
                                                                   "DTCS"};
    static constexpr std::array<std::string_view, 3> kDuplex = {"", "+", "-"};

    cell(std::to_string(memory));
    cell(name);
    cell(megahertz(channel.frequencyHz));
    cell(entry(kDuplex, channel.shift, ""));
    cell(megahertz(channel.offsetHz));
    cell(entry(kToneModes, channel.subtone, ""));
    cell(tone); // rToneFreq and cToneFreq: the same tone
    cell(tone);
    cell(dcs); // DtcsCode and RxDtcsCode: the same code
    cell("NN");
    cell(dcs);
    cell("Tone->Tone");
    cell(entry(image::modeNames, channel.mode, "FM"));
    cell(number(entry(image::stepNames, channel.step, "5KHz"), "%.2f"));
    cell(channel.skip ? "S" : "");
    cell(""); // Power
    cell(label);
    text += ",,,\r\n"; // URCALL, RPT1CALL, RPT2CALL, DVCODE

    if (channel.subtone == kTrain)
        out.notes.push_back({memory, Kind::TrainTone});
    if (image::isPrgMemory(memory) && channel.autoMode)
        out.notes.push_back({memory, Kind::AutoMode});
    if (image::isPrgMemory(memory) && channel.autoStep)
        out.notes.push_back({memory, Kind::AutoStep});
}

} // namespace

ChirpExport chirpCsvText(const image::CloneImage& image, const std::vector<std::string>& labels) {
    ChirpExport out;
    out.text.reserve(static_cast<std::size_t>(image::kUserMemoryCount) * 80);
    out.text += kChirpHeader;
    out.text += "\r\n";
    for (int memory = 0; memory < image::kUserMemoryCount; ++memory) {
        const auto index = static_cast<std::size_t>(memory);
        if (index >= image.memRecord.size())
            break;
        if (const auto channel = image::decodeRecord(image.memRecord[index]))
            appendLine(out, *channel, memory, index < labels.size() ? labels[index] : "");
    }
    return out;
}

Outcome exportChirpCsv(const QString& path, const image::CloneImage& image,
                       const std::vector<std::string>& labels,
                       std::vector<ChirpExportNote>& notes) {
    ChirpExport exported = chirpCsvText(image, labels);
    Outcome written = writeTextFileAtomically(path, exported.text);
    if (written)
        notes = std::move(exported.notes);
    return written;
}

} // namespace r36::files
