#include "csv_text.h"

#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/memory_map.h"
#include "image/memory_record.h"
#include "image/value_lists.h"
#include "text_lines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace r36::files {
namespace {

enum Field {
    kFrequencyField = 1,
    kModeField,
    kStepField,
    kSubtoneField,
    kToneField,
    kDcsField,
    kTrainField,
    kShiftField,
    kOffsetField,
    kSkipField,
    kNameField,
    kFieldCount
};

constexpr std::string_view kAuto = "AUTO";

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

std::string_view withoutSuffix(std::string_view text, std::string_view suffix) {
    return endsWith(text, suffix) ? text.substr(0, text.size() - suffix.size()) : text;
}

std::string_view withoutLeadingStar(std::string_view text) {
    return !text.empty() && text.front() == '*' ? text.substr(1) : text;
}

/// Position of `text` in `list`, compared exactly or upper-cased on both sides.
template <std::size_t N>
std::optional<std::uint8_t> positionIn(const std::array<std::string_view, N>& list,
                                       std::string_view text, bool ignoreCase) {
    for (std::size_t i = 0; i < N; ++i) {
        if (ignoreCase ? image::toUpperAscii(list[i]) == text : list[i] == text)
            return static_cast<std::uint8_t>(i);
    }
    return std::nullopt;
}

/// Hertz of a megahertz field like "145.000000MHz", rounded to whole hertz, when it is at least
/// `minimum` and below `limit`.
std::optional<std::uint32_t> hertzIn(std::string_view field, double minimum, double limit) {
    const double hz = std::round(image::numericValue(withoutSuffix(field, "MHz")) * 1e6);
    if (!(hz >= minimum && hz < limit))
        return std::nullopt;
    return static_cast<std::uint32_t>(hz);
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

/// Builds the record of one data line for `memory`, or says why the line cannot be stored.
class LineComposer {
public:
    LineComposer(const std::vector<std::string>& fields, int memory)
        : m_fields(fields), m_memory(memory) {}

    std::optional<std::string> compose() {
        if (!frequency() || !mode() || !step() || !offset() || !shift() || !subtone() || !tone() ||
            !dcs() || !train() || !skip() || !name())
            return std::nullopt;
        std::string record = image::encodeRecord(m_channel);
        if (!image::isHexOfLength(record, image::kLineHexChars)) {
            m_reason = "the memory cannot be stored";
            return std::nullopt;
        }
        return record;
    }

    const std::string& reason() const { return m_reason; }

private:
    std::string_view field(Field f) const { return m_fields[f]; }

    bool fail(std::string_view what, Field f, std::string_view expected) {
        m_reason = std::string(what) + " " + quoted(field(f)) + " " + std::string(expected);
        return false;
    }

    bool frequency() {
        const auto hz =
            hertzIn(field(kFrequencyField), image::kMinFrequencyHz, image::kFrequencyLimitHz);
        if (!hz)
            return fail("frequency", kFrequencyField, "is not 0.1 .. 1299.999999 MHz");
        m_channel.frequencyHz = *hz;
        return true;
    }

    // "auto" (any case) lets the receiver choose; only the program-scan memories have the flag.
    bool isAuto(Field f) const { return image::toUpperAscii(field(f)) == kAuto; }

    bool mode() {
        if (isAuto(kModeField)) {
            if (!image::isPrgMemory(m_memory))
                return fail("mode", kModeField, "is only allowed in PRG memories");
            m_channel.mode = 0;
            m_channel.autoMode = true;
            return true;
        }
        const auto mode = positionIn(image::modeNames, field(kModeField), false);
        if (!mode)
            return fail("mode", kModeField, "is not FM, AM or WFM");
        m_channel.mode = *mode;
        return true;
    }

    bool step() {
        if (isAuto(kStepField)) {
            if (!image::isPrgMemory(m_memory))
                return fail("step", kStepField, "is only allowed in PRG memories");
            m_channel.step = 0;
            m_channel.autoStep = true;
            return true;
        }
        // "12.5k", "12.5KHZ" and "12.5KHz" all name the 12.5KHz step.
        std::string text = image::toUpperAscii(field(kStepField));
        if (!endsWith(text, "HZ"))
            text += "HZ";
        const auto step = positionIn(image::stepNames, text, true);
        if (!step)
            return fail("step", kStepField, "is not a step of the receiver");
        m_channel.step = *step;
        return true;
    }

    bool offset() {
        // A negative shift amount has no place in the record; the shift direction is its own
        // field.
        const auto hz = field(kOffsetField).starts_with('-')
                            ? std::nullopt
                            : hertzIn(field(kOffsetField), 0, image::kOffsetLimitHz);
        if (!hz)
            return fail("offset", kOffsetField, "is not 0 .. 999.999999 MHz");
        m_channel.offsetHz = *hz;
        return true;
    }

    bool shift() {
        const auto shift = positionIn(image::shiftNames, field(kShiftField), false);
        if (!shift)
            return fail("shift", kShiftField, "is not OFF, + or -");
        m_channel.shift = *shift;
        return true;
    }

    bool subtone() {
        const auto kind =
            positionIn(image::subtoneKinds, image::toUpperAscii(field(kSubtoneField)), true);
        if (!kind)
            return fail("subtone", kSubtoneField, "is not OFF, Train, CTCSS, REV or DCS");
        m_channel.subtone = *kind;
        return true;
    }

    bool tone() {
        // "88.5", "88.5Hz" and "100" (= "100.0Hz") are accepted.
        std::string text(withoutSuffix(image::toUpperAscii(field(kToneField)), "HZ"));
        if (text.find('.') == std::string::npos)
            text += ".0";
        text += "HZ";
        const auto tone = positionIn(image::ctcssTones, text, true);
        if (!tone)
            return fail("CTCSS tone", kToneField, "is not a tone of the receiver");
        m_channel.toneIndex = *tone;
        return true;
    }

    bool dcs() {
        // Export marks the code "*023"; spreadsheets may have dropped its leading zeros.
        std::string text(withoutLeadingStar(field(kDcsField)));
        if (text.size() < 3)
            text.insert(0, 3 - text.size(), '0');
        const auto code = positionIn(image::dcsCodes, text, false);
        if (!code)
            return fail("DCS code", kDcsField, "is not a code of the receiver");
        m_channel.dcsIndex = *code;
        return true;
    }

    bool train() {
        std::string text = image::toUpperAscii(field(kTrainField));
        if (text != "JR" && !endsWith(text, "HZ"))
            text += "HZ";
        const auto tone = positionIn(image::trainTones, text, true);
        if (!tone)
            return fail("train tone", kTrainField, "is not a train tone of the receiver");
        m_channel.trainIndex = *tone;
        return true;
    }

    bool skip() {
        const std::string_view mark = field(kSkipField);
        if (mark != "*" && !mark.empty())
            return fail("skip", kSkipField, "is not \"*\" or empty");
        m_channel.skip = mark == "*";
        return true;
    }

    bool name() {
        // Export marks the name with "*"; a name that itself starts with "*" gets two.
        std::string text(withoutLeadingStar(field(kNameField)));
        if (text.size() > image::rec::kNameLength)
            return fail("name", kNameField, "is longer than six characters");
        for (char c : text) {
            if (c < 0x20 || c > 0x7E)
                return fail("name", kNameField, "holds a character that is not printable ASCII");
        }
        text.resize(image::rec::kNameLength, ' ');
        m_channel.name = std::move(text);
        return true;
    }

    const std::vector<std::string>& m_fields;
    int m_memory;
    image::MemoryChannel m_channel;
    std::string m_reason;
};

CsvImport failure(int errorLine, std::string reason) {
    CsvImport result;
    result.errorLine = errorLine;
    result.reason = std::move(reason);
    return result;
}

} // namespace

std::optional<std::vector<std::string>> csvFields(std::string_view line, char separator) {
    std::vector<std::string> fields;
    std::size_t at = 0;
    for (;;) {
        std::string field;
        if (at < line.size() && line[at] == '"') {
            for (bool open = true; open;) {
                const std::size_t quote = line.find('"', ++at);
                if (quote == std::string_view::npos)
                    return std::nullopt;
                field += line.substr(at, quote - at);
                at = quote + 1;
                open = at < line.size() && line[at] == '"';
                if (open)
                    field += '"';
            }
        }
        const std::size_t end = line.find(separator, at);
        field += line.substr(at, end == std::string_view::npos ? end : end - at);
        fields.push_back(std::move(field));
        if (end == std::string_view::npos)
            return fields;
        at = end + 1;
    }
}

CsvLineRecord csvLineRecord(const std::vector<std::string>& fields, int memory) {
    if (fields.size() < kFieldCount || fields[kFrequencyField].empty())
        return {std::string(image::kEmptyRecord), {}}; // a free memory
    LineComposer composer(fields, memory);
    std::optional<std::string> record = composer.compose();
    if (!record)
        return {{}, composer.reason()};
    return {std::move(*record), {}};
}

CsvImport parseCsv(const std::string& text) {
    const std::vector<std::string_view> lines = splitLines(text);
    std::vector<std::string> records(image::kMemoryCount, std::string(image::kEmptyRecord));
    for (int k = 0; k < image::kPresetCount; ++k)
        records[static_cast<std::size_t>(image::presetFirst + k)] =
            image::presetRecords[static_cast<std::size_t>(k)];

    // Line n (counted from 0, the header being line 0) holds memory n - 1; the messages count
    // lines from 1, so a failure in line n is reported as n + 1.
    const int lineCount = static_cast<int>(lines.size());
    const int dataLines = std::min(lineCount, kCsvLineCount);
    for (int n = 1; n < dataLines; ++n) {
        const int memory = n - 1;
        const auto fields = csvFields(lines[static_cast<std::size_t>(n)]);
        if (!fields)
            return failure(n + 1,
                           "line " + std::to_string(n + 1) + ": a quoted field is not closed");
        CsvLineRecord line = csvLineRecord(*fields, memory);
        if (!line.ok())
            return failure(n + 1, "line " + std::to_string(n + 1) + ": " + line.reason);
        records[static_cast<std::size_t>(memory)] = std::move(line.record);
    }
    if (lineCount < kCsvLineCount)
        return failure(lineCount + 1, "the file ends after line " + std::to_string(lineCount) +
                                          "; a channel list has " + std::to_string(kCsvLineCount) +
                                          " lines");
    if (lineCount > kCsvLineCount)
        return failure(kCsvLineCount + 1,
                       "the file has more than " + std::to_string(kCsvLineCount) + " lines");
    CsvImport result;
    result.ok = true;
    result.records = std::move(records);
    return result;
}

} // namespace r36::files
