// Windows: the order of construction events, single windows found and gone after a close,
// deferred destruction, controls by name and checked casts.
#include "FrameworkTest.h"

#include <QCoreApplication>

using WindowLifeTest = FrameworkTest;

TEST_F(WindowLifeTest, ConstructionRaisesOnlyHandledEventsInOrderThenShows) {
    const std::pair<std::vector<std::string>, std::vector<std::string>> rows[] = {  // handled, raised
        {{"AddMenuHandlers", "CreateControls", "Layout"}, {"Layout", "CreateControls", "Open:text", "AddMenuHandlers"}},
        {{"Layout", "CreateControls"}, {"Layout", "CreateControls", "Open:text"}},
        {{}, {}}};
    int serial = 0;
    for (const auto& [handled, raised] : rows) {
        auto window = std::make_unique<ProbeWindow>("Order" + std::to_string(++serial) + ".Order", handled);
        window->onCreateControls = [](ProbeWindow& w) {
            auto& area = w.NewControl<fw::TextArea>("area");
            area.SetText("text");
            area.Open.Bind([&w](fw::TextArea& opened) { w.log.push_back("Open:" + opened.Text()); });
        };
        ProbeWindow& opened = Open(std::move(window));
        EXPECT_EQ(opened.log, raised);
        EXPECT_TRUE(opened.Widget()->isVisible());
        for (const char* event : {"Layout", "CreateControls", "AddMenuHandlers", "KeyDown"}) {
            EXPECT_EQ(opened.IsEventImplemented(event), std::count(handled.begin(), handled.end(), event) != 0) << event;
        }
    }
}

TEST_F(WindowLifeTest, SingleWindowIsFoundHiddenOrNotAndIsGoneAfterTheUserClosesIt) {
    ProbeWindow& first = Open(std::make_unique<ProbeWindow>("Single.Single", std::vector<std::string>{"Close"}));
    auto destroyed = first.destroyed;
    EXPECT_EQ(fw::GetImplicitWindow("Single.Single"), &first);
    first.Hide();
    EXPECT_EQ(fw::GetImplicitWindow("Single.Single"), &first);

    auto& timer = first.NewControl<fw::Timer>("Timer1");
    int fired = 0;
    timer.Action.Bind([&](fw::Timer&) { ++fired; });
    fw::SetProperties(timer, {{"Period", 1}, {"RunMode", 2}});

    first.Widget()->close(); // as the close box does
    EXPECT_EQ(first.log.back(), "Close");
    EXPECT_EQ(fw::GetImplicitWindow("Single.Single"), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return *destroyed; }));
    const int firedAtClose = fired;

    auto& second = Open(std::make_unique<ProbeWindow>("Single.Single", std::vector<std::string>{"Close"}));
    EXPECT_EQ(fw::GetImplicitWindow("Single.Single"), &second);
    EXPECT_EQ(second.ControlByName("Timer1"), nullptr); // a fresh window, without the old controls
    QCoreApplication::processEvents();
    EXPECT_EQ(fired, firedAtClose);
}

TEST_F(WindowLifeTest, ClosedFromItsOwnHandlerTheWindowLivesUntilTheHandlerReturns) {
    bool aliveAfterClose = false;
    ProbeWindow& window = OpenWith({"KeyDown"}, {});
    auto destroyed = window.destroyed;
    window.onKey = [&](const std::string&) {
        window.Close();
        fw::MsgBox("nested"); // a modal box runs the event loop inside the handler
        QCoreApplication::processEvents();
        aliveAfterClose = !*destroyed && window.ClassName().rfind("Probe", 0) == 0;
        return true;
    };
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    QTest::keyClick(window.Widget(), Qt::Key_A);
    EXPECT_TRUE(aliveAfterClose);
    EXPECT_TRUE(QTest::qWaitFor([&] { return *destroyed; }));
}

TEST_F(WindowLifeTest, FailedConstructionPassesTheExceptionAndLeavesNoWindow) {
    auto window = std::make_unique<ProbeWindow>("Broken.Broken", std::vector<std::string>{"Layout"});
    window->onLayout = [](ProbeWindow&) { throw fw::NilObjectException("no menu bar"); };
    EXPECT_THROW(Open(std::move(window)), fw::NilObjectException);
    EXPECT_EQ(fw::GetImplicitWindow("Broken.Broken"), nullptr);
    EXPECT_THROW(fw::Window("Never.Registered"), fw::InvalidArgumentException);
}

TEST_F(WindowLifeTest, ControlsAreFoundByNameAndCastChecked) {
    ProbeWindow& window = OpenWith({}, [](ProbeWindow& w) {
        w.NewControl<fw::TextField>("totalFld");
        w.NewControl<fw::Label>("totalText");
    });
    EXPECT_EQ(&window.ControlAs<fw::TextField>("totalFld"), window.ControlByName("totalFld"));
    EXPECT_EQ(window.ControlByName("nothing"), nullptr);
    EXPECT_THROW(window.ControlAs<fw::TextField>("nothing"), fw::NilObjectException);
    EXPECT_THROW(window.ControlAs<fw::TextField>("totalText"), fw::IllegalCastException);
    EXPECT_THROW(window.NewControl<fw::Label>("totalText"), fw::InvalidArgumentException);
    EXPECT_THROW(window.ControlAs<fw::Label>("totalText").SetProperty("Name", "totalFld"), fw::InvalidArgumentException);
    window.ControlAs<fw::Label>("totalText").SetProperty("Name", "renamed");
    EXPECT_NE(window.ControlByName("renamed"), nullptr);
    ProbeWindow& other = OpenWith({}, {});
    EXPECT_THROW(window.AddControl("stray", std::make_unique<fw::Label>(other)), fw::InvalidArgumentException);
}
