// How a program ends, seen from outside: each case runs the scenario program as a child process
// and checks its exit status and what it reported on stderr (with nothing to report, no report of
// an unhandled exception). The children inherit the test program's platform, and each is given
// Qt's options for a mirrored layout and a style sheet, which the program must ignore.
#include <QProcess>
#include <QTemporaryFile>
#include <gtest/gtest.h>

TEST(ProgramEnd, ExitStatusAndReport) {
    const std::tuple<const char*, int, std::vector<const char*>> rows[] = {
        {"quit_twice", 3, {}},
        {"quit_before_run", 4, {}},
        {"handler_throws",
         1,
         {"Unhandled NilObjectException: the window is gone", "box: An unhandled NilObjectException"}},
        {"handler_throws_std", 1, {"plain failure"}},
        {"quit_then_throw", 1, {"IllegalCastException: late"}},
        {"last_window_closed", 0, {}},
        {"qt_options", 0, {}}};
    QTemporaryFile styleSheet;
    ASSERT_TRUE(styleSheet.open());
    styleSheet.write("* { color: red; }");
    styleSheet.flush();
    for (const auto& [scenario, status, reported] : rows) {
        SCOPED_TRACE(scenario);
        QProcess child;
        child.start(QStringLiteral(KESTROW_SCENARIO_PROGRAM),
                    {QString::fromLatin1(scenario), "-reverse", "-stylesheet", styleSheet.fileName()});
        ASSERT_TRUE(child.waitForFinished(60000));
        const std::string errors = child.readAllStandardError().toStdString();
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << errors;
        EXPECT_EQ(child.exitCode(), status) << errors;
        for (const char* text : reported) EXPECT_NE(errors.find(text), std::string::npos) << text << "\n" << errors;
        EXPECT_EQ(errors.find("Unhandled") == std::string::npos, reported.empty()) << errors;
    }
}
