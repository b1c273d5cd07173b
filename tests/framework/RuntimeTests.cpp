// Runtime services: timers on the event loop, the background-task yield, UI-thread checks,
// the exception helper and pictures from the resource folder.
#include "FrameworkTest.h"

#include <QImage>
#include <QTemporaryDir>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>
#include <chrono>
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
// key and a press wait until the handler has returned. They are queued as the platform queues user
// input; events posted with QCoreApplication::postEvent are not held back by Qt at all.
TEST_F(RuntimeTest, BackgroundTaskRunsTimersAndHoldsUserInputUntilTheHandlerReturns) {
    using Input = QWindowSystemInterface;
    ProbeWindow& window = OpenWith({"KeyDown", "MouseDown"}, [](ProbeWindow& w) { w.NewControl<fw::Label>("label"); });
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    QWindow* frame = window.Widget()->windowHandle();
    auto& timer = window.NewControl<fw::Timer>("ticker");
    int ticks = 0, ticksInLoop = 0;
    timer.Action.Bind([&ticks](fw::Timer&) { ++ticks; });
    std::vector<std::string> seenInLoop;
    window.onKey = [&](const std::string& key) {
        if (key != "g") return false;
        Input::handleKeyEvent<Input::AsynchronousDelivery>(frame, QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        const QPointF at(150, 120);
        Input::handleMouseEvent<Input::AsynchronousDelivery>(frame, at, frame->mapToGlobal(at), Qt::LeftButton,
                                                             Qt::LeftButton, QEvent::MouseButtonPress);
        Input::handleMouseEvent<Input::AsynchronousDelivery>(frame, at, frame->mapToGlobal(at), Qt::NoButton,
                                                             Qt::LeftButton, QEvent::MouseButtonRelease);
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.log.size() >= 3; }));
    EXPECT_GE(ticksInLoop, 3);
    EXPECT_EQ(seenInLoop, std::vector<std::string>{"KeyDown:g"});
    EXPECT_EQ(window.log, (std::vector<std::string>{"KeyDown:g", "KeyDown:a", "MouseDown:150,120"}));
}

TEST_F(RuntimeTest, UiOperationsFromAnotherThreadThrow) {
    ProbeWindow& window = OpenWith({}, [](ProbeWindow& w) { w.NewControl<fw::Label>("label"); });
    auto bar = std::make_shared<fw::MenuBar>();
    const std::vector<std::pair<const char*, std::function<void()>>> operations = {
        {"SetProperty", [&] { window.SetProperty("Title", "x"); }},
        {"LabelText", [&] { window.ControlAs<fw::Label>("label").SetText("x"); }},
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

TEST_F(RuntimeTest, ExceptionHelperReturnsRuntimeExceptionsAndPassesOthers) {
    EXPECT_EQ(fw::CallFunctionWithExceptionHandling([] {}), nullptr);
    auto escaped = fw::CallFunctionWithExceptionHandling([] { throw fw::IllegalCastException("cast"); });
    ASSERT_NE(escaped, nullptr);
    EXPECT_THROW(std::rethrow_exception(escaped), fw::IllegalCastException);
    EXPECT_THROW(fw::CallFunctionWithExceptionHandling([] { throw std::runtime_error("other"); }), std::runtime_error);
    EXPECT_THROW(fw::RuntimeAnnounceFrameworkVersion(fw::kFrameworkVersion + 1), fw::RuntimeException);
    EXPECT_NO_THROW(fw::RuntimeAnnounceFrameworkVersion(fw::kFrameworkVersion));
    EXPECT_THROW(fw::RegisterClass("Orphan", "NoSuchBase", {}), fw::InvalidArgumentException);
    fw::RegisterClass("Twice", "Window", {"Layout"});  // again with the same events is allowed (window tests)
    EXPECT_THROW(fw::RegisterClass("Twice", "Window", {"Close"}), fw::InvalidArgumentException);
}

TEST_F(RuntimeTest, PictureMissingThenPresentAndDrawnAsTheBackdrop) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    fw::Picture::SetResourceFolder(folder.path().toStdString());
    EXPECT_EQ(fw::Picture::OpenFromApp("icon_64"), nullptr);
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(folder.filePath("icon_64.png")));
    for (const char* name : {"icon_64", "icon_64.png"}) {
        auto picture = fw::Picture::OpenFromApp(name);
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_EQ(std::make_pair(picture->Width(), picture->Height()), std::make_pair(std::int64_t{12}, std::int64_t{8}));
    }

    // Drawn unscaled at the canvas's top-left; nil draws nothing.
    auto& canvas = OpenWith({}, {}).NewControl<fw::Canvas>("canvas");
    fw::SetProperties(canvas, {{"Width", 40}, {"Height", 40}});
    canvas.SetBackdrop(std::make_shared<fw::Picture>(image));
    const QImage shown = canvas.Widget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(11, 7), QColor(Qt::red));
    EXPECT_NE(shown.pixelColor(13, 9), QColor(Qt::red));
    canvas.SetBackdrop(nullptr);
    EXPECT_NE(canvas.Widget()->grab().toImage().pixelColor(0, 0), QColor(Qt::red));
}
