// The window classes as the start-up registers them: each handles exactly the events its window
// overrides. An override that the registry missed would never be raised.
#include "framework/ClassRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct HandledEventsCase {
    const char* name;
    const char* className;
    std::vector<std::string> handled;
};
void PrintTo(const HandledEventsCase& c, std::ostream* out) { *out << c.name; }

class HandledEventsTest : public ::testing::TestWithParam<HandledEventsCase> {};

TEST_P(HandledEventsTest, AreExactlyTheOverriddenHandlers) {
    const HandledEventsCase& row = GetParam();
    for (const char* event : {"Layout", "CreateControls", "AddMenuHandlers", "KeyDown", "MouseDown", "Close"}) {
        const bool expected = std::count(row.handled.begin(), row.handled.end(), event) != 0;
        EXPECT_EQ(fw::ClassHandlesEvent(row.className, event), expected) << event;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, HandledEventsTest,
    ::testing::Values(
        HandledEventsCase{"About", "AboutWnd.AboutWnd", {"CreateControls", "KeyDown", "Layout", "MouseDown"}},
        HandledEventsCase{
            "Experiment", "ControlWnd.ControlWnd", {"AddMenuHandlers", "Close", "CreateControls", "Layout"}},
        HandledEventsCase{"Help", "helpWnd.helpWnd", {"AddMenuHandlers", "CreateControls", "Layout"}}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
