#include "MessageBoxes.h"
#include "ScriptedDialogs.h"
#include "uVRXCommon.h"

#include <gtest/gtest.h>

struct HtmlCase {
    const char* name;
    const char* html;
    const char* text;
};

class HtmlConversion : public testing::TestWithParam<HtmlCase> {};

TEST_P(HtmlConversion, GivesPlainText) {
    EXPECT_EQ(HtmlToPlainText(GetParam().html), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HtmlConversion,
    testing::Values(
        HtmlCase{"BreaksInAnyCase", "a<BR>b<br>c<Hr>d", "a\nb\nc\nd"},
        HtmlCase{"OtherTagsRemoved", "<U><B>Download</B></U><BR>Connect", "Download\nConnect"},
        HtmlCase{"LineEndsKept", "a\r\nb\rc\nd", "a\nb\nc\nd"},
        HtmlCase{"UnclosedTagStays", "1 < 2 and 3", "1 < 2 and 3"},
        HtmlCase{"EntitiesNotDecoded", "a &amp; b", "a &amp; b"},
        HtmlCase{"ThreeLines",
                 "No respone was received from the device.<BR>Check that the device is connected "
                 "to the Com Port<BR>selected in the Setup/Configuration section and try again.",
                 "No respone was received from the device.\nCheck that the device is connected to "
                 "the Com Port\nselected in the Setup/Configuration section and try again."},
        HtmlCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct FooterCase {
    const char* name;
    const char* footer;
    TaskIcon icon;
};

class FooterIcon : public testing::TestWithParam<FooterCase> {};

TEST_P(FooterIcon, FollowsTheFirstWord) {
    EXPECT_EQ(FooterIconFor(GetParam().footer), GetParam().icon);
}

INSTANTIATE_TEST_SUITE_P(
    Footers, FooterIcon,
    testing::Values(FooterCase{"Blank", "   ", TaskIcon::None},
                    FooterCase{"Empty", "", TaskIcon::None},
                    FooterCase{"Warning", "WARNING: careful", TaskIcon::Warning},
                    FooterCase{"Error", "ERROR here", TaskIcon::Error},
                    FooterCase{"LeadingBlank", " WARNING", TaskIcon::Information},
                    FooterCase{"MixedCase", "Warning", TaskIcon::Information},
                    FooterCase{
                        "Plain",
                        "You can configure the Com Port by using the Setup/Configuration function.",
                        TaskIcon::Information}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuestionResult, MapsDialogResults) {
    const std::pair<int, int> cases[] = {{6, 6},   {100, 6}, {7, 7}, {101, 7}, {2, 2},
                                         {102, 2}, {1, 0},   {0, 0}, {103, 0}, {-1, 0}};
    for (auto [given, expected] : cases)
        EXPECT_EQ(MapQuestionResult(given), expected) << given;
}

class Boxes : public testing::Test {
protected:
    void SetUp() override {
        ResetSharedTexts();
        InstallDialogs(&m_dialogs);
    }
    void TearDown() override { InstallDialogs(nullptr); }
    ScriptedDialogs m_dialogs;
};

TEST_F(Boxes, ErrorBoxShowsEveryElement) {
    ShowErrorBox("ERROR", "Invalid Com Port!", "line one<BR>line two", "WARNING <b>x</b>");
    const auto tasks = m_dialogs.tasks();
    ASSERT_EQ(tasks.size(), 1u);
    const TaskDialogRequest& r = tasks[0].task;
    EXPECT_EQ(r.title, "ERROR");
    EXPECT_EQ(r.mainIcon, TaskIcon::Error);
    EXPECT_EQ(r.instruction, "Invalid Com Port!");
    EXPECT_EQ(r.content, "line one\nline two");
    EXPECT_EQ(r.footer, "WARNING x");
    EXPECT_EQ(r.footerIcon, TaskIcon::Warning);
    EXPECT_EQ(r.buttons, std::vector<std::string>{"Ok"});
}

TEST_F(Boxes, TitleIsNotConverted) {
    ShowInfoBox("<B>T</B>", "i", "", " ");
    const auto tasks = m_dialogs.tasks();
    const TaskDialogRequest& r = tasks.at(0).task;
    EXPECT_EQ(r.title, "<B>T</B>");
    EXPECT_EQ(r.mainIcon, TaskIcon::Information);
    EXPECT_EQ(r.footerIcon, TaskIcon::None);
    EXPECT_EQ(r.footer, "");
}

TEST_F(Boxes, QuestionButtonsAndAnswers) {
    m_dialogs.taskAnswers = {101, 102, kDialogCancel, 0};
    EXPECT_EQ(AskQuestion("Q", "Save Calibration Values.\nAre You Sure?", "", false, ""),
              kAnswerNo);
    EXPECT_EQ(AskQuestion("Q", "i", "", true, ""), kAnswerCancel);
    EXPECT_EQ(AskQuestion("Q", "i", "", true, ""), kAnswerCancel);
    EXPECT_EQ(AskQuestion("Q", "i", "", true, ""), 0);
    const auto tasks = m_dialogs.tasks();
    EXPECT_EQ(tasks[0].task.buttons, (std::vector<std::string>{"Yes", "No"}));
    EXPECT_EQ(tasks[0].task.instruction, "Save Calibration Values.\nAre You Sure?");
    EXPECT_EQ(tasks[1].task.buttons, (std::vector<std::string>{"Yes", "No", "Cancel"}));
    EXPECT_EQ(tasks[1].task.mainIcon, TaskIcon::Question);
}
