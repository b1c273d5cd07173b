// What holds for every window, seen through the framework probe on a real desktop: message boxes
// show their text as given, and one face draws the whole interface.
#include "DesktopTest.h"

#include <QString>
#include <QStringList>

namespace {

using MessageBoxOnDesktop = DesktopTest;

TEST_F(MessageBoxOnDesktop, ShowsItsTextAsGivenNeverAsMarkup) {
    StartProbe({"box", "<b>Total</b> & <i>2-100</i>\rsecond line"});
    const auto box = [](const AccessibleTree& t) {
        return t.Find([](const AccessibleNode& n) { return n.depth == 1 && n.role == "alert" && n.Has("showing"); });
    };
    const AccessibleTree tree = TreeWhere([&](const AccessibleTree& t) { return box(t) != nullptr; });
    ASSERT_NE(box(tree), nullptr);
    const auto labels =
        tree.Below(*box(tree), [](const AccessibleNode& n) { return n.role == "label" && !n.name.empty(); });
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels.front()->name, "<b>Total</b> & <i>2-100</i>\nsecond line");
    desktop::Keys({"Return"});
    EXPECT_EQ(program->WaitForExit(kWaitMs), 0) << program->Output();
}

using InterfaceFaceOnDesktop = DesktopTest;

// Each line of the probe: "window, Qt class, text: face drawn".
TEST_F(InterfaceFaceOnDesktop, SystemFaceDrawsMenusControlsAndMessageBoxes) {
    StartProbe({"faces"});
    ASSERT_EQ(program->WaitForExit(kWaitMs), 0) << program->Output();
    const QStringList lines = QString::fromStdString(program->Output()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList seen;
    for (const QString& line : lines) {
        const qsizetype colon = line.lastIndexOf(QLatin1String(": "));
        if (colon < 0) continue;
        const QString piece = line.left(colon);
        seen << piece.section(QLatin1String(", "), 0, 1);
        const bool results = piece.startsWith(QLatin1String("ControlWnd.ControlWnd, QPlainTextEdit"));
        EXPECT_EQ(line.mid(colon + 2).toStdString(), results ? "Liberation Mono" : "Liberation Sans")
            << piece.toStdString();
    }
    for (const char* piece :
         {"ControlWnd.ControlWnd, QMenuBar", "ControlWnd.ControlWnd, QMenu", "ControlWnd.ControlWnd, QLabel",
          "ControlWnd.ControlWnd, QLineEdit", "ControlWnd.ControlWnd, QPushButton",
          "ControlWnd.ControlWnd, QPlainTextEdit", "helpWnd.helpWnd, QMenuBar", "AboutWnd.AboutWnd, QLabel",
          "message box, QLabel", "message box, QPushButton"}) {
        EXPECT_TRUE(seen.contains(QLatin1String(piece))) << piece;
    }
}

} // namespace
