// Property tables: typos, wrong types and values out of range are rejected without changing the
// property.
#include "FrameworkTest.h"

namespace {

using PropertyTest = FrameworkTest;

fw::PropertyHolder& WindowItself(fw::Window& window) { return window; }
template <class C>
fw::PropertyHolder& Make(fw::Window& window) {
    return window.NewControl<C>("c");
}

} // namespace

TEST_F(PropertyTest, RejectedEntriesThrowAndKeepTheOldValue) {
    const std::tuple<fw::PropertyHolder& (*)(fw::Window&), fw::PropertyEntry, const char*> rows[] = {
        {&WindowItself, {"Widht", 500}, "KeyNotFoundException"},
        {&WindowItself, {"Title", 5}, "TypeMismatchException"},
        {&WindowItself, {"Type", 1}, "InvalidArgumentException"},
        {&WindowItself, {"Width", -1}, "InvalidArgumentException"},
        {&WindowItself, {"BackgroundColor", 0xFFFFFF}, "TypeMismatchException"},
        {&Make<fw::Label>, {"Value", true}, "TypeMismatchException"},
        {&Make<fw::TextField>, {"ValidationMask", "##a"}, "InvalidArgumentException"},
        {&Make<fw::TextArea>, {"TabIndex", 1.5}, "TypeMismatchException"}, // a whole number from a double
        {&Make<fw::PushButton>, {"TextColor", fw::Color{0}}, "KeyNotFoundException"},
        {&Make<fw::Timer>, {"RunMode", 3}, "InvalidArgumentException"}};
    for (const auto& [make, entry, exceptionClass] : rows) {
        SCOPED_TRACE(entry.name);
        fw::PropertyHolder& target = make(OpenWith({}, {}, {{"Visible", false}}));
        const bool known = target.HasProperty(entry.name);
        const fw::PropertyValue before = known ? target.Property(entry.name) : fw::PropertyValue(0);
        try {
            fw::SetProperties(target, {entry});
            ADD_FAILURE() << "accepted";
        } catch (const fw::RuntimeException& e) {
            EXPECT_EQ(e.ClassName(), exceptionClass);
        }
        EXPECT_EQ(known ? target.Property(entry.name) : fw::PropertyValue(0), before);
    }
}
