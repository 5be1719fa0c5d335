// The simulated receiver answers as the real one does; tests of every other layer rely on it.

#include "sim/fault_text.h"
#include "sim/receiver_simulator.h"

#include "image/memory_areas.h"
#include "image/memory_map.h"
#include "image/settings_block.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace r36;
using sim::Fault;
using sim::ReceiverSimulator;

namespace {

QByteArray answerTo(ReceiverSimulator& receiver, const QByteArray& command) {
    const auto answers = receiver.receive(command + '\r');
    return answers.size() == 1 ? answers[0].bytes : QByteArray("<none>");
}

TEST(ReceiverSimulator, EchoesTheCommandThenFramesItsReply) {
    ReceiverSimulator receiver;
    EXPECT_EQ(answerTo(receiver, "VK~QB-R36J"), "VK~QB-R36J\r\r\nOK\r\n");
    EXPECT_EQ(answerTo(receiver, "VK~VER"), "VK~VER\r\r\n002-06\r\n");
    receiver.memory()[0x00A00] = 0x01;
    receiver.memory()[0x00A1F] = 0xAB;
    EXPECT_EQ(answerTo(receiver, "VK~F00A00R"),
              "VK~F00A00R\r\r\n01" + QByteArray(60, 'F') + "AB\r\n");
    EXPECT_EQ(receiver.commandLog(),
              (std::vector<std::string>{"VK~QB-R36J", "VK~VER", "VK~F00A00R"}));
}

TEST(ReceiverSimulator, WritesOneToThirtyTwoBytesAndRefusesTheRest) {
    ReceiverSimulator receiver;
    EXPECT_EQ(answerTo(receiver, "VK~F00AA0W00"), "VK~F00AA0W00\r\r\nOK\r\n");
    EXPECT_EQ(receiver.memory()[0x00AA0], 0x00);
    EXPECT_EQ(receiver.memory()[0x00AA1], 0xFF) << "one byte only";
    EXPECT_EQ(answerTo(receiver, "VK~F00100W" + QByteArray(64, '1')).right(4), "OK\r\n");
    EXPECT_EQ(receiver.memory()[0x0011F], 0x11);

    const auto before = receiver.memory();
    for (const QByteArray& bad :
         {QByteArray("VK~F00100W" + QByteArray(66, '2')), QByteArray("VK~F00100W1"),
          QByteArray("VK~F00100W"), QByteArray("VK~F00100WZZ"), QByteArray("VK~FFFFF0R"),
          QByteArray("VK~F0010R"), QByteArray("HELLO")})
        EXPECT_EQ(answerTo(receiver, bad), bad + "\r\r\nNG\r\n");
    EXPECT_EQ(receiver.memory(), before);
}

TEST(ReceiverSimulator, KeepsAPartialCommandUntilItsCarriageReturn) {
    ReceiverSimulator receiver;
    EXPECT_TRUE(receiver.receive("VK~V").empty());
    const auto answers = receiver.receive("ER\rVK~QB-R36J\r");
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].bytes, "VK~VER\r\r\n002-06\r\n");
    EXPECT_EQ(answers[1].bytes, "VK~QB-R36J\r\r\nOK\r\n");
}

TEST(ReceiverSimulator, FaultsFireOnceAtTheirCommandOrAddress) {
    ReceiverSimulator receiver;
    Fault byCount;
    byCount.kind = Fault::Kind::NoEcho;
    byCount.atCommand = 2;
    receiver.addFault(byCount);
    Fault byAddress;
    byAddress.kind = Fault::Kind::WriteRefused;
    byAddress.address = 0x00AA0;
    receiver.addFault(byAddress);

    EXPECT_EQ(answerTo(receiver, "VK~VER"), "VK~VER\r\r\n002-06\r\n");
    EXPECT_EQ(answerTo(receiver, "VK~VER"), "\r\n002-06\r\n");
    EXPECT_EQ(answerTo(receiver, "VK~VER"), "VK~VER\r\r\n002-06\r\n");
    EXPECT_EQ(answerTo(receiver, "VK~F00AA0W00"), "VK~F00AA0W00\r\r\nNG\r\n");
    EXPECT_EQ(receiver.memory()[0x00AA0], 0xFF) << "a refused write is not carried out";
    EXPECT_EQ(answerTo(receiver, "VK~F00AA0W00"), "VK~F00AA0W00\r\r\nOK\r\n");

    Fault garbled;
    garbled.kind = Fault::Kind::Garbled;
    garbled.address = 0x00100;
    garbled.repeat = true;
    receiver.addFault(garbled);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(answerTo(receiver, "VK~F00100R").mid(13 + 10, 1), "?");
}

