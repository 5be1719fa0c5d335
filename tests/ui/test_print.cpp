// File > Export PDF… writes the list a reader can find a memory in: the PDF read back as text
// holds each memory in use on one line with its label and frequency, under its bank, with page
// numbers; a PDF that cannot be written is reported. What the list holds is tested in the
// session tests.

#include "window_fixture.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace r36::test {
namespace {

TEST_F(WindowTest, ExportPdfWritesEachMemoryInUseOnALineWithItsLabelAndFrequency) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (Debian's poppler-utils) is not installed";
    openWindow();
    // Bank00 full but for memory 1, enough for a second page.
    std::vector<std::string> records;
    for (int memory = 0; memory < 100; ++memory)
        records.push_back(memory == 1 ? std::string(image::kEmptyRecord)
                                      : usedRecord(145'000'000 + memory * 12'500, "CH"));
    records[7] = usedRecord(145'087'500, "CALL");
    session().setMemories(0, records, QStringLiteral("setup"));

    m_dialogs.buttons = {QStringLiteral("Continue")}; // on the first line: all memories in use
    m_dialogs.fileNames = {m_dir.filePath(QStringLiteral("list"))};
    named<QAction>("MenuExportPdf")->trigger();
    const QString pdf = m_dir.filePath(QStringLiteral("list.pdf"));
    ASSERT_TRUE(QFileInfo::exists(pdf)) << "the name typed gets .pdf";

    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished(30000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_TRUE(text.contains(
        QRegularExpression(QStringLiteral("Bank00-007 +145\\.087500MHz +FM .* CALL *\n"))))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Bank00-001"))) << "a free memory is left out";
    EXPECT_TRUE(text.contains(QStringLiteral("Bank00: 99 of 100 memories (continued)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 2 of 2")));

    m_dialogs.buttons = {QStringLiteral("Continue")};
    m_dialogs.fileNames = {m_dir.filePath(QStringLiteral("no such folder/list.pdf"))};
    named<QAction>("MenuExportPdf")->trigger();
    EXPECT_EQ(lastMessage().text, QStringLiteral("Can't write the PDF file."));
}

} // namespace
} // namespace r36::test
