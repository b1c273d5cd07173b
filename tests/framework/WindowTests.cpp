// Windows: one closed from its own handler lives until the handler has returned, then is destroyed.
#include "FrameworkTest.h"

#include <QCoreApplication>

using WindowLifeTest = FrameworkTest;

TEST_F(WindowLifeTest, ClosedFromItsOwnHandlerTheWindowLivesUntilTheHandlerReturns) {
    bool aliveAfterClose = false;
    ProbeWindow& window = OpenWith({"KeyDown"}, {});
    auto destroyed = window.destroyed;
    window.onKey = [&](const std::string&) {
        window.Close();
        fw::MsgBox("nested"); // a modal box runs the event loop inside the handler
        QCoreApplication::processEvents();
        aliveAfterClose = !*destroyed && window.ClassName().rfind("Probe", 0) == 0;
        return true;
    };
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    QTest::keyClick(window.Widget(), Qt::Key_A);
    EXPECT_TRUE(aliveAfterClose);
    EXPECT_TRUE(QTest::qWaitFor([&] { return *destroyed; }));
}
