// What a write changes on the receiver, and what the receiver holds after it, in the English
// words of the command line's diff.

#include "image/checksum.h"

#include "image/image_difference.h"
#include "session/difference_text.h"
#include "session/failure_text.h"

#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/memory_record.h"
#include "image/settings_block.h"

#include <gtest/gtest.h>

#include <functional>

using namespace r36::image;

namespace {

std::string record(std::uint32_t hz, std::uint8_t mode = 0, const std::string& name = "TEST") {
    return encodeRecord({.frequencyHz = hz, .mode = mode, .name = name});
}

CloneImage receiverImage() {
    CloneImage image = freshImage();
    image.memRecord[3] = record(145'000'000);
    image.memRecord[812] = record(145'000'000);
    image.memRecord[1250] = record(433'000'000);
    image.sys3Block = std::string(64, '0');
    return image;
}

using r36::session::Wording;

std::string line(const Change& change) {
    return r36::session::changeText(change, Wording::English).toStdString();
}

std::string lines(const Difference& difference) {
    return r36::image::test::joined(difference.changes, "\n", line);
}

std::string counts(const Difference& difference) {
    return r36::session::countsText(difference, Wording::English).toStdString();
}

} // namespace

TEST(ImageDifference, EachPieceIsListedInItsOwnTermsInAStableOrder) {
    using Edit = std::function<void(CloneImage&)>;
    const std::tuple<const char*, Edit, std::string, std::string> cases[] = {
        {"nothing", [](CloneImage&) {}, "", "nothing"},
        {"fields", [](CloneImage& i) { i.memRecord[812] = record(146'520'000, 1, "RPT"); },
         "memory 812 (Bank11-012): Frequency 145.000000MHz -> 146.520000MHz, Mode FM -> AM, "
         "Name TEST   -> RPT   ",
         "1 memory"},
        {"cleared, and a free record written over a free one",
         [](CloneImage& i) { i.memRecord[3] = "00", i.memRecord[4] = "00"; },
         "memory 3 (Bank00-003): 145.000000MHz FM \"TEST\" -> empty", "1 memory"},
        {"PRG area",
         [](CloneImage& i) { i.memRecord[1250] = "00", i.memRecord[1251] = record(1e8); },
         "memory 1250 (PRG - 25A): 433.000000MHz FM \"TEST\" -> empty\n"
         "memory 1251 (PRG - 25B): empty -> 100.000000MHz FM \"TEST\"",
         "2 memories"},
        {"partition",
         [](CloneImage& i) {
             auto counts = bankCounts(i.bankTable);
             counts[3] = 90, counts[4] = 110;
             i.bankTable = bankTableFromCounts(counts);
         },
         "Bank03: memories 100 -> 90\nBank04: memories 100 -> 110", "2 banks"},
        {"links",
         [](CloneImage& i) { i.bankLink[1] = "90000000000000", i.psLink[8] = "00000000000040"; },
         "bank-link group 2: banks none -> 0 3\nPS-link group 9: pairs none -> 49",
         "1 bank-link group, 1 PS-link group"},
        {"settings and keys",
         [](CloneImage& i) {
             setByteAt(i.sysBlock, 6, 3), setByteAt(i.sys3Block, 1, 1),
                 setByteAt(i.remoconId, 3, 25);
             setByteAt(i.sysBlock, 120, 7); // never written: not a change
         },
         "LAMP: 5-SEC -> 3-SEC\nPROTCT: OVERWT -> PROTCT\nremote key ID 3: TV channel - -> 25",
         "2 settings, 1 remote key ID"},
    };
    const CloneImage held = receiverImage();
    for (const auto& [what, edit, expected, counted] : cases) {
        CloneImage image = held;
        edit(image);
        const Difference d = difference(holdingsOfImage(held), holdingsOfImage(image));
        EXPECT_EQ(lines(d), expected) << what;
        EXPECT_EQ(counts(d), counted) << what;
    }
}

TEST(ImageDifference, WhatTheReceiverHoldsAfterAWriteDecidesWhatChanges) {
    const CloneImage held = receiverImage();
    CloneImage image = held;
    // Auto flags outside the PRG area are sent as 0: a change only where the receiver has them.
    const std::string flagged = std::string(held.memRecord[3]).replace(38, 4, "0101");
    image.memRecord[3] = flagged;
    image.memRecord[1250].replace(38, 4, "0101");
    ReceiverHoldings receiver = holdingsOfImage(held);
    receiver.memories[5] = flagged;
    image.memRecord[5] = flagged;
    image.memRecord[7] = record(1e8);
    setByteAt(image.sysBlock, 50, 0x77); // no setting covers it: the receiver's byte goes back
    receiver.sysBlock.reset();           // unknown: listed as not read
    const ReceiverHoldings after = afterWriting(receiver, image, WritePlan::all());
    const Difference d = difference(receiver, after);
    ASSERT_GE(d.changes.size(), 4u);
    EXPECT_EQ(line(d.changes[0]), "memory 5 (Bank00-005): auto step 01 -> 00");
    EXPECT_EQ(line(d.changes[1]), "memory 7 (Bank00-007): empty -> 100.000000MHz FM \"TEST\"");
    EXPECT_EQ(line(d.changes[2]), "memory 1250 (PRG - 25A): Mode FM -> auto, Step 5KHz -> auto");
    EXPECT_EQ(line(d.changes[3]), "LAMP: not read -> 5-SEC");
    EXPECT_EQ(counts(d), "3 memories, 73 settings");
    EXPECT_EQ(d.plan(), (WritePlan{.sysBlock = true, .memories = {5, 7, 1250}}));
    r36::Failure differs(r36::FailureKind::ReceiverDiffers);
    differs.difference = std::make_shared<Difference>(Difference{{d.changes[1]}, {}});
    EXPECT_EQ(r36::session::englishText(differs),
              "verify after writing found 1 memory that the receiver holds otherwise:\n"
              "memory 7: the receiver holds empty, 100.000000MHz FM \"TEST\" was written");
    EXPECT_EQ(byteAt(*after.sysBlock, 50), byteAt(image.sysBlock, 50)) << "unknown: the image's";
    receiver.sysBlock = held.sysBlock;
    EXPECT_EQ(byteAt(*afterWriting(receiver, image, WritePlan::settings()).sysBlock, 50),
              byteAt(held.sysBlock, 50));
    EXPECT_TRUE(ReceiverHoldings{}.knowsNothing());
    EXPECT_TRUE(holdingsOfImage(image).knowsEverything());
    EXPECT_EQ(imageOfHoldings(holdingsOfImage(image), freshImage()), image);
}
