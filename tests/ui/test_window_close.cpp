// Closing the window: during a transfer, and with changes that would be lost.

#include "window_fixture.h"

#include <QProgressBar>

namespace r36::test {
namespace {

using CloseTest = WindowTest;

TEST_F(CloseTest, ClosingDuringATransferStopsItClosesThePortAndThenTheWindow) {
    m_receiver.loadRealisticMemory();
    auto& w = openWindow();
    m_dialogs.answers = {true}; // discard what the stopped read brought in
    bool closeAsked = false;
    QObject::connect(w.progressBar(), &QProgressBar::valueChanged, [&](int value) {
        if (!closeAsked && value >= 50) {
            closeAsked = true;
            w.close();
            EXPECT_TRUE(w.isVisible()) << "the window waits for the transfer to stop";
        }
    });
    QSignalSpy finished(&w, &ui::MainWindow::transferFinished);
    w.readAllAction()->trigger();
    ASSERT_TRUE(closeAsked);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_FALSE(finished[0][0].toBool());
    EXPECT_FALSE(m_transport.isOpen());
    EXPECT_TRUE(m_dialogs.messages.empty()) << "no transfer message while leaving";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }));
    // Stopped at a command boundary: nothing after the stop was sent.
    const std::size_t sent = m_receiver.commandLog().size();
    QTest::qWait(20);
    EXPECT_EQ(m_receiver.commandLog().size(), sent);
}

TEST_F(CloseTest, UnsavedChangesAskBeforeTheyAreDiscarded) {
    auto& w = openWindow();
    w.close();
    EXPECT_TRUE(m_dialogs.questions.empty()) << "nothing to lose right after start-up";
    EXPECT_FALSE(w.isVisible());

    w.show();
    w.cloneImage().memRecord[0] = usedRecord(145'000'000);
    m_dialogs.answers = {false};
    w.close();
    ASSERT_EQ(m_dialogs.questions.size(), 1u);
    EXPECT_TRUE(w.isVisible()) << "Cancel keeps the window";

    m_dialogs.answers = {true};
    w.close();
    EXPECT_EQ(m_dialogs.questions.size(), 2u);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(CloseTest, WrittenChangesCloseWithoutAsking) {
    auto& w = openWindow();
    w.cloneImage().memRecord[0] = usedRecord(145'000'000);
    w.writeAllAction()->trigger();
    ASSERT_EQ(lastMessage().title, QStringLiteral("Complete"));
    w.close();
    EXPECT_TRUE(m_dialogs.questions.empty());
    EXPECT_FALSE(w.isVisible());
}

} // namespace
} // namespace r36::test
