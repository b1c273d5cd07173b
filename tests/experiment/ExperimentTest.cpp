#include "ExperimentTest.h"

#include <QApplication>

void ExperimentTest::SetUp() {
    AppTest::SetUp();
    fw::Window* about = OpenWindow("AboutWnd.AboutWnd");
    ASSERT_NE(about, nullptr);
    StopAboutTimer(); // the press alone hands over, and nothing hands over again during the test
    ASSERT_NO_FATAL_FAILURE(ShowActive(*about));
    Press(about->Content(), QPoint(10, 100)); // a corner away from the labels and the picture
    ASSERT_TRUE(WaitActive("ControlWnd.ControlWnd"));
}

ExperimentTest::Fields ExperimentTest::FieldTexts() {
    Fields texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = Wnd().ControlAs<fw::TextField>(kFieldNames[i]).Text();
    return texts;
}

void ExperimentTest::SetFieldTexts(const Fields& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) Wnd().ControlAs<fw::TextField>(kFieldNames[i]).SetText(texts[i]);
}

bool ExperimentTest::WaitForFocus(const std::string& controlName) {
    QWidget* widget = WidgetOf(Wnd(), controlName);
    return QTest::qWaitFor([widget] { return QApplication::focusWidget() == widget; });
}
