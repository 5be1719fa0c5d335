#include "chirp_csv_import.h"

#include "csv_text.h"
#include "image/hex_text.h"
#include "image/memory_fields.h"
#include "image/value_lists.h"
#include "text_file.h"
#include "text_lines.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace r36::files {
namespace {

using Kind = ChirpNote::Kind;

enum Column {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kRxDtcsCode,
    kCrossMode,
    kMode,
    kTStep,
    kSkip,
    kColumnCount
};

// The header names of the columns this program reads; Power, Comment, Bank and the digital-voice
// columns say nothing the receiver can hold.
constexpr std::array<std::string_view, kColumnCount> kColumnNames = {
    "Location",   "Name",      "Frequency", "Duplex",   "Offset",
    "Tone",       "rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity",
    "RxDtcsCode", "CrossMode", "Mode",      "TStep",    "Skip"};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr int kDefaultToneTenths = 885; // CHIRP fills unused tone columns with 88.5

using ColumnIndexes = std::array<std::optional<std::size_t>, kColumnCount>;

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view withoutByteOrderMark(std::string_view text) {
    return text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text;
}

ColumnIndexes columnsOf(const std::vector<std::string>& header) {
    ColumnIndexes columns;
    for (std::size_t k = 0; k < header.size(); ++k)
        for (std::size_t c = 0; c < kColumnNames.size(); ++c)
            if (!columns[c] && trimmed(header[k]) == kColumnNames[c])
                columns[c] = k;
    return columns;
}

/// A plain decimal number: digits with at most one decimal point, blanks around it allowed.
std::optional<double> decimalNumber(std::string_view text) {
    text = trimmed(text);
    const bool digitsOnly = std::all_of(text.begin(), text.end(),
                                        [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
    if (!digitsOnly || std::count(text.begin(), text.end(), '.') > 1 ||
        text.find_first_of("0123456789") == std::string_view::npos)
        return std::nullopt;
    return image::numericValue(text);
}

/// The value of a list name before its unit: "88.5Hz" gives 88.5, "12.5KHz" 12.5, "1MHz" 1000
/// (kilohertz).
double leadingValue(std::string_view name) {
    return image::numericValue(name) * (name.ends_with("MHz") ? 1000 : 1);
}

/// The values of a name list, read once: tones in tenths of a hertz, steps in kilohertz.
template <std::size_t N>
std::array<double, N> leadingValues(const std::array<std::string_view, N>& list, double scale) {
    std::array<double, N> values{};
    for (std::size_t i = 0; i < N; ++i)
        values[i] = std::round(leadingValue(list[i]) * scale * 100) / 100;
    return values;
}

std::optional<std::uint8_t> toneIndexOf(std::string_view text) {
    static const auto tenths = leadingValues(image::ctcssTones, 10);
    const auto hz = decimalNumber(text);
    if (!hz)
        return std::nullopt;
    const auto found = std::find(tenths.begin(), tenths.end(), std::round(*hz * 10));
    if (found == tenths.end())
        return std::nullopt;
    return static_cast<std::uint8_t>(found - tenths.begin());
}

std::optional<std::uint8_t> dcsIndexOf(std::string_view text) {
    std::string code(trimmed(text));
    if (code.size() < 3)
        code.insert(0, 3 - code.size(), '0');
    const auto found = std::find(image::dcsCodes.begin(), image::dcsCodes.end(), code);
    if (found == image::dcsCodes.end())
        return std::nullopt;
    return static_cast<std::uint8_t>(found - image::dcsCodes.begin());
}

/// Builds the memory of one data line and notes what of it the receiver does not take.
class LineReader {
public:
    LineReader(const std::vector<std::string>& fields, const ColumnIndexes& columns,
               ChirpLine& line)
        : m_fields(fields), m_columns(columns), m_line(line) {}

    void read() {
        if (const auto location = decimalNumber(field(kLocation));
            location && field(kLocation).find('.') == std::string_view::npos &&
            *location <= std::numeric_limits<int>::max())
            m_line.location = static_cast<int>(*location);
        m_line.name = std::string(field(kName));
        if (!frequency() || !mode())
            return;
        shiftAndOffset();
        tones();
        step();
        skip();
        name();
        m_line.record = image::encodeRecord(m_channel);
        m_line.channel = m_channel;
    }

private:
    std::string_view field(Column column) const {
        const auto index = m_columns[column];
        return index && *index < m_fields.size() ? std::string_view(m_fields[*index])
                                                 : std::string_view();
    }
    bool has(Column column) const { return !trimmed(field(column)).empty(); }
    std::string upper(Column column) const { return image::toUpperAscii(trimmed(field(column))); }

    void note(Kind kind, std::string_view text) {
        m_line.notes.push_back({kind, std::string(text)});
    }

    bool frequency() {
        const auto hz = image::hertzOfMegahertz(field(kFrequency));
        if (!hz || *hz < image::kMinFrequencyHz || *hz >= image::kFrequencyLimitHz) {
            note(Kind::BadFrequency, field(kFrequency));
            return false;
        }
        m_channel.frequencyHz = *hz;
        return true;
    }

    bool mode() {
        const std::string mode = upper(kMode);
        if (mode.empty() || mode == "FM" || mode == "NFM")
            m_channel.mode = 0;
        else if (mode == "AM" || mode == "NAM")
            m_channel.mode = 1;
        else if (mode == "WFM")
            m_channel.mode = 2;
        else {
            note(Kind::ModeNotCarried, field(kMode));
            return false;
        }
        return true;
    }

    void shiftAndOffset() {
        const std::string duplex = upper(kDuplex);
        if (duplex == "SPLIT") {
            note(Kind::SplitNotCarried, field(kOffset)); // the offset is a transmit frequency
            return;
        }
        if (!duplex.empty() && duplex != "+" && duplex != "-" && duplex != "OFF") {
            note(Kind::DuplexNotCarried, field(kDuplex));
            return;
        }
        // The offset is kept also without a shift: the record holds it either way.
        const auto hz = has(kOffset) ? image::hertzOfMegahertz(field(kOffset)) : 0u;
        if (!hz || *hz >= image::kOffsetLimitHz) {
            note(Kind::OffsetNotCarried, field(kOffset));
            return;
        }
        m_channel.offsetHz = *hz;
        m_channel.shift = duplex == "+" ? 1 : duplex == "-" ? 2 : 0;
    }

    // The tone and code columns are kept where the receiver has them whatever the tone mode,
    // so that a list exported from this program comes back as it was.
    void tones() {
        const auto cTone = toneIndexOf(field(kCToneFreq));
        const Column rxDtcsColumn = has(kRxDtcsCode) ? kRxDtcsCode : kDtcsCode;
        if (cTone)
            m_channel.toneIndex = *cTone;
        if (const auto dcs = dcsIndexOf(field(rxDtcsColumn)))
            m_channel.dcsIndex = *dcs;

        const std::string mode = upper(kTone);
        if (mode.empty() || mode == "TONE") // "Tone" is a transmit tone alone
            return;
        if (mode == "TSQL") {
            // CHIRP leaves cToneFreq at 88.5 for radios that squelch on rToneFreq.
            const auto tenths = [this](Column column) {
                return std::lround(image::numericValue(field(column)) * 10);
            };
            const bool rToneOnly = tenths(kCToneFreq) == kDefaultToneTenths &&
                                   tenths(kRToneFreq) != kDefaultToneTenths;
            ctcss(2, rToneOnly ? kRToneFreq : kCToneFreq);
        } else if (mode == "TSQL-R") {
            ctcss(3, kRToneFreq);
        } else if (mode == "DTCS") {
            dcs(rxDtcsColumn);
        } else if (mode == "CROSS") {
            cross(rxDtcsColumn);
        } else {
            note(Kind::ToneModeNotCarried, field(kTone));
        }
    }

    void ctcss(std::uint8_t kind, Column column) {
        const auto tone = toneIndexOf(field(column));
        if (!tone) {
            note(Kind::ToneNotCarried, field(column));
            return;
        }
        m_channel.toneIndex = *tone;
        m_channel.subtone = kind;
    }

    void dcs(Column column) {
        const std::string polarity = upper(kDtcsPolarity);
        if (polarity.size() == 2 && polarity[1] == 'R') {
            note(Kind::ReversedDcsNotCarried, field(kDtcsPolarity));
            return;
        }
        const auto code = dcsIndexOf(field(column));
        if (!code) {
            note(Kind::DcsNotCarried, field(column));
            return;
        }
        m_channel.dcsIndex = *code;
        m_channel.subtone = 4;
    }

    void cross(Column rxDtcsColumn) {
        const std::string_view crossMode = trimmed(field(kCrossMode));
        const std::size_t arrow = crossMode.find("->");
        if (arrow == std::string_view::npos) {
            note(Kind::ToneModeNotCarried, field(kCrossMode));
            return;
        }
        const std::string receive = image::toUpperAscii(crossMode.substr(arrow + 2));
        if (!receive.empty() && receive != "TONE" && receive != "DTCS") {
            note(Kind::ToneModeNotCarried, field(kCrossMode));
            return;
        }
        if (arrow > 0)
            note(Kind::TransmitToneDropped, crossMode.substr(0, arrow));
        if (receive == "TONE")
            ctcss(2, kCToneFreq);
        else if (receive == "DTCS")
            dcs(rxDtcsColumn);
    }

    void step() {
        if (!has(kTStep))
            return; // 5KHz
        const auto kHz = decimalNumber(field(kTStep));
        if (!kHz) {
            note(Kind::StepNotCarried, field(kTStep));
            return;
        }
        static const auto steps = leadingValues(image::stepNames, 1);
        std::size_t nearest = 0;
        for (std::size_t i = 1; i < steps.size(); ++i)
            if (std::abs(steps[i] - *kHz) < std::abs(steps[nearest] - *kHz))
                nearest = i;
        // CHIRP writes two decimals: 8.33 for the 8.33KHz step.
        if (std::abs(steps[nearest] - *kHz) > 0.005)
            note(Kind::StepRounded, field(kTStep));
        m_channel.step = static_cast<std::uint8_t>(nearest);
    }

    void skip() {
        const std::string skip = upper(kSkip);
        m_channel.skip = skip == "S";
        if (!skip.empty() && skip != "S")
            note(Kind::SkipNotCarried, field(kSkip));
    }

    void name() {
        std::string name;
        bool replaced = false;
        for (const char c : m_line.name) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x80 && byte < 0xC0)
                continue; // the rest of a UTF-8 character, replaced at its first byte
            replaced = replaced || byte < 0x20 || byte > 0x7E;
            name += byte >= 0x20 && byte <= 0x7E ? c : '?';
        }
        if (replaced)
            note(Kind::NameCharactersReplaced, m_line.name);
        name = image::toUpperAscii(name); // the receiver shows upper case
        const std::size_t end = name.find_last_not_of(' ');
        name.resize(end == std::string::npos ? 0 : end + 1);
        if (name.size() > image::rec::kNameLength) {
            note(Kind::NameCut, name);
            name.resize(image::rec::kNameLength);
        }
        m_channel.name = std::move(name);
    }

    const std::vector<std::string>& m_fields;
    const ColumnIndexes& m_columns;
    ChirpLine& m_line;
    image::MemoryChannel m_channel;
};

bool isBlank(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& f) { return trimmed(f).empty(); });
}

} // namespace

