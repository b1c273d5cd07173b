// Runtime services: timers on the event loop, the background-task yield and UI-thread checks.
#include "FrameworkTest.h"

#include <QWindow>
#include <chrono>
#include <qpa/qwindowsysteminterface.h>
#include <thread>

using RuntimeTest = FrameworkTest;

TEST_F(RuntimeTest, TimerFiresOnceRepeatsOrStaysOff) {
    ProbeWindow& window = OpenWith({}, {}, {{"Visible", false}});
    int counts[3] = {0, 0, 0};
    for (int mode = 0; mode < 3; ++mode) {
        auto& timer = window.NewControl<fw::Timer>("Timer" + std::to_string(mode));
        fw::SetProperties(timer, {{"Period", 5}, {"RunMode", mode}});
        timer.Action.Bind([&counts, mode](fw::Timer&) { ++counts[mode]; });
    }
    // The repeating timer is the clock: by its fifth tick a second single shot would have come.
    ASSERT_TRUE(QTest::qWaitFor([&] { return counts[2] >= 5; }));
    EXPECT_EQ(counts[0], 0);
    EXPECT_EQ(counts[1], 1);
}

// A key handler that loops on the background task: the timer ticks inside the loop, while a second
// key waits until the handler has returned. It is queued as the platform queues user input; events
// posted with QCoreApplication::postEvent are not held back by Qt at all.
TEST_F(RuntimeTest, BackgroundTaskRunsTimersAndHoldsUserInputUntilTheHandlerReturns) {
    using Input = QWindowSystemInterface;
    ProbeWindow& window = OpenWith({"KeyDown"}, [](ProbeWindow& w) { w.NewControl<fw::Label>("label"); });
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    QWindow* frame = window.Widget()->windowHandle();
    auto& timer = window.NewControl<fw::Timer>("ticker");
    int ticks = 0, ticksInLoop = 0;
    timer.Action.Bind([&ticks](fw::Timer&) { ++ticks; });
    std::vector<std::string> seenInLoop;
    window.onKey = [&](const std::string& key) {
        if (key != "g") return false;
        Input::handleKeyEvent<Input::AsynchronousDelivery>(frame, QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        fw::SetProperties(timer, {{"Period", 5}, {"RunMode", 2}});
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (ticks < 3 && std::chrono::steady_clock::now() < deadline) fw::RuntimeBackgroundTask();
        fw::SetProperties(timer, {{"RunMode", 0}});
        ticksInLoop = ticks;
        seenInLoop = window.log;
        return true;
    };
    window.log.clear();
    Input::handleKeyEvent<Input::AsynchronousDelivery>(frame, QEvent::KeyPress, Qt::Key_G, Qt::NoModifier, "g");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.log.size() >= 2; }));
    EXPECT_GE(ticksInLoop, 3);
    EXPECT_EQ(seenInLoop, std::vector<std::string>{"KeyDown:g"});
    EXPECT_EQ(window.log, (std::vector<std::string>{"KeyDown:g", "KeyDown:a"}));
}

TEST_F(RuntimeTest, UiOperationsFromAnotherThreadThrow) {
    ProbeWindow& window = OpenWith({}, {});
    auto bar = std::make_shared<fw::MenuBar>();
    const std::vector<std::pair<const char*, std::function<void()>>> operations = {
        {"SetProperty", [&] { window.SetProperty("Title", "x"); }},
        {"MenuItem", [&] { bar->SetValue("x"); }},
        {"MsgBox", [] { fw::MsgBox("x"); }},
        {"BackgroundTask", [] { fw::RuntimeBackgroundTask(); }},
        {"Picture", [] { fw::Picture::OpenFromApp("x"); }},
        {"Quit", [] { fw::Quit(3); }}};
    for (const auto& [name, operation] : operations) {
        std::string thrown;
        std::thread([&, &call = operation] {
            try {
                call();
            } catch (const fw::RuntimeException& e) {
                thrown = e.ClassName();
            }
        }).join();
        EXPECT_EQ(thrown, "ThreadAccessingUIException") << name;
    }
    EXPECT_FALSE(fw::IsQuitting());
    EXPECT_TRUE(boxes.empty());
}
