// The experiment window as it stands after the hand-over: size, look, icon, captions, tab order.
#include "ExperimentTest.h"

#include "help/HelpText.h"
#include "shell/MenuBar1.h"
#include "shell/Pictures.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>

namespace {

using LayoutTest = ExperimentTest;

TEST_F(LayoutTest, IsOneFixedWhiteWindowWithTheSharedMenuBarIconAndCredit) {
    QWidget* frame = Wnd().Widget();
    EXPECT_EQ(Wnd().Content()->size(), QSize(575, 700));  // below the menu bar
    EXPECT_EQ(Wnd().Content()->y(), frame->findChild<QMenuBar*>()->height());
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_EQ(frame->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                      Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint),
              Qt::WindowCloseButtonHint);
    EXPECT_EQ(Wnd().Content()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(Wnd().MenuBar(), kestrow::MenuBar1());
    EXPECT_EQ(kestrow::MenuBar1()->Count(), 3u);  // installing it again built nothing more
    ASSERT_NE(Wnd().Canvas1().Backdrop(), nullptr);
    EXPECT_EQ(Wnd().Canvas1().Backdrop(), kestrow::icon_64());
    EXPECT_EQ(Wnd().Label2().Text(), kestrow::CreditLine());
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
