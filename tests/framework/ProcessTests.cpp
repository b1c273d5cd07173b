// How a program ends, seen from outside: each case runs the scenario program as a child process
// and checks its exit status and what it reported.
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

struct EndCase {
    const char* scenario;
    int status;
    std::vector<const char*> reported; // on stderr
};

void PrintTo(const EndCase& c, std::ostream* out) { *out << c.scenario; }

class ProgramEndTest : public ::testing::TestWithParam<EndCase> {};

} // namespace

TEST_P(ProgramEndTest, ExitStatusAndReport) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains("QT_QPA_PLATFORM")) environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral(KESTROW_SCENARIO_PROGRAM), {QString::fromLatin1(GetParam().scenario)});
    ASSERT_TRUE(child.waitForFinished(60000));
    const std::string errors = child.readAllStandardError().toStdString();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << errors;
    EXPECT_EQ(child.exitCode(), GetParam().status) << errors;
    for (const char* text : GetParam().reported) EXPECT_NE(errors.find(text), std::string::npos) << text << "\n" << errors;
    if (GetParam().reported.empty()) {
        EXPECT_EQ(errors.find("Unhandled"), std::string::npos) << errors;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, ProgramEndTest,
    ::testing::Values(EndCase{"quit-twice", 3, {}}, EndCase{"quit-before-run", 4, {}},
                      EndCase{"handler-throws", 1, {"Unhandled NilObjectException: the window is gone", "box: An unhandled NilObjectException"}},
                      EndCase{"handler-throws-std", 1, {"plain failure"}},
                      EndCase{"quit-then-throw", 1, {"IllegalCastException: late"}},
                      EndCase{"startup-throws", 1, {"Unhandled IllegalCastException: not a window"}},
                      EndCase{"last-window-closed", 0, {}}, EndCase{"quit-menu-default", 0, {}}),
    [](const auto& row) {
        std::string name = row.param.scenario;
        for (char& c : name) {
            if (c == '-') c = '_';
        }
        return name;
    });
