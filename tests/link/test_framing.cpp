// The protocol's framing from both ends: how the link judges what it collected, and what the
// simulated receiver, which every other test talks to, answers.

#include "link/framing.h"
#include "sim/receiver_simulator.h"

#include <gtest/gtest.h>

using namespace r36::link;
using r36::sim::ReceiverSimulator;

namespace {

TEST(Framing, JudgesTheCollectedText) {
    const QByteArray line(64, 'A');
    // What arrived, complete, the reply; every command here is 10 characters and CR.
    const std::tuple<QByteArray, bool, QByteArray> cases[] = {
        {"VK~F00A00R\r\r\n" + line + "\r\n", true, line}, // echo, CR LF, reply, CR LF
        {"VK~QB-R36J\r\r\nOK\r\n", true, "OK"},
        {"VK~F00A00R\r\r\n", false, ""}, // the echo's CR LF alone is no reply yet
        {"VK~F00A00R\r", false, ""},
        {"", false, ""},
        {"\r\n" + line + "\r\n", true, ""}, // without the echo: not framed
        {"VK~QB-R36J\r\r\nOK", false, ""},
        {"VK~QB-R36J\rOK\r\n", true, ""},
        {"VK~QB-R36J\r\r\n\r\n", true, ""},
        {"VK~QB-R36J\r\nOK\n", false, ""}};
    for (const auto& [collected, complete, reply] : cases) {
        EXPECT_EQ(isReplyComplete(collected, 11), complete) << collected.toStdString();
        EXPECT_EQ(replyText(collected, 11), reply) << collected.toStdString();
    }
}

QByteArray answerTo(ReceiverSimulator& receiver, const QByteArray& command) {
    const auto answers = receiver.receive(command + '\r');
    return answers.size() == 1 ? answers[0].bytes : QByteArray("<none>");
}

TEST(ReceiverSimulator, EchoesFramesAndWritesOneToThirtyTwoBytes) {
    ReceiverSimulator receiver;
    EXPECT_EQ(answerTo(receiver, "VK~QB-R36J"), "VK~QB-R36J\r\r\nOK\r\n");
    receiver.memory()[0x00A00] = 0x01;
    receiver.memory()[0x00A1F] = 0xAB;
    EXPECT_EQ(answerTo(receiver, "VK~F00A00R"),
              "VK~F00A00R\r\r\n01" + QByteArray(60, 'F') + "AB\r\n");
    EXPECT_EQ(answerTo(receiver, "VK~F00AA0W00"), "VK~F00AA0W00\r\r\nOK\r\n");
    EXPECT_EQ(receiver.memory()[0x00AA0], 0x00);
    EXPECT_EQ(receiver.memory()[0x00AA1], 0xFF) << "one byte only";
    EXPECT_EQ(answerTo(receiver, "VK~F00100W" + QByteArray(64, '1')).right(4), "OK\r\n");
    EXPECT_EQ(receiver.memory()[0x0011F], 0x11);

    EXPECT_EQ(answerTo(receiver, "VK~F00100W" + QByteArray(66, '2')).right(4), "NG\r\n");
    EXPECT_EQ(receiver.memory()[0x00100], 0x11) << "a refused write changes nothing";
}

} // namespace
