// The About window as the user sees it, read back from the Qt widgets: each control's place, text,
// face, type size, weight, alignment and colour, and the window itself.
#include "AppTest.h"
#include "ShownLook.h"

#include "about/AboutWnd.h"

#include <QWindow>

namespace {

using namespace looks;

const Look kLooks[] = {
    {"StaticText1", {0, 13, 486, 52}, "Kestrow", Face::Sans, 32, true, Centre, Navy, None},
    {"StaticText2", {0, 272, 500, 15}, "© the Kestrow authors", Face::Sans, 9, false, Centre, Navy, None},
    {"Canvas1", {148, 67, 203, 193}, "", Face::None, 0, false, NoAlign, None, None},
};

// The About window as the program opens it, on screen; its timer stopped so that it stays.
class AboutLayoutTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        StopAboutTimer();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(kestrow::AboutWnd().Widget()));
    }
};

class AboutControlLook : public AboutLayoutTest, public ::testing::WithParamInterface<Look> {};

TEST_P(AboutControlLook, MatchesTheDesign) {
    ExpectShownAs(WidgetOf(kestrow::AboutWnd(), GetParam().name), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Controls, AboutControlLook, ::testing::ValuesIn(kLooks),
                         [](const auto& row) { return std::string(row.param.name); });

// No menu bar above the content; the user can resize it between 64 and 32000 pixels each way.
TEST_F(AboutLayoutTest, IsAResizeableWhiteDialogWithABlankTitleAndNoMenuBar) {
    auto& about = kestrow::AboutWnd();
    QWidget* frame = about.Widget();
    EXPECT_EQ(frame->size(), QSize(500, 300));
    EXPECT_EQ(about.Content()->geometry(), QRect(0, 0, 500, 300));
    EXPECT_EQ(frame->minimumSize(), QSize(64, 64));
    EXPECT_EQ(frame->maximumSize(), QSize(32000, 32000));
    EXPECT_EQ(frame->windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_EQ(frame->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                      Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint),
              Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(frame->isFullScreen());
    // Blank, not empty: the platform puts the application's name in an empty title.
    const QString title = frame->windowHandle()->title();
    EXPECT_TRUE(!title.isEmpty() && title.trimmed().isEmpty()) << title.toStdString();
    EXPECT_TRUE(about.Content()->autoFillBackground());
    EXPECT_EQ(about.Content()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(about.Content()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 3); // the timer has none
}

} // namespace
