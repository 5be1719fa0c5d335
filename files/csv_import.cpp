#include "csv_text.h"

#include "shown_value.h"

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

/// "?" and two hex digits: the code the export writes for a byte beyond its list, taken back
/// as it is so that export then import gives back the same record.
std::optional<std::uint8_t> outOfListCode(std::string_view field) {
    if (field.size() != 3 || field[0] != '?')
        return std::nullopt;
    const auto high = image::hexDigitValue(field[1]), low = image::hexDigitValue(field[2]);
    if (!high || !low)
        return std::nullopt;
    return static_cast<std::uint8_t>(*high * 16 + *low);
}

/// Megahertz of a field holding digits with at most one decimal point, optionally followed by
/// "MHz" (in any case). Anything else is nullopt: "145,020", "1e400" or "145.02abc" would
/// otherwise read as their first digits and give another channel without a word.
std::optional<double> plainMegahertz(std::string_view field) {
    if (field.size() >= 3 && image::toUpperAscii(field.substr(field.size() - 3)) == "MHZ")
        field.remove_suffix(3);
    bool point = false, digit = false;
    for (const char c : field) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;
    return image::numericValue(field);
}

/// The field with its one comma as a decimal point, when that makes it a number: what a
/// spreadsheet set to a decimal comma writes.
std::optional<std::string> decimalCommaCorrected(std::string_view field) {
    const std::size_t comma = field.find(',');
    if (comma == std::string_view::npos || field.find(',', comma + 1) != std::string_view::npos)
        return std::nullopt;
    std::string corrected(field);
    corrected[comma] = '.';
    if (!plainMegahertz(corrected))
        return std::nullopt;
    return corrected;
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
            m_problem = Failure(FailureKind::Unstorable);
            return std::nullopt;
        }
        return record;
    }

    const Failure& problem() const { return m_problem; }

private:
    std::string_view field(Field f) const { return m_fields[f]; }

    // `what` and `expected` are translation keys (their words are listed where messages are
    // made): the message is made at the edge.
    bool fail(std::string_view what, Field f, std::string_view expected,
              FailureKind kind = FailureKind::BadField) {
        m_problem = Failure(kind);
        m_problem.names = {std::string(what), std::string(expected)};
        m_problem.value = shownValue(field(f));
        return false;
    }

    /// Hertz of a megahertz field, rounded to whole hertz, at least `minimum` and below `limit`;
    /// `range` says which ("0.1 .. 1299.999999 MHz") when it is not.
    std::optional<std::uint32_t> hertz(std::string_view what, Field f, double minimum, double limit,
                                       std::string_view range) {
        const auto megahertz = plainMegahertz(field(f));
        if (!megahertz) {
            if (const auto corrected = decimalCommaCorrected(field(f)))
                fail(what, f, *corrected, FailureKind::DecimalComma);
            else
                fail(what, f, "is not a number of MHz, like 145.020000");
            return std::nullopt;
        }
        const double hz = std::round(*megahertz * 1e6);
        if (!(hz >= minimum && hz < limit)) {
            fail(what, f, range, FailureKind::OutOfRange);
            return std::nullopt;
        }
        return static_cast<std::uint32_t>(hz);
    }

    bool frequency() {
        const auto hz = hertz("frequency", kFrequencyField, image::kMinFrequencyHz,
                              image::kFrequencyLimitHz, "0.1 .. 1299.999999 MHz");
        if (!hz)
            return false;
        m_channel.frequencyHz = *hz;
        return true;
    }

    /// A "?XX" code stored in `target` as it is; false when `text` is not one.
    static bool outOfList(std::string_view text, std::uint8_t& target) {
        const auto code = outOfListCode(text);
        if (code)
            target = *code;
        return code.has_value();
    }

    // "auto" (any case) lets the receiver choose; only the program-scan memories have the flag.
    bool isAuto(Field f) const { return image::toUpperAscii(field(f)) == kAuto; }

    bool mode() {
        if (outOfList(field(kModeField), m_channel.mode))
            return true;
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
        if (outOfList(field(kStepField), m_channel.step))
            return true;
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
        // An empty offset is none, as it always was. A negative shift amount has no place in the
        // record (the shift direction is its own field): it is not a plain number.
        if (field(kOffsetField).empty()) {
            m_channel.offsetHz = 0;
            return true;
        }
        const auto hz =
            hertz("offset", kOffsetField, 0, image::kOffsetLimitHz, "0 .. 999.999999 MHz");
        if (!hz)
            return false;
        m_channel.offsetHz = *hz;
        return true;
    }

    bool shift() {
        if (outOfList(field(kShiftField), m_channel.shift))
            return true;
        const auto shift = positionIn(image::shiftNames, field(kShiftField), false);
        if (!shift)
            return fail("shift", kShiftField, "is not OFF, + or -");
        m_channel.shift = *shift;
        return true;
    }

    bool subtone() {
        if (outOfList(field(kSubtoneField), m_channel.subtone))
            return true;
        const auto kind =
            positionIn(image::subtoneKinds, image::toUpperAscii(field(kSubtoneField)), true);
        if (!kind)
            return fail("subtone", kSubtoneField, "is not OFF, Train, CTCSS, REV or DCS");
        m_channel.subtone = *kind;
        return true;
    }

    bool tone() {
        if (outOfList(field(kToneField), m_channel.toneIndex))
            return true;
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
        if (outOfList(withoutLeadingStar(field(kDcsField)), m_channel.dcsIndex))
            return true;
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
        if (outOfList(field(kTrainField), m_channel.trainIndex))
            return true;
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
        // The record holds the skip flag as a truth value: another byte comes back as "skip".
        if (std::uint8_t code = 0; outOfList(mark, code)) {
            m_channel.skip = code != 0;
            return true;
        }
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
    Failure m_problem;
};

CsvImport failure(Failure why) {
    CsvImport result;
    result.outcome = Outcome::failure(std::move(why));
    return result;
}

/// Line `line` cannot be stored, for the reason `problem`.
CsvImport damagedLine(int line, Failure problem) {
    Failure damaged(FailureKind::DamagedLine);
    damaged.line = line;
    damaged.parts = {std::move(problem)};
    return failure(std::move(damaged));
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
    // Tools that drop trailing empty fields write eleven for a memory without a name: the
    // missing fields are empty ones, and the line loads or fails on what it holds.
    std::vector<std::string> padded = fields;
    if (padded.size() < kFieldCount)
        padded.resize(kFieldCount);
    if (padded[kFrequencyField].empty())
        return {std::string(image::kEmptyRecord), Outcome::success()}; // a free memory
    LineComposer composer(padded, memory);
    std::optional<std::string> record = composer.compose();
    if (!record)
        return {{}, Outcome::failure(composer.problem())};
    return {std::move(*record), Outcome::success()};
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
            return damagedLine(n + 1, Failure(FailureKind::UnclosedQuote));
        CsvLineRecord line = csvLineRecord(*fields, memory);
        if (!line.ok())
            return damagedLine(n + 1, line.problem.why());
        records[static_cast<std::size_t>(memory)] = std::move(line.record);
    }
    if (lineCount < kCsvLineCount || lineCount > kCsvLineCount) {
        // The line the message shows is the first one missing, or the first one too many.
        Failure wrongLength(lineCount < kCsvLineCount ? FailureKind::IncompleteFile
                                                      : FailureKind::TooManyLines);
        wrongLength.line = std::min(lineCount, kCsvLineCount) + 1;
        wrongLength.number = kCsvLineCount;
        return failure(std::move(wrongLength));
    }
    CsvImport result;
    result.records = std::move(records);
    return result;
}

} // namespace r36::files
