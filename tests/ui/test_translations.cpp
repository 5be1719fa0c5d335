// The Japanese catalogue is built into the program and chosen by the locale: the window's menus
// then carry the Japanese titles with their accelerators, and the undo steps Japanese names.

#include "window_fixture.h"

#include "session/difference_text.h"
#include "session/file_problems.h"
#include "session/memory_field_text.h"
#include "ui/translations.h"

#include "image/clone_image.h"

#include <QApplication>
#include <QLocale>
#include <QMenuBar>
#include <QTranslator>

namespace r36::test {
namespace {

class TranslationTest : public WindowTest {
protected:
    // The other tests of this program run in English.
    void TearDown() override { qDeleteAll(qApp->findChildren<QTranslator*>()); }
};

TEST_F(TranslationTest, JapaneseLocaleTranslatesTheMenusAndStepNamesAndEnglishHasNoCatalogue) {
    EXPECT_FALSE(ui::installTranslations(*qApp, QLocale(QLocale::English, QLocale::UnitedStates)));
    ASSERT_TRUE(ui::installTranslations(*qApp, QLocale(QLocale::Japanese, QLocale::Japan)));
    QStringList titles;
    for (QAction* menu : openWindow().menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, QStringList({QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                                   QStringLiteral("表示(&V)"), QStringLiteral("ポート(&P)"),
                                   QStringLiteral("通信速度(&S)"), QStringLiteral("通信(&C)"),
                                   QStringLiteral("ヘルプ(&H)")}));
    // The step names are the document's own texts, translated under its class name.
    session().setMemory(0, session().image().memRecord[image::kUserMemoryCount]);
    EXPECT_EQ(session().undoStack().undoText(),
              QStringLiteral("%1 の編集").arg(session().labelRange(0, 0)));
    session().clearMemories(0, 0);
    EXPECT_EQ(session().undoStack().undoText(), QStringLiteral("メモリーのクリア"));
}

TEST_F(TranslationTest, AFailureFromTheLinkReadsWhollyInJapanese) {
    ASSERT_TRUE(ui::installTranslations(*qApp, QLocale(QLocale::Japanese, QLocale::Japan)));
    openWindow();
    // The third command reads memory 0; it fails twice, as sent and sent again.
    m_receiver.addFault({sim::Fault::Kind::NoReply, 3, -1, true});
    runToEnd([this] { session().receiver().startTransfer(session::Transfer::ReadSelected, 0, 0); });
    EXPECT_EQ(lastMessage().details,
              QStringLiteral("選択メモリーを読み込み: メモリー 0 (00A00) の読み込み: 200 ms "
                             "以内に応答がありません (2 回送信)"));
}

TEST_F(TranslationTest, DifferencesRefusalsAndSkippedLinesReadInJapanese) {
    ASSERT_TRUE(ui::installTranslations(*qApp, QLocale(QLocale::Japanese, QLocale::Japan)));
    using Of = image::FieldChange::Of;
    const image::Change change{{image::PieceKind::Memory, 7},
                               7,
                               {},
                               "Bank00-007",
                               {{Of::MemoryField, image::MemoryField::Step, 0, {"5KHz"}, {"auto"}},
                                {Of::Byte, {}, 3, {"01"}, {image::ChangeValue::Kind::None}}}};
    EXPECT_EQ(session::changeText(change),
              QStringLiteral("メモリー 7 (Bank00-007): ステップ 5KHz → auto, バイト 3 01 → なし"));
    EXPECT_EQ(session::refusalText(
                  {image::FieldRefusal::Kind::FrequencyRange, image::MemoryField::Frequency, ""}),
              QStringLiteral("周波数: 0.100000～1299.999999 MHz"));
    files::SkippedLine skipped{12, files::SkippedLine::Problem::BlockNotHex, "SYS3", 0, 0, {4, 64}};
    EXPECT_EQ(session::skippedLineText(skipped),
              QStringLiteral("SYS3 のブロックが 4 または 64 桁の 16 進数ではありません"));
}

} // namespace
} // namespace r36::test
