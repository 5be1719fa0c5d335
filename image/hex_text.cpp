#include "hex_text.h"

namespace r36::image {

std::optional<int> hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

std::optional<std::uint8_t> byteAt(std::string_view hex, int offset) {
    if (offset < 0)
        return std::nullopt;
    const auto first = 2 * static_cast<std::size_t>(offset);
    if (first + 1 >= hex.size())
        return std::nullopt;
    const auto high = hexDigitValue(hex[first]);
    const auto low = hexDigitValue(hex[first + 1]);
    if (!high || !low)
        return std::nullopt;
    return static_cast<std::uint8_t>(*high * 16 + *low);
}

std::string hexByte(int value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const int byte = value & 0xFF;
    return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

void setByteAt(std::string& hex, int offset, int value) {
    if (offset < 0)
        return;
    const auto first = 2 * static_cast<std::size_t>(offset);
    if (first + 1 >= hex.size())
        return;
    hex.replace(first, 2, hexByte(value));
}

bool isHexOfLength(std::string_view text, std::size_t length) {
    if (text.size() != length)
        return false;
    for (const char c : text)
        if (!hexDigitValue(c))
            return false;
    return true;
}

std::string toUpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

} // namespace r36::image
