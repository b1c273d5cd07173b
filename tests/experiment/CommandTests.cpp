// The Edit shortcuts edit the focused field. (The real-desktop tests pick the window's other
// commands, and end the program with Ctrl+Q.)
#include "ExperimentTest.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <tuple>

namespace {

using CommandTest = ExperimentTest;

// Each Edit shortcut, typed in the field that has the focus, runs its menu command; Delete has
// none and is picked from the menu. Select All is offered only while something is left to select.
TEST_F(CommandTest, EditShortcutsRunTheirCommandsOnTheFocusedField) {
    ASSERT_TRUE(WaitForFocus("totalFld"));
    QWidget* field = QApplication::focusWidget();
    const std::tuple<Qt::Key, const char*, const char*, const char*> steps[] = {
        // key, its command, the field's text and the clipboard after it
        {Qt::Key_A, "Select &All", "10", "x"},
        {Qt::Key_C, "&Copy", "10", "10"},
        {Qt::Key_X, "Cu&t", "", "10"},
        {Qt::Key_V, "&Paste", "10", "10"},
        {Qt::Key_Z, "&Undo", "", "10"}};
    QApplication::clipboard()->setText(QStringLiteral("x"));
    for (const auto& [key, caption, text, clipboard] : steps) {
        QSignalSpy ran(MenuCommand(Wnd(), QStringLiteral("&Edit"), QString::fromUtf8(caption)), &QAction::triggered);
        QTest::keyClick(field, key, Qt::ControlModifier);
        EXPECT_EQ(ran.count(), 1) << caption;
        EXPECT_EQ(Wnd().totalFld().Text(), text) << caption;
        EXPECT_EQ(QApplication::clipboard()->text(), clipboard) << caption;
    }
    Wnd().totalFld().SetText("10");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(MenuCommand(Wnd(), QStringLiteral("&Edit"), QStringLiteral("Select &All"))->isEnabled());
    Pick(Wnd(), "&Edit", "&Delete");
    EXPECT_EQ(Wnd().totalFld().Text(), "");
    EXPECT_EQ(beeps, 0); // no shortcut reached the key filter
}

} // namespace
