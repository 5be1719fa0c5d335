// The memory editor driven as a user drives it: typing into the boxes, clicking options and
// buttons, pressing keys; the clone image tells what was stored.
#include "ui/memory_detail_dialog.h"

#include "image/clone_image.h"
#include "image/memory_areas.h"
#include "image/memory_record.h"
#include "image/value_lists.h"
#include "tests/ui/scripted_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace r36::ui {
namespace {

// Memory 20 as a receiver may hold it: every index byte one past its list, skip byte 2.
// 145.000000 MHz, offset 0, name "ODD".
constexpr const char* kOutOfListRecord =
    "014086A40803100000000003053268001D0002000000000000004F4444202020";

class MemoryDetailDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        image = image::freshImage();
        labels = image::defaultMemoryLabels();
    }

    MemoryDetailDialog& open(int memory) {
        dialog = std::make_unique<MemoryDetailDialog>(image, labels, memory, dialogs);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return *dialog;
    }

    template <typename W> W* child(const char* name) const {
        auto* widget = dialog->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    QAbstractButton* button(const char* name) const { return child<QAbstractButton>(name); }
    QComboBox* list(const char* name) const { return child<QComboBox>(name); }

    // Replaces a box's text by typing, as the user would after selecting it.
    void type(const char* name, const QString& text) const {
        QLineEdit* target = box(name);
        target->setFocus();
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
        QTest::keyClicks(target, text);
    }
    // Clicks near the left edge: on the indicator of an option or check box, on any button.
    void click(const char* name) const {
        QAbstractButton* target = button(name);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
    }
    bool checked(const char* name) const { return button(name)->isChecked(); }
    bool shown(const char* name) const { return button(name)->isVisible(); }

    const std::string& record(int memory) const {
        return image.memRecord[static_cast<std::size_t>(memory)];
    }
    image::DisplayTexts row(int memory) const {
        return image::renderRecord(record(memory), memory);
    }

    image::CloneImage image;
    std::vector<std::string> labels;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<MemoryDetailDialog> dialog;
};

TEST_F(MemoryDetailDialogTest, FreeMemoryOpensAsClearedForm) {
    open(5);
    EXPECT_EQ(child<QLabel>("Label2")->text(), "Bank00-005");
    for (const char* name : {"txtFreqM", "txtFreqK", "txtShiftFreqM", "txtShiftFreqK", "txtName"})
        EXPECT_EQ(box(name)->text(), "") << name;
    for (const char* name : {"optMode0", "optStep0", "optShift0", "optSubtone0"})
        EXPECT_TRUE(checked(name)) << name;
    EXPECT_EQ(list("cmbTone")->currentText(), "88.5Hz");
    EXPECT_EQ(list("cmbDCS")->currentText(), "023");
    EXPECT_EQ(list("cmbTrain")->currentText(), "300Hz");
    EXPECT_FALSE(checked("chkSkip"));
    EXPECT_EQ(dialog->windowTitle(), "Memory Setting");
}

TEST_F(MemoryDetailDialogTest, UsedMemoryFillsTheBoxesWithPaddedFraction) {
    image.memRecord[7] = std::string(image::presetRecords[0]); // 398.605000 MHz, offset 0
    open(7);
    EXPECT_EQ(box("txtFreqM")->text(), "398");
    EXPECT_EQ(box("txtFreqK")->text(), "605000");
    EXPECT_EQ(box("txtShiftFreqM")->text(), "0");
    EXPECT_EQ(box("txtShiftFreqK")->text(), "000000");
    EXPECT_EQ(list("cmbTrain")->currentText(), "2300Hz");
}

class MemoryDetailAutoBoxes : public MemoryDetailDialogTest,
                              public ::testing::WithParamInterface<std::pair<int, bool>> {};

TEST_P(MemoryDetailAutoBoxes, OnlyInProgramScanEdges) {
    const auto [memory, visible] = GetParam();
    open(memory);
    EXPECT_EQ(shown("chkAutoMode"), visible);
    EXPECT_EQ(shown("chkAutoStep"), visible);
    EXPECT_TRUE(shown("optMode0"));
    EXPECT_TRUE(shown("optStep15"));
}

