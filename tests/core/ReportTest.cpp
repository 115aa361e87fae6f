#include "core/Report.h"

#include <gtest/gtest.h>

using namespace Velmoor2;

namespace {

struct Shown {
    int boxes = 0;
    std::string text;
    std::string title;
};

// Reports the problem with message boxes caught; returns what reached the log and the player.
std::pair<std::string, Shown> Report(const Problem& problem, const std::string& title = "Velmoor Episode2")
{
    Shown shown;
    Platform::SetMessageBoxHook([&](const std::string& text, int, const std::string& boxTitle) {
        ++shown.boxes;
        shown.text = text;
        shown.title = boxTitle;
        return Platform::AnswerOk;
    });
    testing::internal::CaptureStderr();
    ReportProblem(problem, Platform::MbOkExclamation, title);
    const std::string log = testing::internal::GetCapturedStderr();
    Platform::SetMessageBoxHook(nullptr);
    return {log, shown};
}

}  // namespace

TEST(Report, EveryProblemIsLoggedAndOnlyOneWithWordsForThePlayerIsShown)
{
    const auto [quietLog, quiet] = Report({"", "the setting SavedMyouji could not be stored"});
    EXPECT_EQ(quietLog, "velmoor2: the setting SavedMyouji could not be stored\n");
    EXPECT_EQ(quiet.boxes, 0);

    const auto [toldLog, told] =
        Report({"クリアデータを消去できませんでした。", "the clear records could not be erased"}, "Data Clear!!!");
    EXPECT_EQ(toldLog, "velmoor2: the clear records could not be erased\n");
    EXPECT_EQ(told.boxes, 1);
    EXPECT_EQ(told.text, "クリアデータを消去できませんでした。");
    EXPECT_EQ(told.title, "Data Clear!!!");

    const auto [onlyMessageLog, onlyMessage] = Report({"前回の記録が見つかりませんでした。", ""});
    EXPECT_EQ(onlyMessageLog, "velmoor2: 前回の記録が見つかりませんでした。\n") << "a problem is never logged blank";
    EXPECT_EQ(onlyMessage.boxes, 1);
}
