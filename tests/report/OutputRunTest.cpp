#include "report/OutputRun.h"

#include "support/FakeClock.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// A run whose operator presses stop before the sheets listed and answers the
// questions in order; the sheets output are recorded.
struct ScriptedRun {
    std::vector<int> PressStopBefore;
    std::vector<bool> Answers;
    int StopInPreviewAt = 0;
    int FailAt = 0;

    std::vector<int> Shown;
    std::vector<int> Output;
    int Questions = 0;
    bool Stop = false;

    RunEnd Run(int start, int end, int lastEntry)
    {
        OutputRunSteps steps;
        steps.ShowNumber = [this](int n) {
            Shown.push_back(n);
            if (std::find(PressStopBefore.begin(), PressStopBefore.end(), n) != PressStopBefore.end())
                Clock.At(Clock.Now, [this] { Stop = true; });
        };
        steps.StopRequested = [this] { return Stop; };
        steps.ConfirmStop = [this] {
            const bool yes = Answers.at(static_cast<size_t>(Questions++));
            Stop = yes;
            return yes;
        };
        // Every sheet is on view in a preview the operator leaves a second
        // later, stopping the run there at StopInPreviewAt.
        steps.OutputSheet = [this](int n) {
            if (n == FailAt)
                return SheetOutcome::Failed;
            Output.push_back(n);
            Clock.At(Clock.Now + 1000, [this, n] { Runner.SheetLeft(n == StopInPreviewAt); });
            return SheetOutcome::OnView;
        };
        std::optional<RunEnd> ended;
        const QMetaObject::Connection told = QObject::connect(&Runner, &OutputRun::ended, [&ended](RunEnd end) { ended = end; });
        Runner.Start(start, end, lastEntry, steps);
        Clock.RunUntil([&ended] { return ended.has_value(); });
        QObject::disconnect(told);
        return ended.value();
    }

    FakeClock Clock;
    OutputRun Runner{Clock};
};
}

TEST(OutputRun, ARangeOutputsEachMeasuredEntrantInOrder)
{
    ScriptedRun run;
    EXPECT_EQ(run.Run(2, 4, 5), RunEnd::Completed);
    EXPECT_EQ(run.Output, (std::vector<int>{2, 3, 4}));

    ScriptedRun beyond;
    EXPECT_EQ(beyond.Run(-1, 6, 3), RunEnd::Completed);
    EXPECT_EQ(beyond.Output, (std::vector<int>{1, 2, 3})) << "no sheet for numbers that are not entrants";
}

TEST(OutputRun, ARangeWithoutAMeasuredEntrantOutputsNothingAndSaysSo)
{
    for (const auto& [start, end] : {std::pair{5, 2}, {0, 0}, {-1, -1}, {4, 9}}) {
        ScriptedRun run;
        EXPECT_EQ(run.Run(start, end, 3), RunEnd::NothingToOutput) << start << ".." << end;
        EXPECT_TRUE(run.Shown.empty());
    }
    for (const bool intoPreview : {false, true})
        EXPECT_EQ(RunEndMessage(RunEnd::NothingToOutput, intoPreview), QStringLiteral("指定の範囲に出力する成績がありません！"));
}

TEST(OutputRun, AFailedSheetEndsTheRunWithoutTheSuccessMessage)
{
    ScriptedRun run;
    run.FailAt = 2;
    EXPECT_EQ(run.Run(1, 4, 4), RunEnd::Failed);
    EXPECT_EQ(run.Output, (std::vector<int>{1}));
    EXPECT_EQ(run.Shown, (std::vector<int>{1, 2}));
    EXPECT_TRUE(RunEndMessage(RunEnd::Failed, false).isEmpty());
    EXPECT_TRUE(RunEndMessage(RunEnd::Stopped, false).isEmpty());
    EXPECT_EQ(RunEndMessage(RunEnd::Completed, false), QStringLiteral("出力終了！"));
    EXPECT_TRUE(RunEndMessage(RunEnd::Completed, true).isEmpty()) << "a preview run ends without a word";
}

TEST(OutputRun, DecliningToStopGoesOnWithTheSameNumber)
{
    ScriptedRun run;
    run.PressStopBefore = {2};
    run.Answers = {false};
    EXPECT_EQ(run.Run(1, 3, 3), RunEnd::Completed);
    EXPECT_EQ(run.Questions, 1);
    EXPECT_EQ(run.Output, (std::vector<int>{1, 2, 3}));
}

TEST(OutputRun, AgreeingToStopEndsBeforeTheNextSheet)
{
    ScriptedRun run;
    run.PressStopBefore = {2};
    run.Answers = {true};
    EXPECT_EQ(run.Run(1, 3, 3), RunEnd::Stopped);
    EXPECT_EQ(run.Output, (std::vector<int>{1}));
}

TEST(OutputRun, AWindowClosedDuringTheRunEndsItWithoutAQuestion)
{
    ScriptedRun run;
    run.Clock.At(0, [&run] { run.Runner.Abandon(); });
    EXPECT_EQ(run.Run(1, 3, 3), RunEnd::Stopped);
    EXPECT_EQ(run.Questions, 0);
    EXPECT_TRUE(run.Output.empty());
}

TEST(OutputRun, StoppingInThePreviewEndsAfterTheSheetOnView)
{
    ScriptedRun run;
    run.StopInPreviewAt = 2;
    EXPECT_EQ(run.Run(1, 3, 3), RunEnd::Stopped);
    EXPECT_EQ(run.Output, (std::vector<int>{1, 2}));
}
