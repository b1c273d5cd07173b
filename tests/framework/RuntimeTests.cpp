// Runtime services: timers on the event loop, the background-task yield, UI-thread checks,
// the exception helper, pictures from the resource folder, the alert seams and the version data.
#include "FrameworkTest.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
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
    EXPECT_EQ(window.ControlAs<fw::Timer>("Timer1").Property("RunMode"), fw::PropertyValue(0));
}

TEST_F(RuntimeTest, BackgroundTaskLetsTimersRunInsideALongHandler) {
    ProbeWindow& window = OpenWith({}, {}, {{"Visible", false}});
    auto& timer = window.NewControl<fw::Timer>("Timer1");
    bool fired = false;
    timer.Action.Bind([&](fw::Timer&) { fired = true; });
    fw::SetProperties(timer, {{"Period", 1}, {"RunMode", 1}});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    long calls = 0;
    while (!fired && std::chrono::steady_clock::now() < deadline) {
        fw::RuntimeBackgroundTask();
        ++calls;
    }
    EXPECT_TRUE(fired) << calls;
}

TEST_F(RuntimeTest, UiOperationsFromAnotherThreadThrow) {
    ProbeWindow& window = OpenWith({}, [](ProbeWindow& w) { w.NewControl<fw::Label>("label"); });
    auto bar = std::make_shared<fw::MenuBar>();
    const std::vector<std::pair<const char*, std::function<void()>>> operations = {
        {"SetProperty", [&] { window.SetProperty("Title", "x"); }},
        {"Show", [&] { window.Show(); }},
        {"ControlByName", [&] { window.ControlByName("label"); }},
        {"LabelText", [&] { window.ControlAs<fw::Label>("label").SetText("x"); }},
        {"MenuItem", [&] { bar->SetValue("x"); }},
        {"GetImplicitWindow", [] { fw::GetImplicitWindow("x"); }},
        {"MsgBox", [] { fw::MsgBox("x"); }},
        {"Beep", [] { fw::Beep(); }},
        {"BackgroundTask", [] { fw::RuntimeBackgroundTask(); }},
        {"Picture", [] { fw::Picture::OpenFromApp("x"); }},
        {"Quit", [] { fw::Quit(3); }}};
    for (const auto& [name, call] : operations) {
        std::string thrown;
        const std::function<void()>& operation = call;
        std::thread([&] {
            try {
                operation();
            } catch (const fw::RuntimeException& e) {
                thrown = e.ClassName();
            }
        }).join();
        EXPECT_EQ(thrown, "ThreadAccessingUIException") << name;
    }
    EXPECT_FALSE(fw::IsQuitting());
    EXPECT_EQ(beeps, 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(RuntimeTest, ExceptionHelperReturnsRuntimeExceptionsAndPassesOthers) {
    EXPECT_EQ(fw::CallFunctionWithExceptionHandling([] {}), nullptr);
    auto escaped = fw::CallFunctionWithExceptionHandling([] { throw fw::IllegalCastException("cast"); });
    ASSERT_NE(escaped, nullptr);
    EXPECT_THROW(std::rethrow_exception(escaped), fw::IllegalCastException);
    EXPECT_THROW(fw::CallFunctionWithExceptionHandling([] { throw std::runtime_error("other"); }), std::runtime_error);
    EXPECT_THROW(fw::RuntimeIsEventHandled(nullptr, "Window", "Layout", true), fw::NilObjectException);
    EXPECT_THROW(fw::RuntimeAnnounceFrameworkVersion(fw::kFrameworkVersion + 1), fw::RuntimeException);
    EXPECT_NO_THROW(fw::RuntimeAnnounceFrameworkVersion(fw::kFrameworkVersion));
    EXPECT_THROW(fw::RegisterClass("Orphan", "NoSuchBase", {}), fw::InvalidArgumentException);
    fw::RegisterClass("Twice", "Window", {"Layout"});
    EXPECT_NO_THROW(fw::RegisterClass("Twice", "Window", {"Layout"}));
    EXPECT_THROW(fw::RegisterClass("Twice", "Window", {"Close"}), fw::InvalidArgumentException);
}

TEST_F(RuntimeTest, PictureMissingThenPresentAndNamesStayInTheFolder) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    fw::Picture::SetResourceFolder(folder.path().toStdString());
    EXPECT_EQ(fw::Picture::OpenFromApp("icon_64"), nullptr);
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(folder.filePath("icon_64.png")));
    ASSERT_TRUE(image.save(folder.filePath("urn200.png")));
    for (const char* name : {"icon_64", "icon_64.png", "urn200.png"}) {
        auto picture = fw::Picture::OpenFromApp(name);
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_EQ(picture->Width(), 12);
        EXPECT_EQ(picture->Height(), 8);
    }
    QDir(folder.path()).mkdir("inner");
    const std::string escaping = "../" + QDir(folder.path()).dirName().toStdString() + "/icon_64.png";
    fw::Picture::SetResourceFolder(folder.filePath("inner").toStdString());
    for (const std::string& name : {escaping, folder.filePath("icon_64.png").toStdString(), std::string()}) {
        EXPECT_EQ(fw::Picture::OpenFromApp(name), nullptr) << name;
    }

    // Drawn unscaled at the canvas's top-left; nil draws nothing.
    ProbeWindow& window = OpenWith({}, [](ProbeWindow& w) {
        fw::SetProperties(w.NewControl<fw::Canvas>("canvas"), {{"Width", 40}, {"Height", 40}});
    });
    auto& canvas = window.ControlAs<fw::Canvas>("canvas");
    canvas.SetBackdrop(std::make_shared<fw::Picture>(image));
    QImage shown = canvas.Widget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(11, 7), QColor(Qt::red));
    EXPECT_NE(shown.pixelColor(13, 9), QColor(Qt::red));
    canvas.SetBackdrop(nullptr);
    EXPECT_NE(canvas.Widget()->grab().toImage().pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(RuntimeTest, AlertSeamsAndVersionData) {
    fw::Beep();
    fw::Beep();
    fw::MsgBox("The number of red balls can range from 1-99.\r");
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(boxes, std::vector<std::string>{"The number of red balls can range from 1-99.\r"});

    fw::RegisterClass("Kestrow", "Application", {});
    fw::Application app("Kestrow");
    app._x_SetVersionData(1, 0, 0, 0, 0, "credit", "1.0", "Kestrow");
    EXPECT_EQ(app.MajorVersion(), 1);
    EXPECT_EQ(app.ShortVersion(), "1.0");
    EXPECT_EQ(app.PackageInfo(), "Kestrow");
    EXPECT_EQ(app.LongVersion(), "credit");
    EXPECT_FALSE(app.IsEventImplemented("Open"));
    auto bar = std::make_shared<fw::MenuBar>();
    app.SetMenuBar(bar);
    EXPECT_EQ(app.MenuBar(), bar);
    EXPECT_THROW(fw::Application("NotAClass"), fw::InvalidArgumentException);
}
