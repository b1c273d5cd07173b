// The start as the user meets it: one window, the About window, under the application's menu bar,
// and the application object's version data; then, in a child process running the real start-up,
// the roads by which the program ends and their exit status.
#include "AppTest.h"

#include "framework/Application.h"
#include "framework/Runtime.h"
#include "framework/detail/WindowRegistry.h"
#include "help/HelpText.h"
#include "shell/AboutWnd.h"
#include "shell/MenuBar1.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {

using StartTest = AppTest;

TEST_F(StartTest, OpensOnlyTheAboutWindowUnderTheSharedMenuBar) {
    EXPECT_EQ(ShownWindows(), std::vector<std::string>{"AboutWnd.AboutWnd"});
    EXPECT_EQ(fw::detail::OpenWindows().size(), 1u);
    ASSERT_NE(fw::RuntimeAppObject(), nullptr);
    EXPECT_EQ(fw::RuntimeAppObject()->MenuBar(), kestrow::MenuBar1());
    EXPECT_EQ(kestrow::AboutWnd().MenuBar(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([] { return IsActive("AboutWnd.AboutWnd"); }));
}

TEST_F(StartTest, VersionDataReadsBack) {
    const fw::Application& app = fw::NotNil(fw::RuntimeAppObject());
    EXPECT_EQ(app.ClassName(), "Kestrow");
    EXPECT_EQ(std::vector<std::int64_t>({app.MajorVersion(), app.MinorVersion(), app.BugVersion(),
                                         app.NonReleaseVersion(), app.StageCode()}),
              std::vector<std::int64_t>({1, 0, 0, 0, 0}));
    EXPECT_EQ(app.LongVersion(), kestrow::CreditLine());
    EXPECT_EQ(app.ShortVersion(), "1.0");
    EXPECT_EQ(app.PackageInfo(), "Kestrow");
}

struct Road {
    const char* name;
    bool succeeds; // status 0 and no report, else a non-zero status with the report on stderr
    const char* printed;
};
void PrintTo(const Road& r, std::ostream* out) { *out << r.name; }
class ProgramRoadTest : public ::testing::TestWithParam<Road> {};

TEST_P(ProgramRoadTest, EndsWithItsStatus) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains("QT_QPA_PLATFORM")) environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral(KESTROW_APP_SCENARIO), {QString::fromLatin1(GetParam().name)});
    ASSERT_TRUE(child.waitForFinished(60000));
    const std::string out = child.readAllStandardOutput().toStdString();
    const std::string errors = child.readAllStandardError().toStdString();
    ASSERT_EQ(child.exitStatus(), QProcess::NormalExit) << errors;
    EXPECT_EQ(child.exitCode() == 0, GetParam().succeeds) << child.exitCode() << errors;
    EXPECT_EQ(errors.find("Unhandled") == std::string::npos, GetParam().succeeds) << errors;
    EXPECT_NE(out.find(GetParam().printed), std::string::npos) << out;
}

INSTANTIATE_TEST_SUITE_P(
    Roads, ProgramRoadTest,
    ::testing::Values(Road{"start", true, "shown: AboutWnd.AboutWnd\napplication menu bar: MenuBar1\n"},
                      Road{"file_quit", true, ""}, Road{"close_experiment", true, ""},
                      Road{"startup_fails", false, ""}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
