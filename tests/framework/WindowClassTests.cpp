// Window classes registered from their C++ class: the handled events are read off the overrides,
// also those of a base between the class and Window, and ImplicitWindow builds a window by class
// name through the registered factory, once, failing loudly where it cannot.
#include "FrameworkTest.h"
#include "framework/WindowClass.h"

#include <algorithm>

namespace {

class PlainWnd : public fw::Window {
public:
    PlainWnd() : fw::Window("PlainWnd.PlainWnd") {}
};

class KeyedBase : public fw::Window {
public:
    using fw::Window::Window;
    bool Event_KeyDown(const std::string&) override { return false; }
};

class KeyedWnd : public KeyedBase {
public:
    KeyedWnd() : KeyedBase("KeyedWnd.KeyedWnd") {}
    void Layout() override { ++layouts; }
    void Event_Close() override {}
    int layouts = 0;
};

class WindowClassTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        fw::RegisterWindowClass<PlainWnd>("PlainWnd.PlainWnd");
        fw::RegisterWindowClass<KeyedWnd>("KeyedWnd.KeyedWnd");
    }
};

TEST_F(WindowClassTest, HandledEventsAreTheOverriddenOnes) {
    const std::pair<const char*, std::vector<std::string>> rows[] = {
        {"PlainWnd.PlainWnd", {}},
        {"KeyedWnd.KeyedWnd", {"Close", "KeyDown", "Layout"}},
    };
    for (const auto& [className, handled] : rows) {
        for (const char* event : {"Layout", "CreateControls", "AddMenuHandlers", "KeyDown", "MouseDown", "Close"}) {
            const bool expected = std::count(handled.begin(), handled.end(), event) != 0;
            EXPECT_EQ(fw::ClassHandlesEvent(className, event), expected) << className << " " << event;
        }
    }
}

TEST_F(WindowClassTest, ImplicitWindowBuildsTheClassByNameOnce) {
    fw::Window& built = fw::ImplicitWindow("KeyedWnd.KeyedWnd");
    auto* keyed = dynamic_cast<KeyedWnd*>(&built);
    ASSERT_NE(keyed, nullptr);
    EXPECT_EQ(keyed->layouts, 1);
    EXPECT_TRUE(built.Widget()->isVisible());
    EXPECT_EQ(&fw::ImplicitWindow("KeyedWnd.KeyedWnd"), &built);
    EXPECT_EQ(&fw::ImplicitWindow<KeyedWnd>("KeyedWnd.KeyedWnd"), keyed);
    EXPECT_EQ(keyed->layouts, 1);
    EXPECT_THROW(fw::ImplicitWindow<PlainWnd>("KeyedWnd.KeyedWnd"), fw::IllegalCastException);
}

TEST_F(WindowClassTest, ImplicitWindowFailsLoudlyWithoutAFitFactory) {
    fw::RegisterClass("NoFactory.NoFactory", "Window", {});
    // Registered under a name its windows do not carry: they would never be found again.
    fw::RegisterWindowClass<PlainWnd>("Mislabelled.Mislabelled");
    for (const char* className : {"NoFactory.NoFactory", "Never.Registered", "Mislabelled.Mislabelled"}) {
        EXPECT_THROW(fw::ImplicitWindow(className), fw::InvalidArgumentException) << className;
    }
    EXPECT_TRUE(fw::detail::OpenWindows().empty());
}

} // namespace