TEST(ReceiverSimulator, RealisticMemoryHasSomethingForEveryRule) {
    ReceiverSimulator receiver;
    receiver.loadRealisticMemory();
    const auto& memory = receiver.memory();
    EXPECT_GT(memory[0x00500 + image::kAreaByte], image::kAreaLimit);
    for (int first : {0, image::atFirst, image::prgFirst, image::passFirst, image::pass2First,
                      image::prioFirst}) {
        int used = 0;
        for (int i = first; i < first + 100; ++i)
            used += memory[image::memoryAddress(i)] == 0x01;
        EXPECT_GT(used, 20) << first;
        EXPECT_LT(used, 90) << first;
    }
    EXPECT_EQ(memory[image::memoryAddress(10) + 19], 1);
    EXPECT_EQ(memory[image::memoryAddress(1250) + 20], 1);
    EXPECT_NE(memory[image::kSys3Address], memory[image::kSys3Address + 1]);
}

TEST(ReceiverSimulator, LaysACloneFileOutAtTheReceiversAddresses) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("radio.R36"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::string record = "01" + std::string(62, '2');
    file.write(("DATE:Save Date and Time 2026/12/06 09:00:00\r\nMR:5:" + record +
                "\r\nBK:" + std::string(200, '3') + "\r\nLINK0:1:" + std::string(14, '4') +
                "\r\nLINK1:9:" + std::string(14, '5') + "\r\nSYS:" + std::string(256, '6') +
                "\r\nSYS3:0002\r\nREMOCONID:" + std::string(26, '7') + "\r\nCOMM:3\r\nEND:\r\n")
                   .c_str());
    file.close();

    for (const auto& [version, sysBase] : {std::pair{"002-06", 0x00500}, std::pair{"002-05", 0}}) {
        ReceiverSimulator receiver;
        receiver.setVersion(version);
        QString error;
        ASSERT_TRUE(receiver.loadFile(path, error)) << error.toStdString();
        const auto& memory = receiver.memory();
        EXPECT_EQ(memory[image::memoryAddress(5)], 0x01);
        EXPECT_EQ(memory[image::memoryAddress(5) + 31], 0x22);
        EXPECT_EQ(memory[0x00163], 0x33);
        EXPECT_EQ(memory[0x00164], 0xFF);
        EXPECT_EQ(memory[0x0008E], 0x44);
        EXPECT_EQ(memory[0x0008F], 0xFF) << "the slot's eighth byte";
        EXPECT_EQ(memory[0x002CE], 0x55);
        EXPECT_EQ(memory[sysBase + 127], 0x66) << version;
        EXPECT_EQ(memory[image::kSys3Address + 1], 0x02);
        EXPECT_EQ(memory[0x0020C], 0x77);
    }

    QFile broken(dir.filePath(QStringLiteral("broken.R36")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("MR:5:0102\r\nMR:6:01XY\r\n");
    broken.close();
    ReceiverSimulator receiver;
    const auto before = receiver.memory();
    QString error;
    EXPECT_FALSE(receiver.loadFile(broken.fileName(), error));
    EXPECT_TRUE(error.contains(QStringLiteral("line 2"))) << error.toStdString();
    EXPECT_EQ(receiver.memory(), before);
}

TEST(ReceiverSimulator, SavedMemoryLoadsBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("memory.bin"));
    ReceiverSimulator saved;
    saved.loadRealisticMemory();
    QString error;
    ASSERT_TRUE(saved.saveFile(path, error)) << error.toStdString();
    ReceiverSimulator loaded;
    ASSERT_TRUE(loaded.loadFile(path, error)) << error.toStdString();
    EXPECT_EQ(loaded.memory(), saved.memory());
}

TEST(FaultText, ReadsTheCommandLineForms) {
    QString error;
    auto fault = sim::parseFault(QStringLiteral("no-reply@command=3"), error);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, Fault::Kind::NoReply);
    EXPECT_EQ(fault->atCommand, 3);
    EXPECT_EQ(fault->address, -1);

    fault = sim::parseFault(QStringLiteral("late-reply@address=0x2F80,late=700,repeat"), error);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, Fault::Kind::LateReply);
    EXPECT_EQ(fault->address, 0x2F80);
    EXPECT_EQ(fault->lateBy, std::chrono::milliseconds{700});
    EXPECT_TRUE(fault->repeat);

    for (const char* bad : {"bogus@command=1", "no-reply@command=0", "no-reply", "no-reply@addr=5",
                            "no-reply@address=0x10000", "no-reply@command=2,often"}) {
        EXPECT_FALSE(sim::parseFault(QString::fromLatin1(bad), error)) << bad;
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
