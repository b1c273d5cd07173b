// The start as the user meets it: one window, the About window without a menu bar where the
// platform puts it, and the application object's version data; then, in a child process running
// the real start-up, the roads by which the program ends and their exit status, and that two
// launches draw differently.
#include "AppTest.h"

#include "about/AboutWnd.h"
#include "framework/Application.h"
#include "framework/Runtime.h"

#include <QProcess>
#include <algorithm>
#include <array>

namespace {

using StartTest = AppTest;

// The About window stands where the platform puts new windows: the program never moves it.
TEST_F(StartTest, OpensOnlyTheAboutWindowWithoutAMenuBarWhereThePlatformPutsIt) {
    EXPECT_EQ(fw::detail::OpenWindows().size(), 1u);
    EXPECT_TRUE(IsShown("AboutWnd.AboutWnd"));
    EXPECT_FALSE(kestrow::AboutWnd().Widget()->testAttribute(Qt::WA_Moved));
    EXPECT_EQ(kestrow::AboutWnd().MenuBar(), nullptr);
    EXPECT_TRUE(WaitActive("AboutWnd.AboutWnd"));
}

TEST_F(StartTest, VersionDataReadsBack) {
    const fw::Application& app = fw::NotNil(fw::RuntimeAppObject());
    EXPECT_EQ(app.ClassName(), "Kestrow");
    EXPECT_EQ(std::vector<std::int64_t>(
                  {app.MajorVersion(), app.MinorVersion(), app.BugVersion(), app.NonReleaseVersion(), app.StageCode()}),
              std::vector<std::int64_t>({1, 0, 0, 0, 0}));
    EXPECT_EQ(std::tuple(app.LongVersion(), app.ShortVersion(), app.PackageInfo()),
              std::tuple(std::string("© the Kestrow authors"), std::string("1.0"), std::string("Kestrow")));
}

// Each road ends with status 0 and no report, except a failed start-up: non-zero, reported on stderr.
class ProgramRoadTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ProgramRoadTest, EndsWithItsStatus) {
    const bool succeeds = std::string(GetParam()) != "startup_fails";
    QProcess child;
    child.start(QStringLiteral(KESTROW_APP_SCENARIO), {QString::fromLatin1(GetParam())});
    ASSERT_TRUE(child.waitForFinished(60000));
    const std::string errors = child.readAllStandardError().toStdString();
    ASSERT_EQ(child.exitStatus(), QProcess::NormalExit) << errors;
    EXPECT_EQ(child.exitCode() == 0, succeeds) << child.exitCode() << errors;
    EXPECT_EQ(errors.find("Unhandled") == std::string::npos, succeeds) << errors;
}

INSTANTIATE_TEST_SUITE_P(Roads, ProgramRoadTest, ::testing::Values("close_experiment", "startup_fails"),
                         [](const auto& row) { return std::string(row.param); });

// Two launches, each pressing Calculate with 50 red, 50 green, add 1 and 1000 repetitions. The
// results show 999 draws; the likeliest sequence of them (one colour throughout) has a chance of
// about 4e-59, so two independent launches print the same results with a chance below 1e-58.
TEST(ProgramLaunches, DrawDifferentResults) {
    std::array<QProcess, 2> children;
    for (QProcess& child : children) child.start(QStringLiteral(KESTROW_APP_SCENARIO), {QStringLiteral("calculate")});
    std::array<std::string, 2> results;
    for (std::size_t i = 0; i < children.size(); ++i) {
        ASSERT_TRUE(children[i].waitForFinished(60000));
        const std::string errors = children[i].readAllStandardError().toStdString();
        ASSERT_EQ(children[i].exitStatus(), QProcess::NormalExit) << errors;
        ASSERT_EQ(children[i].exitCode(), 0) << errors;
        results[i] = children[i].readAllStandardOutput().toStdString();
        EXPECT_EQ(std::count(results[i].begin(), results[i].end(), '\r'), 1002) << results[i].substr(0, 200);
        EXPECT_EQ(results[i].rfind("  Red         Green\r----------------------\r50 (50%)     50 (50%)\r", 0), 0u)
            << results[i].substr(0, 200);
    }
    EXPECT_TRUE(results[0] != results[1]) << "both launches printed\n" << results[0].substr(0, 200);
}

} // namespace
