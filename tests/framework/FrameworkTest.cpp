#include "FrameworkTest.h"

#include "framework/detail/WindowRegistry.h"

#include <QApplication>
#include <QWidget>

void FrameworkTest::SetUp() {
    fw::SetMsgBoxHook([this](const std::string& text) { boxes.push_back(text); });
    fw::SetBeepHook([this] { ++beeps; });
}

void FrameworkTest::TearDown() {
    for (fw::Window* window : fw::detail::OpenWindows()) window->Close();
    fw::detail::DestroyAllWindows();
    fw::SetMsgBoxHook([](const std::string& text) { ADD_FAILURE() << "Unexpected message box: " << text; });
    fw::SetBeepHook(nullptr);
    fw::Picture::SetResourceFolder("");
}

void FrameworkTest::ShowActive(fw::Window& window) {
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.Widget()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.Widget()));
}