bool dropsLine(ChirpNote::Kind kind) {
    return kind == Kind::UnclosedQuote || kind == Kind::BadFrequency ||
           kind == Kind::ModeNotCarried;
}

bool isChirpHeader(std::string_view headerLine) {
    const auto header = csvFields(withoutByteOrderMark(headerLine));
    if (!header)
        return false;
    const ColumnIndexes columns = columnsOf(*header);
    return columns[kLocation] && columns[kFrequency];
}

bool isChirpFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && isChirpHeader(file.readLine().toStdString());
}

ChirpImport parseChirpCsv(std::string_view text) {
    ChirpImport result;
    const std::vector<std::string_view> lines = splitLines(withoutByteOrderMark(text));
    if (lines.empty() || !isChirpHeader(lines.front())) {
        result.failure = ChirpImport::Failure::NotChirp;
        return result;
    }
    const ColumnIndexes columns = columnsOf(*csvFields(lines.front()));
    result.lines.reserve(lines.size());
    for (std::size_t n = 1; n < lines.size(); ++n) {
        ChirpLine line;
        line.lineNumber = static_cast<int>(n) + 1;
        const auto fields = csvFields(lines[n]);
        if (!fields) {
            line.notes.push_back({Kind::UnclosedQuote, std::string(lines[n])});
        } else if (isBlank(*fields)) {
            continue;
        } else {
            LineReader(*fields, columns, line).read();
        }
        result.lines.push_back(std::move(line));
    }
    return result;
}

ChirpImport importChirpCsv(const QString& path) {
    std::string text;
    if (Outcome read = readTextFile(path, text); !read) {
        ChirpImport result;
        result.failure = ChirpImport::Failure::Unreadable;
        result.reason = read.why();
        return result;
    }
    return parseChirpCsv(text);
}

std::vector<const ChirpLine*> carriedInLocationOrder(const ChirpImport& imported) {
    std::vector<const ChirpLine*> carried;
    for (const ChirpLine& line : imported.lines)
        if (line.channel)
            carried.push_back(&line);
    std::stable_sort(carried.begin(), carried.end(), [](const ChirpLine* a, const ChirpLine* b) {
        return a->location.value_or(std::numeric_limits<int>::max()) <
               b->location.value_or(std::numeric_limits<int>::max());
    });
    return carried;
}

std::vector<std::string> recordsInLocationOrder(const ChirpImport& imported) {
    std::vector<std::string> records;
    for (const ChirpLine* line : carriedInLocationOrder(imported))
        records.push_back(line->record);
    return records;
}

} // namespace r36::files
