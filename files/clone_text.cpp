#include "clone_text.h"

#include "image/program_constants.h"
#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/memory_map.h"
#include "text_lines.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <set>
#include <string>

namespace r36::files {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Lengths of the blocks in a clone file, in hex characters.
constexpr std::size_t kRecordHexChars = image::kLineHexChars; // 64
constexpr std::size_t kSys3DefaultHexChars = 4;               // "0001" until read from a radio
constexpr std::size_t kSysBlockHexChars = 256;

constexpr int kFirstPort = 1, kLastPort = kPortCount;
constexpr int kLastSpeed = 1;

// How much of an unknown line the report keeps: more than a message shows, so it can say "…".
constexpr std::size_t kUnknownLineKept = 64;

void appendLine(std::string& text, std::string_view line) {
    text += line;
    text += kLineEnd;
}

void appendSettingsLines(std::string& text, const image::LinkState& link, bool settingsFile) {
    appendLine(text, "COMM:" + std::to_string(link.commPort));
    appendLine(text, "SPD:" + std::to_string(link.commSpeed));
    // Only a choice away from the default is written: the file stays as it always was.
    if (settingsFile && !link.verifyAfterWriting)
        appendLine(text, "VERIFY:0");
    appendLine(text, "END:");
}

/// A decimal number lo..hi written with digits only (leading zeros tolerated), or nullopt.
std::optional<int> decimalIn(std::string_view text, int lo, int hi) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < lo || value > hi)
        return std::nullopt;
    return value;
}

/// Upper-case hex of exactly `length` characters, or nullopt.
std::optional<std::string> hexOfLength(std::string_view text, std::size_t length) {
    if (!image::isHexOfLength(text, length))
        return std::nullopt;
    return image::toUpperAscii(text);
}

using Problem = SkippedLine::Problem;

/// Why a line cannot be applied; nullopt when it was.
using Skipped = std::optional<SkippedLine>;

Skipped skipped(Problem problem, std::string_view key, int low = 0, int high = 0) {
    return SkippedLine{0, problem, std::string(key), low, high, {}};
}

Skipped notHex(Problem problem, std::string_view key, std::vector<int> lengths) {
    return SkippedLine{0, problem, std::string(key), 0, 0, std::move(lengths)};
}

// Applies one line to the image, or says why it cannot be applied. Each key needs its fields:
// "MR:i:record", "BK:table", "LINK0:n:entry", "SYS:block", "COMM:n" and so on; fields after
// those are ignored.
class LineLoader {
public:
    LineLoader(image::CloneImage& image, image::LinkState& link, CloneFileReport& report)
        : m_image(image), m_link(link), m_report(report) {}

    /// Applies line `lineNumber`, or lists it in the report as skipped or unknown.
    void apply(std::string_view line, int lineNumber) {
        if (line.empty())
            return;
        std::optional<Skipped> result = applyKnownKey(splitFields(line, ':'));
        if (!result) {
            m_report.unknown.push_back({lineNumber, std::string(line.substr(0, kUnknownLineKept))});
            return;
        }
        m_sawKnownKey = true;
        if (Skipped& why = *result) {
            why->lineNumber = lineNumber;
            m_report.skipped.push_back(std::move(*why));
        }
    }

    /// Whether any line so far had a key of this file, even one that was skipped.
    bool sawKnownKey() const { return m_sawKnownKey; }

    /// The lines the writer writes that no line so far stood for: END, then the writer's order.
    std::vector<MissingLine> missing() const {
        std::vector<MissingLine> missing;
        const auto single = [&](const char* key) {
            if (!m_present.contains(key))
                missing.push_back({key, {}});
        };
        const auto groups = [&](const char* key, std::size_t count) {
            MissingLine line{key, {}};
            for (std::size_t n = 1; n <= count; ++n)
                if (!m_present.contains(std::string(key) + ":" + std::to_string(n)))
                    line.groups.push_back(static_cast<int>(n));
            if (!line.groups.empty())
                missing.push_back(std::move(line));
        };
        single("END"); // first: a file cut short says so before what it therefore lacks
        single("BK");
        groups("LINK0", m_image.bankLink.size());
        groups("LINK1", m_image.psLink.size());
        for (const char* key : {"SYS", "SYS3", "REMOCONID", "COMM", "SPD"})
            single(key);
        return missing;
    }

