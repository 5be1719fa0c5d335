#include "memory_record.h"

#include "image/clone_image.h"
#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/value_lists.h"

#include <cstdio>

namespace r36::image {

namespace {

constexpr int kRecordBytes = 32;
constexpr char kAutoText[] = "auto";

// A byte of a record; a missing or malformed byte of a short record reads as 0.
std::uint8_t recordByte(std::string_view record, int offset) {
    return byteAt(record, offset).value_or(0);
}

std::uint32_t recordWord(std::string_view record, int offset) {
    std::uint32_t value = 0;
    for (int k = 3; k >= 0; --k)
        value = (value << 8) | recordByte(record, offset + k);
    return value;
}

template <std::size_t N>
std::string listText(const std::array<std::string_view, N>& list, std::uint8_t index) {
    if (index < N)
        return std::string(list[index]);
    return outOfListText(index);
}

bool isPrintable(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 0x20 && code <= 0x7E;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

void appendWord(std::string& record, std::uint32_t value) {
    for (int k = 0; k < 4; ++k)
        record += hexByte(static_cast<int>((value >> (8 * k)) & 0xFF));
}

} // namespace

std::optional<MemoryChannel> decodeRecord(std::string_view record) {
    if (!isRecordInUse(record))
        return std::nullopt;
    MemoryChannel channel;
    channel.frequencyHz = recordWord(record, rec::kFrequency);
    channel.mode = recordByte(record, rec::kMode);
    channel.step = recordByte(record, rec::kStep);
    channel.offsetHz = recordWord(record, rec::kOffset);
    channel.shift = recordByte(record, rec::kShift);
    channel.subtone = recordByte(record, rec::kSubtone);
    channel.toneIndex = recordByte(record, rec::kTone);
    channel.dcsIndex = recordByte(record, rec::kDcs);
    channel.trainIndex = recordByte(record, rec::kTrain);
    channel.skip = recordByte(record, rec::kSkip) == 1;
    channel.autoStep = recordByte(record, rec::kAutoStep) == 1;
    channel.autoMode = recordByte(record, rec::kAutoMode) == 1;
    channel.name.clear();
    for (int k = 0; k < rec::kNameLength; ++k) {
        const auto code = recordByte(record, rec::kName + k);
        channel.name.push_back(code >= 0x20 && code <= 0x7E ? static_cast<char>(code) : ' ');
    }
    return channel;
}

std::string encodeRecord(const MemoryChannel& channel) {
    if (channel.frequencyHz < kMinFrequencyHz || channel.frequencyHz >= kFrequencyLimitHz)
        return {};
    if (channel.offsetHz >= kOffsetLimitHz)
        return {};
    if (channel.name.size() > static_cast<std::size_t>(rec::kNameLength))
        return {};
    for (const char c : channel.name)
        if (!isPrintable(c))
            return {};

    std::string record;
    record.reserve(2 * kRecordBytes);
    record += "01";
    appendWord(record, channel.frequencyHz);
    record += hexByte(channel.mode);
    record += hexByte(channel.step);
    appendWord(record, channel.offsetHz);
    record += hexByte(channel.shift);
    record += hexByte(channel.subtone);
    record += hexByte(channel.toneIndex);
    record += hexByte(channel.dcsIndex);
    record += "00"; // byte 15
    record += hexByte(channel.trainIndex);
    record += "00"; // byte 17
    record += hexByte(channel.skip ? 1 : 0);
    record += hexByte(channel.autoStep ? 1 : 0);
    record += hexByte(channel.autoMode ? 1 : 0);
    record += "0000000000"; // bytes 21..25
    std::string name = channel.name;
    name.resize(rec::kNameLength, ' ');
    for (const char c : name)
        record += hexByte(static_cast<unsigned char>(c));
    return record;
}

std::string frequencyText(std::uint32_t hz) {
    char text[32];
    std::snprintf(text, sizeof text, "%lu.%06luMHz", static_cast<unsigned long>(hz / 1'000'000),
                  static_cast<unsigned long>(hz % 1'000'000));
    return text;
}

std::string outOfListText(std::uint8_t value) {
    std::string text = "?";
    text += hexByte(value);
    return text;
}

DisplayTexts renderRecord(std::string_view record, int memory) {
    DisplayTexts texts;
    if (!isRecordInUse(record))
        return texts;
    texts[0] = frequencyText(recordWord(record, rec::kFrequency));
    texts[1] = listText(modeNames, recordByte(record, rec::kMode));
    texts[2] = listText(stepNames, recordByte(record, rec::kStep));
    texts[3] = listText(subtoneKinds, recordByte(record, rec::kSubtone));
    texts[4] = listText(ctcssTones, recordByte(record, rec::kTone));
    texts[5] = listText(dcsCodes, recordByte(record, rec::kDcs));
    texts[6] = listText(trainTones, recordByte(record, rec::kTrain));
    texts[7] = listText(shiftNames, recordByte(record, rec::kShift));
    texts[8] = frequencyText(recordWord(record, rec::kOffset));
    texts[9] = listText(skipMarks, recordByte(record, rec::kSkip));
    // The automatic step and mode exist only for program-scan edges.
    if (isPrgMemory(memory)) {
        if (recordByte(record, rec::kAutoStep) == 1)
            texts[2] = kAutoText;
        if (recordByte(record, rec::kAutoMode) == 1)
            texts[1] = kAutoText;
    }
    for (int k = 0; k < rec::kNameLength; ++k) {
        const auto code = recordByte(record, rec::kName + k);
        texts[10].push_back(code >= 0x20 && code <= 0x7E ? static_cast<char>(code) : ' ');
    }
    return texts;
}

double numericValue(std::string_view text) {
    // Reads like the receiver's editor: blanks are skipped anywhere, an optional sign, digits
    // with at most one decimal point; the first other character ends the number.
    double value = 0;
    double scale = 1;
    bool negative = false;
    bool seenSign = false;
    bool seenDigitOrPoint = false;
    bool inFraction = false;
    for (const char c : text) {
        if (isBlank(c))
            continue;
        if ((c == '-' || c == '+') && !seenSign && !seenDigitOrPoint) {
            seenSign = true;
            negative = c == '-';
            continue;
        }
        if (c >= '0' && c <= '9') {
            seenDigitOrPoint = true;
            if (inFraction) {
                scale /= 10;
                value += (c - '0') * scale;
            } else {
                value = value * 10 + (c - '0');
            }
            continue;
        }
        if (c == '.' && !inFraction) {
            seenDigitOrPoint = true;
            inFraction = true;
            continue;
        }
        break;
    }
    return negative ? -value : value;
}

} // namespace r36::image
