// Controls are made one after another, each with its table applied and its handler bound before
// the next exists. Handlers find controls by name on every use and keep no state between events.
#include "experiment/ControlWnd.h"

#include "core/InputChecks.h"
#include "core/Random.h"
#include "core/TextServices.h"
#include "core/UrnExperiment.h"
#include "experiment/ControlWndLayout.h"
#include "framework/Alerts.h"
#include "framework/BackgroundTask.h"
#include "framework/Cast.h"
#include "framework/KeyCodes.h"
#include "framework/Runtime.h"
#include "framework/WindowClass.h"
#include "windows/MenuBar1.h"
#include "windows/Pictures.h"
#include "windows/WindowClasses.h"

#include <variant>

namespace kestrow {

namespace {

// Makes the control, registers it under `name` and applies its table (found again by name, so
// the table goes to what the window really holds).
template <class C>
void Make(class ControlWnd& window, const std::string& name) {
    window.NewControl<C>(name);
    fw::SetProperties(window.ControlAs<C>(name), ControlWndControlTable(name));
}

// The digit filter: true drops the key (after one beep). Besides the digits it lets the editing
// keys through, as the framework codes them; the results area also takes ".".
bool DigitFilter(const std::string& key, bool allowFullStop) {
    const std::int64_t code = core::Asc(key);
    const bool digit = code >= '0' && code <= '9';
    const bool editing = code == fw::key::kBackspace || code == fw::key::kTab || code == fw::key::kDelete ||
                         code == fw::key::kLeft || code == fw::key::kRight;
    if (digit || editing || (allowFullStop && code == '.')) return false;
    fw::Beep();
    return true;
}

fw::TextField& FieldOf(const class ControlWnd& window, core::InputField field) {
    switch (field) {
    case core::InputField::Total: return window.totalFld();
    case core::InputField::Red: return window.redFld();
    case core::InputField::Green: return window.greenFld();
    case core::InputField::Add: return window.addFld();
    case core::InputField::Repeat: break;
    }
    return window.repeatFld();
}

} // namespace

ControlWnd::ControlWnd() : MenuBarWindow(kExperimentWindowClass) {}

void ControlWnd::Register() { fw::RegisterWindowClass<ControlWnd>(kExperimentWindowClass); }

void ControlWnd::Layout() {
    SetMenuBar(MenuBar1());
    fw::SetProperties(*this, ControlWndTable());
}

void ControlWnd::CreateControls() { CreateControls0(); }

void ControlWnd::CreateControls0() {
    Make<fw::TextField>(*this, "totalFld");
    totalFld().KeyDown.Bind(*this, &ControlWnd::totalFld_KeyDown);
    Make<fw::Label>(*this, "totalText");
    Make<fw::PushButton>(*this, "clearBtn");
    clearBtn().MouseDown.Bind(*this, &ControlWnd::clearBtn_MouseDown);
    Make<fw::PushButton>(*this, "helpBtn");
    helpBtn().MouseDown.Bind(*this, &ControlWnd::helpBtn_MouseDown);
    Make<fw::PushButton>(*this, "calcBtn");
    calcBtn().MouseDown.Bind(*this, &ControlWnd::calcBtn_MouseDown);
    Make<fw::Label>(*this, "redText");
    Make<fw::TextField>(*this, "redFld");
    redFld().KeyDown.Bind(*this, &ControlWnd::redFld_KeyDown);
    Make<fw::Label>(*this, "Label1");
    Make<fw::Label>(*this, "greenText");
    Make<fw::TextField>(*this, "greenFld");
    greenFld().KeyDown.Bind(*this, &ControlWnd::greenFld_KeyDown);
    Make<fw::Label>(*this, "addText");
    Make<fw::TextField>(*this, "addFld");
    addFld().KeyDown.Bind(*this, &ControlWnd::addFld_KeyDown);
    Make<fw::Label>(*this, "repeatText");
    Make<fw::TextField>(*this, "repeatFld");
    repeatFld().KeyDown.Bind(*this, &ControlWnd::repeatFld_KeyDown);
    Make<fw::Label>(*this, "Label3");
    Make<fw::Label>(*this, "Label4");
    Make<fw::TextArea>(*this, "outFld");
    outFld().KeyDown.Bind(*this, &ControlWnd::outFld_KeyDown);
    Make<fw::Label>(*this, "Label2");
    // The icon goes in before the canvas's table, which leaves it in place.
    NewControl<fw::Canvas>("Canvas1");
    Canvas1().SetBackdrop(icon_64());
    fw::SetProperties(Canvas1(), ControlWndControlTable("Canvas1"));
}

fw::TextField& ControlWnd::totalFld() const { return ControlAs<fw::TextField>("totalFld"); }
fw::Label& ControlWnd::totalText() const { return ControlAs<fw::Label>("totalText"); }
fw::PushButton& ControlWnd::clearBtn() const { return ControlAs<fw::PushButton>("clearBtn"); }
fw::PushButton& ControlWnd::helpBtn() const { return ControlAs<fw::PushButton>("helpBtn"); }
fw::PushButton& ControlWnd::calcBtn() const { return ControlAs<fw::PushButton>("calcBtn"); }
fw::Label& ControlWnd::redText() const { return ControlAs<fw::Label>("redText"); }
fw::TextField& ControlWnd::redFld() const { return ControlAs<fw::TextField>("redFld"); }
fw::Label& ControlWnd::Label1() const { return ControlAs<fw::Label>("Label1"); }
fw::Label& ControlWnd::greenText() const { return ControlAs<fw::Label>("greenText"); }
fw::TextField& ControlWnd::greenFld() const { return ControlAs<fw::TextField>("greenFld"); }
fw::Label& ControlWnd::addText() const { return ControlAs<fw::Label>("addText"); }
fw::TextField& ControlWnd::addFld() const { return ControlAs<fw::TextField>("addFld"); }
fw::Label& ControlWnd::repeatText() const { return ControlAs<fw::Label>("repeatText"); }
fw::TextField& ControlWnd::repeatFld() const { return ControlAs<fw::TextField>("repeatFld"); }
fw::Label& ControlWnd::Label3() const { return ControlAs<fw::Label>("Label3"); }
fw::Label& ControlWnd::Label4() const { return ControlAs<fw::Label>("Label4"); }
fw::TextArea& ControlWnd::outFld() const { return ControlAs<fw::TextArea>("outFld"); }
fw::Label& ControlWnd::Label2() const { return ControlAs<fw::Label>("Label2"); }
fw::Canvas& ControlWnd::Canvas1() const { return ControlAs<fw::Canvas>("Canvas1"); }

bool ControlWnd::totalFld_KeyDown(fw::TextField&, const std::string& key) { return DigitFilter(key, false); }
bool ControlWnd::redFld_KeyDown(fw::TextField&, const std::string& key) { return DigitFilter(key, false); }
bool ControlWnd::greenFld_KeyDown(fw::TextField&, const std::string& key) { return DigitFilter(key, false); }
bool ControlWnd::addFld_KeyDown(fw::TextField&, const std::string& key) { return DigitFilter(key, false); }
bool ControlWnd::repeatFld_KeyDown(fw::TextField&, const std::string& key) { return DigitFilter(key, false); }
bool ControlWnd::outFld_KeyDown(fw::TextArea&, const std::string& key) { return DigitFilter(key, true); }

bool ControlWnd::clearBtn_MouseDown(fw::PushButton&, std::int64_t, std::int64_t) {
    totalFld().SetText("");
    redFld().SetText("");
    greenFld().SetText("");
    addFld().SetText("");
    repeatFld().SetText("");
    totalFld().SetFocus();
    return false;
}

bool ControlWnd::helpBtn_MouseDown(fw::PushButton&, std::int64_t, std::int64_t) {
    fw::ImplicitWindow(kHelpWindowClass).Show();
    return false;
}

bool ControlWnd::calcBtn_MouseDown(fw::PushButton&, std::int64_t, std::int64_t) {
    const core::CheckResult checked =
        core::CheckInputs([this](core::InputField field) { return FieldOf(*this, field).Text(); });
    if (const auto* failure = std::get_if<core::CheckFailure>(&checked)) {
        fw::MsgBox(failure->message);
        FieldOf(*this, failure->field).SetFocus();
        return false;
    }
    // Built whole and set once: appending line by line would redo the layout for every trial.
    outFld().SetText(
        core::RunExperiment(std::get<core::UrnInputs>(checked), core::SystemRandom(), fw::RuntimeBackgroundTask));
    return false;
}

void ControlWnd::AddMenuHandlers(fw::Window& w) {
    auto& window = fw::CheckedCast<ControlWnd>(&w);
    window.AddMenuHandler("FileQuit", [&window] { return window.FileQuit_Action(); });
    window.AddMenuHandler("InfoItem", [&window] { return window.InfoItem_Action(); });
    window.AddMenuHandler("AboutItem", [&window] { return window.AboutItem_Action(); });
}

void ControlWnd::Event_Close() { fw::Quit(0); }

bool ControlWnd::FileQuit_Action() {
    fw::Quit(0);
    return true;
}

bool ControlWnd::InfoItem_Action() {
    fw::ImplicitWindow(kHelpWindowClass).Show();
    return true;
}

bool ControlWnd::AboutItem_Action() {
    fw::ImplicitWindow(kAboutWindowClass).Show();
    return true;
}

class ControlWnd& ControlWnd() {
    return fw::ImplicitWindow<class ControlWnd>(kExperimentWindowClass);
}

} // namespace kestrow