    static Skipped linkStateLine(const std::vector<std::string_view>& fields,
                                 image::LinkState& link) {
        const bool port = fields[0] == "COMM";
        const int hi = port ? kLastPort : kLastSpeed;
        const int lo = port ? kFirstPort : 0;
        const auto value = fields.size() > 1 ? decimalIn(fields[1], lo, hi) : std::nullopt;
        if (!value)
            return skipped(Problem::ValueOutside, fields[0], lo, hi);
        (port ? link.commPort : link.commSpeed) = static_cast<std::uint16_t>(*value);
        return std::nullopt;
    }

private:
    /// Why a line of this file cannot be applied (nothing when applied); nullopt for a key
    /// this file does not have.
    std::optional<Skipped> applyKnownKey(const std::vector<std::string_view>& fields) {
        const std::string_view key = fields[0];
        // A damaged line is reported as such, not also as missing; a link group counts only
        // under a group number that can be read.
        m_present.emplace(key);
        if (key == "MR")
            return memoryLine(fields);
        if (key == "BK")
            return bankTableLine(fields);
        if (key == "LINK0")
            return linkLine(fields, "LINK0", m_image.bankLink);
        if (key == "LINK1")
            return linkLine(fields, "LINK1", m_image.psLink);
        if (key == "COMM" || key == "SPD")
            return linkStateLine(fields, m_link);
        if (key == "SYS")
            return blockLine(fields, "SYS", {kSysBlockHexChars}, m_image.sysBlock);
        if (key == "SYS3")
            return blockLine(fields, "SYS3", {kSys3DefaultHexChars, kRecordHexChars},
                             m_image.sys3Block);
        if (key == "REMOCONID")
            return blockLine(fields, "REMOCONID", {image::kRemoconIdHexChars}, m_image.remoconId);
        if (key == "DATE" || key == "END")
            return Skipped();
        return std::nullopt;
    }

    Skipped memoryLine(const std::vector<std::string_view>& fields) {
        if (fields.size() < 3)
            return skipped(Problem::NoMemoryAndRecord, "MR");
        const auto memory = decimalIn(fields[1], 0, image::kMemoryCount - 1);
        if (!memory)
            return skipped(Problem::MemoryNumberOutside, "MR", 0, image::kMemoryCount - 1);
        auto record = hexOfLength(fields[2], kRecordHexChars);
        if (!record)
            return notHex(Problem::RecordNotHex, "MR", {int(kRecordHexChars)});
        m_image.memRecord[static_cast<std::size_t>(*memory)] = std::move(*record);
        m_report.lastMemory = std::max(m_report.lastMemory, *memory);
        return std::nullopt;
    }

    Skipped bankTableLine(const std::vector<std::string_view>& fields) {
        auto table =
            fields.size() > 1 ? hexOfLength(fields[1], image::kBankTableHexChars) : std::nullopt;
        if (!table)
            return notHex(Problem::TableNotHex, "BK", {int(image::kBankTableHexChars)});
        m_image.bankTable = std::move(*table);
        m_report.hadBankTable = true;
        return std::nullopt;
    }

    template <std::size_t N>
    Skipped linkLine(const std::vector<std::string_view>& fields, std::string_view key,
                     std::array<std::string, N>& entries) {
        if (fields.size() < 3)
            return skipped(Problem::NoGroupAndEntry, key);
        const auto group = decimalIn(fields[1], 1, static_cast<int>(N));
        if (!group)
            return skipped(Problem::GroupNumberOutside, key, 1, static_cast<int>(N));
        m_present.insert(std::string(key) + ":" + std::to_string(*group));
        auto entry = hexOfLength(fields[2], image::kLinkEntryHexChars);
        if (!entry)
            return notHex(Problem::EntryNotHex, key, {int(image::kLinkEntryHexChars)});
        entries[static_cast<std::size_t>(*group - 1)] = std::move(*entry);
        return std::nullopt;
    }

