// What a printed list and a printed settings page hold: the memories in use, grouped by the
// banks and areas their labels name, for each choice of memories.

#include "session_fixture.h"

#include "image/memory_record.h"
#include "session/list_report.h"
#include "session/settings_report.h"

using namespace r36;
using namespace r36::testing_session;
using session::ReportScope;

namespace {

struct ReportCase {
    const char* name;
    ReportScope scope;
    std::vector<int> selection;
    int current;
    const char* expected; // "title:label,label|title:label"
};

class ListReport : public SessionFixture, public ::testing::WithParamInterface<ReportCase> {
protected:
    void SetUp() override {
        // Bank00: 0 and 2 in use, 1 free; Bank01 (100..199): 150; AT - 0; PRG - 0B.
        for (const int memory : {0, 2, 150, image::atFirst, image::prgFirst + 1})
            session->setMemory(
                memory, image::encodeRecord(
                            {.frequencyHz = 145'000'000u + static_cast<unsigned>(memory) * 1000,
                             .name = "M" + std::to_string(memory)}));
    }
    /// The report as "title:label,label|...".
    static std::string outline(const session::ListReport& report) {
        std::string text;
        for (const session::ReportSection& section : report.sections) {
            text += (text.empty() ? "" : "|") + section.title + ":";
            for (std::size_t row = 0; row < section.rows.size(); ++row)
                text += (row ? "," : "") + section.rows[row][0];
        }
        return text;
    }
};

TEST_P(ListReport, HoldsTheChosenMemoriesInUseUnderTheirBankOrArea) {
    const ReportCase& c = GetParam();
    const session::ListReport report =
        session::listReport(*session, c.scope, c.selection, c.current, QDate(2026, 12, 7));
    EXPECT_EQ(outline(report), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Scopes, ListReport,
    ::testing::Values(
        ReportCase{"All",
                   ReportScope::AllMemories,
                   {},
                   -1,
                   "Bank00:Bank00-000,Bank00-002|Bank01:Bank01-050|AT:AT - 0|PRG:PRG - 0B"},
        ReportCase{"SelectionLeavesFreeOnesOut",
                   ReportScope::Selection,
                   {999, 150, 1, 2},
                   0,
                   "Bank00:Bank00-002|Bank01:Bank01-050"},
        ReportCase{"SelectionOfFreeMemoriesOnly", ReportScope::Selection, {1, 3}, 1, ""},
        ReportCase{"CurrentBankFromAFreeMemory",
                   ReportScope::CurrentBank,
                   {},
                   1,
                   "Bank00:Bank00-000,Bank00-002"},
        ReportCase{"CurrentArea", ReportScope::CurrentBank, {}, 1199, "AT:AT - 0"},
        ReportCase{"CurrentBankWithNothingInUse", ReportScope::CurrentBank, {}, 500, ""},
        ReportCase{"NoCurrentMemory", ReportScope::CurrentBank, {}, -1, ""}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ListReport, RowsShowTheGridsTextsAndSectionsFollowThePartition) {
    session::ListReport report =
        session::listReport(*session, ReportScope::AllMemories, {}, -1, QDate(2026, 12, 7));
    ASSERT_EQ(report.sections.size(), 4u);
    EXPECT_EQ(report.sections[0].memoryCount, 100);
    EXPECT_EQ(report.sections[3].memoryCount, image::prgLast - image::prgFirst + 1);
    const image::DisplayTexts texts = image::renderRecord(session->image().memRecord[150], 150);
    EXPECT_TRUE(std::equal(texts.begin(), texts.end(), report.sections[1].rows[0].begin() + 1));
    EXPECT_EQ(report.header.date, QDate(2026, 12, 7));

    // Bank 0 emptied: the memories take the labels of bank 1 onwards, and so do the sections.
    session->commitBankCount(0, QStringLiteral("0"));
    session->commitBankCount(17, QStringLiteral("100"));
    report = session::listReport(*session, ReportScope::AllMemories, {}, -1, QDate());
    EXPECT_EQ(outline(report),
              "Bank01:Bank01-000,Bank01-002|Bank02:Bank02-050|AT:AT - 0|PRG:PRG - 0B");
}

TEST_F(ListReport, SettingsPrintInThePagesGroupsWithTheKeyIdsInTheAreaGroup) {
    const session::SettingsReport report = session::settingsReport(
        *session, {"<MR>", "<DISP>", "[Preset]", "<NONE>"}, QDate(2026, 12, 7));
    std::vector<std::string> titles;
    for (const auto& group : report.groups)
        titles.push_back(group.title + (group.holdsKeyIds ? "+keys" : ""));
    EXPECT_EQ(titles, (std::vector<std::string>{"<MR>", "<DISP>", "[Preset]+keys"}));
    ASSERT_FALSE(report.groups[0].items.empty());
    EXPECT_EQ(report.groups[0].items[0].first, "PROTCT"); // the third block's list leads
    EXPECT_EQ(report.keyIds, session->settings().tvText);
}

} // namespace
