// The memory editor over a session, driven as a user drives it: it shows the session's record
// and label, and what the user enters reaches the session's image. The rules for the values are
// image::fieldsOfRecord and image::recordOfFields'.
#include "ui/memory_detail_dialog.h"

#include "image/memory_areas.h"
#include "image/memory_record.h"
#include "image/value_lists.h"
#include "session/session.h"
#include "tests/ui/scripted_dialogs.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace r36::ui {
namespace {

class MemoryDetailDialogTest : public ::testing::Test {
protected:
    void open(int memory) {
        dialog = std::make_unique<MemoryDetailDialog>(session, memory, dialogs);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    template <typename W = QAbstractButton> W* child(const char* name) const {
        auto* widget = dialog->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString text(const char* name) const { return child<QLineEdit>(name)->text(); }
    bool shown(const char* name) const { return child<QWidget>(name)->isVisible(); }
    void choose(const char* name, int index) const {
        child<QComboBox>(name)->setCurrentIndex(index);
    }

    // Replaces a box's text by typing, as the user would after selecting it.
    void type(const char* name, const QString& typed) const {
        auto* target = child<QLineEdit>(name);
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
        QTest::keyClicks(target, typed);
    }
    // Clicks near the left edge: on the indicator of an option or check box, on any button.
    void click(const char* name) const {
        QAbstractButton* target = child(name);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
    }
    // Frequency, offset, the options' and lists' positions, the flags' check states, the name.
    QString form() const {
        QStringList parts{text("txtFreqM") + '.' + text("txtFreqK"),
                          text("txtShiftFreqM") + '.' + text("txtShiftFreqK")};
        for (const char* name : {"optMode0", "optStep0", "optShift0", "optSubtone0"})
            parts << QString::number(child<QRadioButton>(name)->group()->checkedId());
        for (const char* name : {"cmbTone", "cmbDCS", "cmbTrain"})
            parts << QString::number(child<QComboBox>(name)->currentIndex());
        for (const char* name : {"chkSkip", "chkAutoStep", "chkAutoMode"})
            parts << QString::number(child<QCheckBox>(name)->checkState());
        return parts.join(' ') + ' ' + text("txtName");
    }
    const std::string& record(int memory) const {
        return session.image().memRecord[static_cast<std::size_t>(memory)];
    }
    image::MemoryChannel channel(int memory) const { return *image::decodeRecord(record(memory)); }

    session::Session session{{}};
    QSignalSpy stored{&session, &session::Session::memoryChanged};
    test::ScriptedDialogs dialogs;
    std::unique_ptr<MemoryDetailDialog> dialog;
};

// A record using every field to its end, and one as a receiver may hold it, with every index
// byte one past its list and skip byte 2: the out-of-list values show unset and come back as
// they were.
TEST_F(MemoryDetailDialogTest, ShowsEveryValueOfTheSessionsRecordAndOkStoresItUnchanged) {
    const std::pair<std::string, const char*> cases[] = {
        {image::encodeRecord(
             {1'299'999'999, 2, 15, 999'999'999, 1, 4, 49, 103, 28, true, true, false, "Z9 ~!A"}),
         "1299.999999 999.999999 2 15 1 4 49 103 28 2 2 0 Z9 ~!A"},
        {"014086A40803100000000003053268001D0002000000000000004F4444202020",
         "145.000000 0.000000 -1 -1 -1 -1 -1 -1 -1 1 0 0 ODD   "}};
    for (const auto& [full, shows] : cases) {
        session.setMemory(1250, full);
        open(1250);
        EXPECT_EQ(form(), shows);
        click("DETAIL_ENTER");
        EXPECT_EQ(record(1250), full);
    }
    EXPECT_EQ(stored.count(), 4); // set up, and stored by OK
}

TEST_F(MemoryDetailDialogTest, EveryEntryOfTheUserReachesTheRecord) {
    open(3);
    for (const auto& [name, typed, kept] : {std::tuple{"txtFreqM", "123456", "1234"},
                                            {"txtFreqK", "12345678", "123456"},
                                            {"txtShiftFreqM", "12345", "123"},
                                            {"txtShiftFreqK", "12345678", "123456"}}) {
        type(name, typed);
        EXPECT_EQ(text(name), kept) << "the boxes take so many digits";
    }
    for (const auto& [name, typed] : {std::pair{"txtFreqM", "145"},
                                      {"txtFreqK", "5"},
                                      {"txtShiftFreqM", "1"},
                                      {"txtShiftFreqK", "6"},
                                      {"txtName", "ABCDEFGH"}})
        type(name, typed);
    EXPECT_EQ(text("txtName"), "ABCDEFGH") << "no limit while typing";
    for (const char* name : {"optMode1", "optStep3", "optShift2", "optSubtone2", "chkSkip"})
        click(name);
    for (const auto& [name, index] : {std::pair{"cmbTone", 20}, {"cmbDCS", 5}, {"cmbTrain", 3}})
        choose(name, index);
    QTest::keyClick(child<QLineEdit>("txtName"), Qt::Key_Return); // Enter is OK anywhere
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    // 145.5 MHz, AM, 10KHz, offset 1.6 MHz "-", TSQ 20, DCS 5, Train 3, skip, "ABCDEF".
    EXPECT_EQ(record(3), "016027AC080103006A1800020214050003000100000000000000414243444546");
    EXPECT_EQ(stored.count(), 1);
}

TEST_F(MemoryDetailDialogTest, ClearResetsTheFormAndOkThenSaysDataInvalidAndStaysOpen) {
    session.setMemory(7, std::string(image::presetRecords[0]));
    open(7);
    click("optStep3");
    choose("cmbTone", 20);
    click("DETAIL_CLEAR");
    EXPECT_EQ(form(), ". . 0 0 0 0 7 0 0 0 0 0 ");
    click("DETAIL_ENTER");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Data invalid");
    EXPECT_EQ(dialogs.messages[0].details, "Frequency: 0.100000 to 1299.999999 MHz");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(stored.count(), 1); // only the set-up
}

TEST_F(MemoryDetailDialogTest, PrevAndNextStopAtTheEdgesAndStoreOnlyWhatIsValid) {
    // At the first and last memory they do nothing; next to them they store and move on.
    const std::tuple<int, const char*, int> walks[] = {
        {0, "cmdBack", 0}, {1699, "cmdNext", 1699}, {1698, "cmdNext", 1699}, {1, "cmdBack", 0}};
    for (const auto& [memory, buttonName, shownAfter] : walks) {
        open(memory);
        type("txtFreqM", "145");
        click(buttonName);
        EXPECT_EQ(dialog->curMemory(), shownAfter);
        EXPECT_EQ(text("txtFreqM"), shownAfter == memory ? "145" : "") << "entries kept";
        EXPECT_EQ(record(memory) != image::kEmptyRecord, shownAfter != memory) << memory;
    }
    EXPECT_EQ(stored.count(), 2);

    open(5);
    type("txtName", "LOST"); // no frequency: dropped without a word
    click("cmdNext");
    EXPECT_EQ(child<QLabel>("Label2")->text(), "Bank00-006");
    EXPECT_EQ(text("txtName"), "");
    type("txtFreqM", "145");
    click("cmdNext");
    click("cmdBack");
    EXPECT_EQ(text("txtFreqM"), "145") << "what was stored";
    QTest::keyClick(child<QLineEdit>("txtFreqM"), Qt::Key_Escape); // Cancel keeps what was stored
    EXPECT_EQ(record(5), image::kEmptyRecord);
    EXPECT_EQ(channel(6).frequencyHz, 145'000'000u);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MemoryDetailDialogTest, AutoBoxesOnlyInProgramScanEdgesHideTheirOptions) {
    for (const auto& [memory, visible] : {std::pair{1199, false}, std::pair{1299, true}}) {
        open(memory);
        EXPECT_EQ(shown("chkAutoMode"), visible) << memory;
        EXPECT_EQ(shown("chkAutoStep"), visible) << memory;
    }
    type("txtFreqM", "145");
    click("optMode2");
    click("chkAutoMode");
    EXPECT_FALSE(shown("optMode0"));
    EXPECT_TRUE(shown("optStep0"));
    click("chkAutoStep");
    EXPECT_FALSE(shown("optStep0"));
    click("cmdNext");
    EXPECT_EQ(channel(1299).mode, 2) << "the hidden choice is stored";
    EXPECT_TRUE(channel(1299).autoMode);
    EXPECT_TRUE(shown("optMode0"));
}

TEST_F(MemoryDetailDialogTest, TabEntersEachOptionGroupOnItsChosenOption) {
    session.setMemory(3,
                      image::encodeRecord({145'000'000, 2, 3, 0, 0, 0, 0, 0, 0, {}, {}, {}, "A"}));
    open(3);
    const auto tabFrom = [this](const char* name) {
        child<QWidget>(name)->setFocus();
        QTest::keyClick(child<QWidget>(name), Qt::Key_Tab);
        return dialog->focusWidget()->objectName();
    };
    EXPECT_EQ(tabFrom("txtFreqK"), "optMode2");
    EXPECT_EQ(tabFrom("optMode2"), "optStep3");
    click("optMode1");
    EXPECT_EQ(tabFrom("txtFreqK"), "optMode1");
    session.undo(); // the open editor shows the document as undo leaves it
    EXPECT_EQ(text("txtName"), "");
    EXPECT_EQ(tabFrom("txtFreqK"), "optMode0");
}

TEST_F(MemoryDetailDialogTest, StandsBelowTheMainWindowsTopLeft) {
    QWidget mainWindow;
    mainWindow.setGeometry(120, 80, 600, 400);
    mainWindow.show();
    MemoryDetailDialog placed(session, 0, dialogs, &mainWindow);
    const QRect frame = mainWindow.frameGeometry();
    EXPECT_EQ(placed.pos(), QPoint(frame.left(), frame.top() + 67)); // 1000 twips
}

} // namespace
} // namespace r36::ui
