// The communication log: a ring that keeps the newest lines, and what trouble leaves in it.

#include "link_fixture.h"

#include "link/comm_log.h"

#include <QDir>

using namespace r36;
using namespace r36::testing_link;

namespace {

TEST(CommLog, KeepsTheNewestLinesOnlyAndSavesThemWithTheReasonOnFailure) {
    link::CommLog log;
    for (std::size_t n = 0; n <= link::CommLog::kCapacity; ++n)
        log.add(link::CommLog::Kind::Sent, QStringLiteral("line %1").arg(n));
    const QStringList lines = log.lines();
    ASSERT_EQ(lines.size(), qsizetype(link::CommLog::kCapacity));
    EXPECT_TRUE(lines.front().endsWith(QLatin1String("> line 1"))) << lines.front().toStdString();
    EXPECT_TRUE(lines.back().endsWith(QLatin1String("> line 20000")));
    const Outcome saved = log.save(QDir::tempPath() + QStringLiteral("/no-such-folder/comm.log"));
    EXPECT_FALSE(saved);
    EXPECT_NE(test::english(saved).find("no-such-folder/comm.log"), std::string::npos)
        << test::english(saved);
}

class CommLogOverCable : public LinkTest {};

TEST_P(CommLogOverCable, ATimeOutAndWhatCameInsteadOfAReplyWithItsControlCharactersEscaped) {
    link::CommLog log;
    log.setWording(
        [](const Failure& failure) { return QString::fromStdString(test::english(failure)); });
    radio->setCommLog(&log);
    radio->setReplyTimeout(std::chrono::milliseconds{100});
    receiver.addFault({.kind = sim::Fault::Kind::NoReply, .atCommand = 1});
    receiver.addFault({.kind = sim::Fault::Kind::Unframed, .atCommand = 2});
    EXPECT_EQ(radio->transact(QStringLiteral("VK~VER")), QString());
    EXPECT_EQ(test::english(radio->lastFailure()),
              "no reply within 100 ms; sent again: reply not framed (no CR LF within 100 ms)");
    EXPECT_EQ(radio->transact(QStringLiteral("VK~VER")), QStringLiteral("002-06"));
    radio->setCommLog(nullptr);
    QStringList lines = log.lines();
    for (QString& line : lines)
        line = line.trimmed().section(QLatin1Char(' '), 1);
    EXPECT_EQ(lines,
              (QStringList{"* opened " + transport->description(), "> VK~VER",
                           "! no reply within 100 ms", "! sending the command again", "> VK~VER",
                           "! reply not framed (no CR LF within 100 ms); received "
                           "VK~VER\\r002-06",
                           "> VK~VER", "< 002-06"}))
        << lines.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cables, CommLogOverCable, kBothCables, cableName);

} // namespace
