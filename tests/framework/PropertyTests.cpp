// Property tables: typos, wrong types and values out of range are rejected without changing the
// property; what the visible properties do to the Qt widgets.
#include "FrameworkTest.h"

#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

using fw::Color;

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
        {&Make<fw::TextArea>, {"TabIndex", 1.5}, "TypeMismatchException"},  // a whole number from a double
        {&Make<fw::PushButton>, {"TextColor", Color{0}}, "KeyNotFoundException"},
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

TEST_F(PropertyTest, WindowKindAndTitleBarButtons) {
    ProbeWindow& dialog = OpenWith({}, {}, {{"Type", 2}, {"HasMaximizeButton", true}, {"HasMinimizeButton", false}, {"Visible", false}});
    dialog.SetMenuBar(std::make_shared<fw::MenuBar>());
    const Qt::WindowFlags flags = dialog.Widget()->windowFlags();
    EXPECT_EQ(dialog.Widget()->windowType(), Qt::Dialog);
    EXPECT_EQ(dialog.Widget()->findChild<QMenuBar*>(), nullptr); // dialog-style windows show no menu bar
    EXPECT_TRUE(flags.testFlag(Qt::WindowMaximizeButtonHint) && flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(dialog.Widget()->isVisible());

    ProbeWindow& plain = OpenWith({}, {}, {{"HasBackgroundColor", true}, {"BackgroundColor", Color{0x123456}},
                                           {"Width", 575}, {"Height", 330}, {"Title", "Kestrow"}, {"Resizeable", false}});
    EXPECT_EQ(plain.Widget()->windowType(), Qt::Window);
    EXPECT_TRUE(plain.Widget()->isVisible());
    EXPECT_EQ(plain.Widget()->windowTitle(), "Kestrow");
    EXPECT_EQ(plain.Content()->size(), QSize(575, 330));
    EXPECT_EQ(plain.Widget()->minimumSize(), plain.Widget()->maximumSize()); // the user cannot resize it
    EXPECT_NE(dialog.Widget()->minimumSize(), dialog.Widget()->maximumSize());
    EXPECT_TRUE(plain.Content()->autoFillBackground());
    EXPECT_EQ(plain.Content()->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
}

TEST_F(PropertyTest, FontsColoursAlignmentAndLimitsReachQt) {
    ProbeWindow& window = OpenWith({}, {}, {{"Visible", false}});
    auto& title = window.NewControl<fw::Label>("title");
    fw::SetProperties(title, {{"FontName", "System"}, {"FontSize", 32.0F}, {"Bold", true}, {"TextAlignment", 2},
                              {"TextColor", Color{0x000080}}, {"Value", "Kestrow"}});
    const QFont font = title.Widget()->font();
    EXPECT_FALSE(QFontInfo(font).fixedPitch());
    EXPECT_EQ(font.pixelSize(), 32); // a point is one device-independent pixel
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(static_cast<QLabel*>(title.Widget())->alignment().testFlag(Qt::AlignHCenter));
    EXPECT_EQ(title.Widget()->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));

    auto& area = window.NewControl<fw::TextArea>("area");
    fw::SetProperties(area, {{"FontName", "Courier"}, {"FontSize", 11}, {"HasHorizontalScrollbar", true},
                             {"ReadOnly", true}, {"HasBorder", false}, {"TextAlignment", 1}});
    EXPECT_TRUE(QFontInfo(area.Widget()->font()).fixedPitch());
    EXPECT_EQ(area.Editor()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_NE(area.Editor()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(area.Editor()->isReadOnly());
    EXPECT_EQ(area.Editor()->frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(area.Editor()->document()->defaultTextOption().alignment().testFlag(Qt::AlignTrailing));

    auto& field = window.NewControl<fw::TextField>("field");
    fw::SetProperties(field, {{"Left", 20}, {"Top", 126}, {"Width", 80}, {"Height", 22}, {"Enabled", false}});
    EXPECT_EQ(field.Widget()->geometry(), QRect(20, 126, 80, 22));
    EXPECT_FALSE(field.Widget()->isEnabled());
}
