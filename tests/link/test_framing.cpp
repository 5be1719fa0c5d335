#include "link/framing.h"

#include <gtest/gtest.h>

using namespace r36::link;

namespace {

struct FramingCase {
    const char* name;
    QByteArray collected;
    int commandLength;
    bool complete;
    QByteArray reply;
};

const QByteArray kLine = QByteArray(64, 'A');

class Framing : public testing::TestWithParam<FramingCase> {};

TEST_P(Framing, JudgesTheCollectedText) {
    const FramingCase& c = GetParam();
    EXPECT_EQ(isReplyComplete(c.collected, c.commandLength), c.complete);
    EXPECT_EQ(replyText(c.collected, c.commandLength), c.reply);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, Framing,
    testing::Values(
        // VK~F00A00R: 10 characters and CR; echo, CR LF, 64 characters, CR LF make 79.
        FramingCase{"ReadLine", "VK~F00A00R\r\r\n" + kLine + "\r\n", 11, true, kLine},
        FramingCase{"Greeting", "VK~QB-R36J\r\r\nOK\r\n", 11, true, "OK"},
        // The echo's CR LF alone ends with CR LF but is no reply yet.
        FramingCase{"EchoAndCrLfOnly", "VK~F00A00R\r\r\n", 11, false, ""},
        FramingCase{"EchoOnly", "VK~F00A00R\r", 11, false, ""},
        FramingCase{"Nothing", "", 11, false, ""},
        // Without the echo the first 11 characters of the reply are dropped: not framed.
        FramingCase{"NoEcho", "\r\n" + kLine + "\r\n", 11, true, ""},
        FramingCase{"NoClosingCrLf", "VK~QB-R36J\r\r\nOK", 11, false, ""},
        FramingCase{"NoOpeningCrLf", "VK~QB-R36J\rOK\r\n", 11, true, ""},
        FramingCase{"EmptyLine", "VK~QB-R36J\r\r\n\r\n", 11, true, ""},
        FramingCase{"LfOnly", "VK~QB-R36J\r\nOK\n", 11, false, ""}),
    [](const testing::TestParamInfo<FramingCase>& param) { return param.param.name; });

} // namespace
