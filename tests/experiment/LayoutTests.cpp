// The experiment window as it stands after the hand-over: controls, texts, size, icon, tab order.
#include "ExperimentTest.h"

#include "help/HelpText.h"
#include "shell/MenuBar1.h"
#include "shell/Pictures.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>

namespace {

struct ControlRow {
    const char* name;
    const char* className;
    const char* text;  // Value, or Caption of a button; null where there is none to compare
};

const ControlRow kControls[] = {
    {"totalFld", "TextField", "10"},   {"totalText", "Label", "Total Balls"},      {"clearBtn", "PushButton", "Clear"},
    {"helpBtn", "PushButton", "?"},    {"calcBtn", "PushButton", "Calculate"},     {"redText", "Label", "Red Balls"},
    {"redFld", "TextField", "6"},      {"Label1", "Label", "Kestrow"},             {"greenText", "Label", "Green Balls"},
    {"greenFld", "TextField", "4"},    {"addText", "Label", "Balls to Add"},       {"addFld", "TextField", "1"},
    {"repeatText", "Label", "# Repetitions"}, {"repeatFld", "TextField", "100"},   {"Label3", "Label", "="},
    {"Label4", "Label", "+"},          {"outFld", "TextArea", ""},                 {"Label2", "Label", nullptr},
    {"Canvas1", "Canvas", nullptr},
};

using LayoutTest = ExperimentTest;

TEST_F(LayoutTest, HoldsTheNineteenControlsByNameClassAndDefaultText) {
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        const fw::Control* control = Wnd().ControlByName(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->ClassName(), row.className);
        if (row.text == nullptr) continue;
        EXPECT_EQ(control->Property(control->ClassName() == "PushButton" ? "Caption" : "Value").As<std::string>(),
                  row.text);
    }
    EXPECT_EQ(Wnd().Label2().Text(), kestrow::CreditLine());
}

TEST_F(LayoutTest, IsOneFixedWhiteWindowWithTheSharedMenuBarAndIcon) {
    EXPECT_EQ(OpenCount("ControlWnd.ControlWnd"), 1);
    QWidget* frame = Wnd().Widget();
    EXPECT_EQ(frame->windowTitle(), "Kestrow");
    EXPECT_EQ(Wnd().Content()->size(), QSize(575, 700));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_EQ(frame->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                      Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint),
              Qt::WindowCloseButtonHint);
    EXPECT_EQ(Wnd().Content()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(Wnd().MenuBar(), kestrow::MenuBar1());
    EXPECT_EQ(Wnd().AboutItem(), kestrow::MenuBar1()->Lookup("AboutItem"));
    ASSERT_NE(Wnd().Canvas1().Backdrop(), nullptr);
    EXPECT_EQ(Wnd().Canvas1().Backdrop(), kestrow::icon_64());
}

// A caption wider than its label is cut off on screen.
TEST_F(LayoutTest, CaptionsFitTheirLabelsOnOneLine) {
    for (const char* name : {"totalText", "redText", "greenText", "addText", "repeatText", "Label1", "Label2"}) {
        const auto* label = qobject_cast<QLabel*>(WidgetOf(Wnd(), name));
        ASSERT_NE(label, nullptr);
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width()) << name;
    }
}

// Tab walks the five fields only, wrapping round: buttons, results area and icon are skipped.
TEST_F(LayoutTest, TabMovesFromTheTotalThroughTheFiveFieldsOnly) {
    ASSERT_TRUE(WaitForFocus("totalFld"));
    for (std::size_t step = 1; step <= 2 * kFieldNames.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(WaitForFocus(kFieldNames[step % kFieldNames.size()])) << "after Tab " << step;
    }
    EXPECT_EQ(beeps, 0);
}

}  // namespace
