// The menu bar as the user reads it in the experiment and help windows: menus, captions and
// shortcuts in display order, and where the platform may put Quit and About.
#include "AppTest.h"

#include "experiment/ControlWnd.h"
#include "help/helpWnd.h"

#include <QMenu>
#include <QMenuBar>

namespace {

// One line per menu: its caption, then each item as caption and shortcut, separators as "-".
std::vector<std::string> Shown(const fw::Window& window) {
    std::vector<std::string> menus;
    const auto* bar = window.Widget()->findChild<QMenuBar*>();
    if (bar == nullptr) return menus;
    for (const QAction* title : bar->actions()) {
        QString line = title->text() + QLatin1Char(':');
        for (const QAction* item : title->menu() != nullptr ? title->menu()->actions() : QList<QAction*>{}) {
            line += QLatin1Char(' ') + (item->isSeparator() ? QStringLiteral("-") : item->text());
            if (!item->shortcut().isEmpty())
                line += QLatin1Char('=') + item->shortcut().toString(QKeySequence::PortableText);
        }
        menus.push_back(line.toStdString());
    }
    return menus;
}

using MenuBar1Test = AppTest;

TEST_F(MenuBar1Test, ThreeMenusWithTheirItemsInOrder) {
    const std::vector<std::string> expected = {
        "&File: &Quit=Ctrl+Q About Title",
        "&Edit: &Undo=Ctrl+Z - Cu&t=Ctrl+X &Copy=Ctrl+C &Paste=Ctrl+V &Delete - Select &All=Ctrl+A",
        "Window: Control Info",
    };
    EXPECT_EQ(Shown(kestrow::ControlWnd()), expected);
    EXPECT_EQ(Shown(kestrow::helpWnd()), expected);
    for (const auto& [caption, role] :
         {std::pair{"&Quit", QAction::QuitRole}, {"About Title", QAction::PreferencesRole}}) {
        const QAction* action = MenuCommand(kestrow::ControlWnd(), QStringLiteral("&File"), QString::fromUtf8(caption));
        EXPECT_EQ(action != nullptr ? action->menuRole() : QAction::NoRole, role) << caption;
    }
}

} // namespace
