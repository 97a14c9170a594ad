#include "core/StepRunner.h"

#include "support/FakeClock.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <string>

namespace {

// A runner on a clock of its own; each step notes its name when it runs.
class StepRunnerTest : public testing::Test {
protected:
    StepRunner::Step Noting(const std::string& name, bool done = true)
    {
        return [this, name, done] {
            Done += name;
            return done;
        };
    }

    FakeClock Clock;
    bool ProgramEnding = false;
    StepRunner Runner{Clock, [this] { return ProgramEnding; }};
    std::string Done;
};

} // namespace

TEST_F(StepRunnerTest, RunsTheStepsInOrderHandlingEventsBetweenThem)
{
    bool eventRan = false;
    const StepRunner::Step posting = [&eventRan] {
        QMetaObject::invokeMethod(QCoreApplication::instance(), [&eventRan] { eventRan = true; }, Qt::QueuedConnection);
        return true;
    };
    const StepRunner::Step seeing = [this, &eventRan] {
        Done += eventRan ? "seen" : "unseen";
        return true;
    };
    EXPECT_EQ(Runner.Run({Noting("a"), posting, seeing, Noting("b")}), StepRunner::Outcome::Completed);
    EXPECT_EQ(Done, "aseenb");
    EXPECT_FALSE(Runner.Running());
}

TEST_F(StepRunnerTest, AFailedStepEndsTheRun)
{
    EXPECT_EQ(Runner.Run({Noting("a"), Noting("b", false), Noting("c")}), StepRunner::Outcome::Failed);
    EXPECT_EQ(Done, "ab");
}

TEST_F(StepRunnerTest, AbandonmentDuringAStepEndsTheRunThereEvenWhenTheStepFailed)
{
    const StepRunner::Step abandoning = [this] {
        Runner.Abandon();
        return false;
    };
    EXPECT_EQ(Runner.Run({Noting("a"), abandoning, Noting("c")}), StepRunner::Outcome::Abandoned);
    EXPECT_EQ(Done, "a");

    const StepRunner::Step ending = [this] { return !(ProgramEnding = true); };
    EXPECT_EQ(Runner.Run({ending, Noting("b")}), StepRunner::Outcome::Abandoned);
    EXPECT_EQ(Done, "a");
}

TEST_F(StepRunnerTest, AbandonmentDuringAWaitEndsTheWaitAtOnce)
{
    Clock.At(200, [this] { Runner.Abandon(); });
    qint64 waitEnded = -1;
    const StepRunner::Step waiting = [this, &waitEnded] {
        const bool waited = Runner.WaitSeconds(5) && Runner.Wait(5000);
        waitEnded = Runner.Milliseconds();
        return waited;
    };
    EXPECT_EQ(Runner.Run({waiting, Noting("b")}), StepRunner::Outcome::Abandoned);
    EXPECT_EQ(waitEnded, 200);
    EXPECT_EQ(Done, "");
}