INSTANTIATE_TEST_SUITE_P(MemoryDetailAreas, MemoryDetailAutoBoxes,
                         ::testing::Values(std::pair{1199, false}, std::pair{1200, true},
                                           std::pair{1250, true}, std::pair{1299, true},
                                           std::pair{1300, false}, std::pair{0, false}));

TEST_F(MemoryDetailDialogTest, TypedFrequencyIsStoredAndReopensPadded) {
    open(3);
    type("txtFreqM", "145");
    type("txtFreqK", "5");
    click("DETAIL_ENTER");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(image::decodeRecord(record(3))->frequencyHz, 145'500'000u);
    EXPECT_EQ(dialog->storedMemories(), std::set<int>{3});

    open(3);
    EXPECT_EQ(box("txtFreqM")->text(), "145");
    EXPECT_EQ(box("txtFreqK")->text(), "500000");
}

TEST_F(MemoryDetailDialogTest, InvalidEntryOnOkKeepsTheDialogOpen) {
    open(3);
    type("txtFreqM", "1300");
    click("DETAIL_ENTER");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_EQ(dialogs.messages[0].text, "Data invalid");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(box("txtFreqM")->text(), "1300");
    EXPECT_EQ(record(3), image::kEmptyRecord);
    EXPECT_TRUE(dialog->storedMemories().empty());
}

TEST_F(MemoryDetailDialogTest, LargestOffsetIsAccepted) {
    open(3);
    type("txtFreqM", "145");
    type("txtShiftFreqM", "999");
    type("txtShiftFreqK", "999999");
    click("optShift1");
    click("DETAIL_ENTER");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(row(3)[7], "+");
    EXPECT_EQ(row(3)[8], "999.999999MHz");
}

TEST_F(MemoryDetailDialogTest, BoxesHoldAtMostTheirDigits) {
    open(3);
    type("txtFreqM", "123456");
    type("txtFreqK", "12345678");
    type("txtShiftFreqM", "12345");
    EXPECT_EQ(box("txtFreqM")->text(), "1234");
    EXPECT_EQ(box("txtFreqK")->text(), "123456");
    EXPECT_EQ(box("txtShiftFreqM")->text(), "123");
}

TEST_F(MemoryDetailDialogTest, LongNameIsTypedWholeAndStoredAsSix) {
    open(3);
    type("txtFreqM", "145");
    type("txtName", "ABCDEFGH");
    EXPECT_EQ(box("txtName")->text(), "ABCDEFGH");
    click("DETAIL_ENTER");
    EXPECT_EQ(row(3)[10], "ABCDEF");
    open(3);
    EXPECT_EQ(box("txtName")->text(), "ABCDEF");
}

TEST_F(MemoryDetailDialogTest, NameTakesOnlyPrintableAscii) {
    open(3);
    QLineEdit* name = box("txtName");
    name->setFocus();
    // Keys that produce characters beyond ASCII, as a keyboard layout or input method sends them.
    for (const QString& text : {QString("A"), QString::fromUtf8("\u00e9"), QString("B"),
                                QString::fromUtf8("\u6771"), QString("\t"), QString("~")})
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, text, Qt::NoModifier);
    EXPECT_EQ(name->text(), "AB~");
    QApplication::clipboard()->setText(QString::fromUtf8("X\u00c4Y"));
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "AB~");
    QApplication::clipboard()->setText("XY");
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "AB~XY");
}

TEST_F(MemoryDetailDialogTest, PrevOnFirstAndNextOnLastMemoryDoNothing) {
    for (const auto& [memory, buttonName] : {std::pair{0, "cmdBack"}, std::pair{1699, "cmdNext"}}) {
        open(memory);
        type("txtFreqM", "145");
        click(buttonName);
        EXPECT_EQ(dialog->curMemory(), memory);
        EXPECT_EQ(box("txtFreqM")->text(), "145") << "entries kept";
        EXPECT_EQ(record(memory), image::kEmptyRecord);
        EXPECT_TRUE(dialog->storedMemories().empty());
    }
    EXPECT_EQ(record(image::presetFirst), image::presetRecords[0]);
}