    static Skipped blockLine(const std::vector<std::string_view>& fields, std::string_view key,
                             std::initializer_list<std::size_t> lengths, std::string& block) {
        std::vector<int> tried;
        for (std::size_t length : lengths) {
            if (fields.size() > 1) {
                if (auto hex = hexOfLength(fields[1], length)) {
                    block = std::move(*hex);
                    return std::nullopt;
                }
            }
            tried.push_back(static_cast<int>(length));
        }
        return notHex(Problem::BlockNotHex, key, std::move(tried));
    }

    image::CloneImage& m_image;
    image::LinkState& m_link;
    CloneFileReport& m_report;
    bool m_sawKnownKey = false;
    std::set<std::string, std::less<>> m_present; // keys seen; "LINK0:3" for a link group
};

} // namespace

std::string cloneText(const image::CloneImage& image, const image::LinkState& link,
                      std::string_view dateText) {
    std::string text;
    text.reserve(160'000);
    appendLine(text, "DATE:" + std::string(dateText));
    for (int i = 0; i <= image::lastStoredMemory && i < static_cast<int>(image.memRecord.size());
         ++i) {
        const std::string& record = image.memRecord[static_cast<std::size_t>(i)];
        if (image::isRecordInUse(record))
            appendLine(text, "MR:" + std::to_string(i) + ":" + record);
    }
    appendLine(text, "BK:" + image.bankTable);
    for (std::size_t k = 0; k < image.bankLink.size(); ++k)
        appendLine(text, "LINK0:" + std::to_string(k + 1) + ":" + image.bankLink[k]);
    for (std::size_t k = 0; k < image.psLink.size(); ++k)
        appendLine(text, "LINK1:" + std::to_string(k + 1) + ":" + image.psLink[k]);
    appendLine(text, "SYS:" + image.sysBlock);
    appendLine(text, "SYS3:" + image.sys3Block);
    appendLine(text, "REMOCONID:" + image.remoconId);
    appendSettingsLines(text, link, false);
    return text;
}

std::string settingsText(const image::LinkState& link, std::string_view dateText) {
    std::string text;
    appendLine(text, "DATE:" + std::string(dateText));
    appendSettingsLines(text, link, true);
    return text;
}

Outcome parseCloneText(std::string_view text, image::CloneImage& image, image::LinkState& link,
                       CloneFileReport& report) {
    report = {};
    image::CloneImage loaded = image;
    image::LinkState loadedLink = link;
    CloneFileReport loadedReport;
    loaded.memRecord.resize(image::kMemoryCount);
    image::clearMemories(loaded);
    LineLoader loader(loaded, loadedLink, loadedReport);
    for (std::string_view line : splitLines(text))
        loader.apply(line, ++loadedReport.lineCount);
    loadedReport.missing = loader.missing();
    // Every file the program saves starts with DATE; a text without a single line of this file
    // (prose, another program's data) would otherwise load as a receiver with every memory free.
    if (!loader.sawKnownKey())
        return Outcome::failure(FailureKind::NotCloneFile);
    image = std::move(loaded);
    link = loadedLink;
    report = std::move(loadedReport);
    return Outcome::success();
}

void parseSettingsText(std::string_view text, image::LinkState& link) {
    for (std::string_view line : splitLines(text)) {
        const auto fields = splitFields(line, ':');
        // A line out of range leaves the value as it was; the settings file has no reader
        // to report to.
        if (fields[0] == "COMM" || fields[0] == "SPD")
            (void)LineLoader::linkStateLine(fields, link);
        else if (fields[0] == "VERIFY" && fields.size() > 1)
            link.verifyAfterWriting = fields[1] != "0";
    }
}

} // namespace r36::files
