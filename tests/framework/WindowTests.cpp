// Windows: the order of construction events, single windows found and gone after a close,
// deferred destruction, controls by name and checked casts.
#include "FrameworkTest.h"

#include <QCoreApplication>

namespace {

struct OrderCase {
    const char* name;
    std::vector<std::string> handled;
    std::vector<std::string> expected;
};

void PrintTo(const OrderCase& c, std::ostream* out) { *out << c.name; }

class ConstructionOrderTest : public FrameworkTest, public ::testing::WithParamInterface<OrderCase> {};

} // namespace

TEST_P(ConstructionOrderTest, RaisesOnlyHandledEventsInOrderThenShows) {
    static int serial = 0;
    auto window = std::make_unique<ProbeWindow>("Order" + std::to_string(++serial) + ".Order", GetParam().handled);
    window->onCreateControls = [](ProbeWindow& w) {
        auto& area = w.NewControl<fw::TextArea>("area");
        area.SetText("text");
        area.Open.Bind([&w](fw::TextArea& opened) { w.log.push_back("Open:" + opened.Text()); });
    };
    ProbeWindow& opened = Open(std::move(window));
    EXPECT_EQ(opened.log, GetParam().expected);
    EXPECT_TRUE(opened.Widget()->isVisible());
    for (const char* event : {"Layout", "CreateControls", "AddMenuHandlers", "KeyDown"}) {
        const bool handled = std::count(GetParam().handled.begin(), GetParam().handled.end(), event) != 0;
        EXPECT_EQ(opened.IsEventImplemented(event), handled) << event;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Classes, ConstructionOrderTest,
    ::testing::Values(
        OrderCase{"AllThree", {"AddMenuHandlers", "CreateControls", "Layout"},
                  {"Layout", "CreateControls", "Open:text", "AddMenuHandlers"}},
        OrderCase{"NoMenuHandlers", {"Layout", "CreateControls"}, {"Layout", "CreateControls", "Open:text"}},
        OrderCase{"NoneHandled", {}, {}}),
    [](const auto& row) { return std::string(row.param.name); });

using WindowLifeTest = FrameworkTest;

namespace {
int gSoloBuilds = 0;
struct Solo : fw::Window {
    Solo() : fw::Window((fw::RegisterClass("Solo.Solo", "Window", {"Layout"}), "Solo.Solo")) {}
    void Layout() override { ++gSoloBuilds; }
};
} // namespace

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
    ProbeWindow* self = nullptr;
    ProbeWindow& window = OpenWith({"KeyDown"}, {});
    self = &window;
    auto destroyed = window.destroyed;
    window.onKey = [&](const std::string&) {
        self->Close();
        fw::MsgBox("nested"); // a modal box runs the event loop inside the handler
        QCoreApplication::processEvents();
        aliveAfterClose = !*destroyed && self->ClassName().rfind("Probe", 0) == 0;
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

TEST_F(WindowLifeTest, ImplicitWindowCreatesOnceAndChecksTheClass) {
    gSoloBuilds = 0;
    Solo& first = fw::ImplicitWindow<Solo>("Solo.Solo");
    EXPECT_EQ(&fw::ImplicitWindow<Solo>("Solo.Solo"), &first);
    EXPECT_EQ(gSoloBuilds, 1);
    Open(std::make_unique<ProbeWindow>("Other.Other", std::vector<std::string>{}));
    EXPECT_THROW(fw::ImplicitWindow<Solo>("Other.Other"), fw::IllegalCastException);
}
