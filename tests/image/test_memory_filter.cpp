// The filter's rule: which memories show for a text, a frequency range, a mode and free ones.

#include "image/memory_filter.h"
#include "image/memory_record.h"

#include <gtest/gtest.h>

using namespace r36::image;

namespace {

TEST(FrequencyRangeOfText, DashesAndBlanksAcceptedOtherTextsRefused) {
    const auto range = [](std::string_view text) {
        const auto parsed = frequencyRangeOfText(text);
        return parsed ? std::to_string(parsed->lowHz) + ".." + std::to_string(parsed->highHz)
                      : std::string("none");
    };
    EXPECT_EQ(range("118\xE2\x80\x93"
                    "137"),
              "118000000..137000000");
    EXPECT_EQ(range(" 118 - 137 "), "118000000..137000000");
    EXPECT_EQ(range("144.5..146"), "144500000..146000000");
    EXPECT_EQ(range("137-118"), "118000000..137000000");
    for (const char* refused : {"118", "118-", "-137", "abc-137", "118-137-150", ""})
        EXPECT_EQ(range(refused), "none") << refused;
}

// Memories 0..5 in the first bank, the rest free: which show for each filter.
TEST(MemoriesShown, RangeEdgesTextModeAndFreeMemories) {
    CloneImage image = freshImage();
    const auto set = [&](int memory, std::uint32_t hz, const char* name, std::uint8_t mode = 0) {
        image.memRecord[static_cast<std::size_t>(memory)] =
            encodeRecord({.frequencyHz = hz, .mode = mode, .name = name});
    };
    set(0, 117'999'999, "BELOW");
    set(1, 118'000'000, "TOWER", 1);
    set(2, 137'000'000, "ATIS", 1);
    set(3, 137'000'001, "ABOVE");
    set(4, 145'500'000, "RPT");
    set(6, 145'525'000, "tower2", 2); // memory 5 stays free
    std::vector<std::string> labels(kUserMemoryCount, "AT - 0");
    for (int m = 0; m < 8; ++m)
        labels[static_cast<std::size_t>(m)] = "Bank00-00" + std::to_string(m);
    const FrequencyRange air{118'000'000, 137'000'000};
    const auto filter = [](bool hideFree, std::string text, std::optional<FrequencyRange> range,
                           std::optional<std::uint8_t> mode) {
        MemoryFilter made;
        made.hideFree = hideFree;
        made.text = std::move(text);
        made.range = range;
        made.mode = mode;
        return made;
    };
    const struct {
        const char* what;
        MemoryFilter filter;
        std::string shown; // memories 0..7, 'x' shown
    } cases[] = {
        {"nothing asked", filter(false, "", {}, {}), "xxxxxxxx"},
        {"free hidden", filter(true, "", {}, {}), "xxxxx.x."},
        {"range, edges included", filter(false, "", air, {}), ".xx....."},
        {"mode AM", filter(false, "", {}, 1), ".xx....."},
        {"range and mode FM", filter(false, "", air, 0), "........"},
        {"name, any case", filter(false, " Tower ", {}, {}), ".x....x."},
        {"frequency as it begins", filter(false, "145.5", {}, {}), "....x.x."},
        {"frequency as shown", filter(false, "145.500000MHz", {}, {}), "....x..."},
        {"label, free ones too", filter(false, "bank00-005", {}, {}), ".....x.."},
        {"label of a free one hidden", filter(true, "bank00-005", {}, {}), "........"},
    };
    for (const auto& c : cases) {
        const std::vector<bool> shown = memoriesShown(c.filter, image, labels);
        std::string marks;
        for (int m = 0; m < 8; ++m)
            marks += shown[static_cast<std::size_t>(m)] ? 'x' : '.';
        EXPECT_EQ(marks, c.shown) << c.what;
    }
}

} // namespace
