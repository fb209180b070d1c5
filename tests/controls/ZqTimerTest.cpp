#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <stdexcept>

#include "controls/RepeatTimer.h"
#include "controls/ScriptedDialogs.h"
#include "controls/ZqTimer.h"

namespace vok {
namespace {

TEST(ZqTimer, RunsOnlyWithAnIntervalAnEventAndEnabled) {
    TZqTimer timer;
    EXPECT_FALSE(timer.Active());  // no event: nothing held
    int ticks = 0;
    timer.SetOnTimer([&](TZqTimer&) { ++ticks; });
    EXPECT_TRUE(timer.Active());
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Active());
    timer.SetInterval(400);
    EXPECT_TRUE(timer.Active());
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Active());
    timer.SetEnabled(true);
    timer.Tick();
    EXPECT_EQ(ticks, 1);
}

TEST(ZqTimer, AFailingEventIsReportedAndTheTimerGoesOn) {
    TZqTimer timer;
    std::string reported;
    timer.OnError = [&](const std::exception& e) { reported = e.what(); };
    timer.SetOnTimer([](TZqTimer&) { throw std::runtime_error("tick failed"); });
    timer.Tick();
    EXPECT_EQ(reported, "tick failed");
    EXPECT_TRUE(timer.Active());
}

TEST(ZqTimer, WithoutAHandlerEveryFailureReachesTheStandardReport) {
    test::ScriptedDialogs dialogs;
    SetUnhandledReportDialogs(&dialogs);
    TZqTimer timer;
    timer.SetOnTimer([](TZqTimer&) { throw std::runtime_error("tick failed"); });
    timer.Tick();
    timer.SetOnTimer([](TZqTimer&) { throw 42; });
    timer.Tick();
    SetUnhandledReportDialogs(nullptr);
    EXPECT_EQ(dialogs.Errors(), (std::vector<std::string>{"tick failed.", "Unknown failure."}));
    EXPECT_TRUE(timer.Active());
}

TEST(ZqTimer, ShorteningARunningTimerRearmsIt) {
    TZqTimer timer;
    int ticks = 0;
    timer.SetInterval(10000);
    timer.SetOnTimer([&](TZqTimer&) { ++ticks; });
    timer.SetInterval(5);
    QElapsedTimer clock;
    clock.start();
    while (ticks == 0 && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GE(ticks, 1);
}

TEST(ZqTimer, TheRepeatTimerRunsOnItAndGoesWithItsOwner) {
    QObject owner;
    auto repeat = MakeRepeatTimer(&owner);
    auto* timer = owner.findChild<TZqTimer*>();
    ASSERT_NE(timer, nullptr);
    int ticks = 0;
    repeat->OnTimer = [&] { ++ticks; };
    repeat->SetInterval(400);
    EXPECT_TRUE(timer->Active());
    EXPECT_EQ(timer->Interval(), 400);
    timer->Tick();
    EXPECT_EQ(ticks, 1);
    repeat->SetInterval(-5);  // below 0 stops as 0 does
    EXPECT_FALSE(timer->Active());
    EXPECT_EQ(repeat->Interval(), 0);
    // A replaced repeat timer leaves no timer behind that could tick into it.
    repeat->SetInterval(100);
    repeat.reset();
    EXPECT_EQ(owner.findChild<TZqTimer*>(), nullptr);
}

}  // namespace
}  // namespace vok
