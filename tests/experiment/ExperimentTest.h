// Fixture of the experiment window's tests: starts like the program, with the About window, and
// hands over to the experiment window by a mouse press in the About window, its timer stopped.
#pragma once

#include "AppTest.h"
#include "experiment/ControlWnd.h"

#include <array>
#include <string>

class ExperimentTest : public AppTest {
public:
    using Fields = std::array<std::string, 5>; // total, red, green, add, repetitions

    static class kestrow::ControlWnd& Wnd() { return kestrow::ControlWnd(); }
    static Fields FieldTexts();
    static void SetFieldTexts(const Fields& texts);
    // Waits until the window's control of that name has the keyboard focus.
    static bool WaitForFocus(const std::string& controlName);

protected:
    void SetUp() override;
};

inline const std::array<std::string, 5> kFieldNames{"totalFld", "redFld", "greenFld", "addFld", "repeatFld"};