TEST_F(MemoryDetailDialogTest, InvalidEntryIsDroppedSilentlyOnNext) {
    open(5);
    type("txtName", "LOST");
    click("cmdNext");
    EXPECT_EQ(dialog->curMemory(), 6);
    EXPECT_EQ(child<QLabel>("Label2")->text(), "Bank00-006");
    EXPECT_EQ(box("txtName")->text(), "");
    EXPECT_EQ(record(5), image::kEmptyRecord);
    EXPECT_TRUE(dialog->storedMemories().empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MemoryDetailDialogTest, EditsAcrossNextAreAllStoredForTheList) {
    open(10);
    type("txtFreqM", "145");
    type("txtFreqK", "5");
    type("txtName", "ONE");
    click("cmdNext");
    type("txtFreqM", "433");
    type("txtFreqK", "125");
    click("optMode1");
    type("txtName", "TWO");
    click("DETAIL_ENTER");

    // The list refreshes the stored memories and the one the editor ended on: rows 11 and 12.
    std::set<int> refreshed = dialog->storedMemories();
    refreshed.insert(dialog->curMemory());
    EXPECT_EQ(refreshed, (std::set<int>{10, 11}));
    EXPECT_EQ(row(10)[0], "145.500000MHz");
    EXPECT_EQ(row(10)[10], "ONE   ");
    EXPECT_EQ(row(11)[0], "433.125000MHz");
    EXPECT_EQ(row(11)[1], "AM");
    EXPECT_EQ(row(11)[10], "TWO   ");
}

TEST_F(MemoryDetailDialogTest, CancelKeepsWhatNextStored) {
    open(10);
    type("txtFreqM", "145");
    click("cmdNext");
    type("txtFreqM", "146");
    click("DETAIL_CANCEL");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(row(10)[0], "145.000000MHz");
    EXPECT_EQ(record(11), image::kEmptyRecord);
    EXPECT_EQ(dialog->storedMemories(), std::set<int>{10});
    EXPECT_EQ(dialog->curMemory(), 11);
}

TEST_F(MemoryDetailDialogTest, ClearResetsTheFormButNeverEmptiesTheMemory) {
    image.memRecord[7] = std::string(image::presetRecords[0]);
    open(7);
    click("optStep3");
    list("cmbTone")->setCurrentIndex(20);
    click("DETAIL_CLEAR");
    EXPECT_EQ(box("txtFreqM")->text(), "");
    EXPECT_TRUE(checked("optStep0"));
    EXPECT_EQ(list("cmbTone")->currentText(), "88.5Hz");
    EXPECT_EQ(list("cmbTrain")->currentText(), "300Hz");
    EXPECT_EQ(record(7), image::presetRecords[0]);
    click("DETAIL_ENTER");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Data invalid");
    EXPECT_EQ(record(7), image::presetRecords[0]);
}

TEST_F(MemoryDetailDialogTest, AutoModeHidesTheModesAndStoresTheHiddenChoice) {
    open(1210);
    type("txtFreqM", "145");
    click("optMode2");
    click("chkAutoMode");
    for (const char* name : {"optMode0", "optMode1", "optMode2"})
        EXPECT_FALSE(shown(name)) << name;
    EXPECT_TRUE(shown("optStep0"));
    click("chkAutoStep");
    EXPECT_FALSE(shown("optStep0"));
    click("chkAutoStep");
    EXPECT_TRUE(shown("optStep0"));
    click("DETAIL_ENTER");

    const auto channel = image::decodeRecord(record(1210));
    ASSERT_TRUE(channel);
    EXPECT_EQ(channel->mode, 2);
    EXPECT_TRUE(channel->autoMode);
    EXPECT_FALSE(channel->autoStep);
    EXPECT_EQ(row(1210)[1], "auto");
    EXPECT_EQ(row(1210)[2], "5KHz");
}

TEST_F(MemoryDetailDialogTest, LeavingTheProgramScanEdgesUnchecksAuto) {
    open(1299);
    type("txtFreqM", "145");
    click("chkAutoStep");
    click("cmdNext");
    EXPECT_EQ(row(1299)[2], "auto");
    EXPECT_EQ(dialog->curMemory(), 1300);
    EXPECT_FALSE(shown("chkAutoStep"));
    EXPECT_FALSE(checked("chkAutoStep"));
    EXPECT_TRUE(shown("optStep0"));
}

TEST_F(MemoryDetailDialogTest, OutOfListBytesShowUnsetAndSurviveOk) {
    image.memRecord[20] = kOutOfListRecord;
    open(20);
    EXPECT_EQ(child<QRadioButton>("optMode0")->group()->checkedId(), -1);
    EXPECT_EQ(child<QRadioButton>("optStep0")->group()->checkedId(), -1);
    EXPECT_EQ(child<QRadioButton>("optShift0")->group()->checkedId(), -1);
    EXPECT_EQ(child<QRadioButton>("optSubtone0")->group()->checkedId(), -1);
    for (const char* name : {"cmbTone", "cmbDCS", "cmbTrain"})
        EXPECT_EQ(list(name)->currentIndex(), -1) << name;
    EXPECT_EQ(child<QCheckBox>("chkSkip")->checkState(), Qt::PartiallyChecked);

    click("DETAIL_ENTER");
    EXPECT_EQ(record(20), kOutOfListRecord);
}

TEST_F(MemoryDetailDialogTest, ChosenValueReplacesAnOutOfListByte) {
    image.memRecord[20] = kOutOfListRecord;
    open(20);
    click("optMode1");
    list("cmbDCS")->setCurrentIndex(103);
    click("chkSkip");
    click("DETAIL_ENTER");
    const auto channel = image::decodeRecord(record(20));
    ASSERT_TRUE(channel);
    EXPECT_EQ(channel->mode, 1);
    EXPECT_EQ(channel->dcsIndex, 103);
    EXPECT_TRUE(channel->skip);
    EXPECT_EQ(channel->step, 16) << "untouched byte kept";
    EXPECT_EQ(channel->toneIndex, 50) << "untouched byte kept";
}

TEST_F(MemoryDetailDialogTest, KeyboardAlone) {
    open(3);
    type("txtFreqM", "145");
    QAbstractButton* fm = button("optMode0");
    fm->setFocus();
    QTest::keyClick(fm, Qt::Key_Right);
    EXPECT_TRUE(checked("optMode1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_TRUE(checked("optMode2"));

    QTest::keyClick(box("txtName"), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(row(3)[1], "WFM");

    open(4);
    type("txtFreqM", "145");
    QTest::keyClick(box("txtFreqM"), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(record(4), image::kEmptyRecord);
}

TEST_F(MemoryDetailDialogTest, TabVisitsEveryFieldOnceInReadingOrder) {
    open(1250);
    QApplication::setActiveWindow(dialog.get());
    box("txtFreqM")->setFocus();
    QStringList visited;
    for (int k = 0; k < 21; ++k) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // An option group is one stop, at its selected option; arrow keys move inside it.
    EXPECT_EQ(visited.join(' '),
              "txtFreqM txtFreqK optMode0 chkAutoMode optStep0 chkAutoStep optShift0 "
              "txtShiftFreqM txtShiftFreqK optSubtone0 cmbTone cmbDCS cmbTrain chkSkip txtName "
              "cmdBack cmdNext DETAIL_CLEAR DETAIL_ENTER DETAIL_CANCEL txtFreqM");
}

TEST_F(MemoryDetailDialogTest, StandsBelowTheMainWindowsTopLeft) {
    QWidget mainWindow;
    mainWindow.setGeometry(120, 80, 600, 400);
    mainWindow.show();
    MemoryDetailDialog placed(image, labels, 0, dialogs, &mainWindow);
    const QRect frame = mainWindow.frameGeometry();
    EXPECT_EQ(placed.pos(), QPoint(frame.left(), frame.top() + 67)); // 1000 twips
}

} // namespace
} // namespace r36::ui
