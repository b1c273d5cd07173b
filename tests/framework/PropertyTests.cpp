// Property tables: every name the program's layouts use is accepted and reads back; typos and
// wrong types are rejected without changing the property; visible properties reach Qt.
#include "FrameworkTest.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using fw::Color;
using fw::PropertyTable;

const PropertyTable kWindowTable = {
    {"Width", 575}, {"Height", 700}, {"MinimumWidth", 64}, {"MinimumHeight", 64}, {"MaximumWidth", 32000},
    {"MaximumHeight", 32000}, {"Type", 0}, {"Title", "Kestrow"}, {"HasCloseButton", true},
    {"HasMaximizeButton", false}, {"HasMinimizeButton", false}, {"HasFullScreenButton", false},
    {"Resizeable", false}, {"Composite", false}, {"MacProcID", 0}, {"FullScreen", false}, {"DefaultLocation", 0},
    {"Visible", true}, {"HasBackgroundColor", true}, {"BackgroundColor", Color{0xFFFFFF}}, {"MenuBarVisible", true},
    {"LiveResize", true}};

const PropertyTable kCommon = {{"Index", -2147483648LL}, {"TabPanelIndex", 0}, {"Enabled", true}, {"Visible", true},
                               {"AllowAutoDeactivate", true}, {"Tooltip", ""}, {"LockLeft", true}, {"LockTop", true},
                               {"LockRight", false}, {"LockBottom", false}, {"InitialParent", ""}, {"Left", 20},
                               {"Top", 126}, {"Width", 80}, {"Height", 22}, {"TabIndex", 3}, {"Transparent", true}};

const PropertyTable kFont = {{"FontName", "System"}, {"FontSize", 12.0F}, {"FontUnit", 0}, {"Bold", true},
                             {"Italic", false}, {"Underline", false}};

const PropertyTable kLabel = {{"Value", "Total Balls"}, {"Multiline", false}, {"Selectable", false},
                              {"TextColor", Color{0x000080}}, {"TextAlignment", 2}, {"DataSource", ""},
                              {"DataField", ""}, {"TabStop", false}};

const PropertyTable kField = {{"Value", "10"}, {"TabStop", true}, {"HasBorder", true}, {"AllowFocusRing", true},
                              {"BackgroundColor", Color{0xFFFFFF}}, {"TextColor", Color{0x000000}}, {"Password", false},
                              {"ReadOnly", false}, {"AllowTabs", false}, {"AllowSpellChecking", false}, {"Format", ""},
                              {"Hint", ""}, {"DataSource", ""}, {"DataField", ""}, {"TextAlignment", 2},
                              {"MaximumCharactersAllowed", 3}, {"ValidationMask", "###"}};

const PropertyTable kArea = {{"Value", "a\rb"}, {"Multiline", true}, {"ReadOnly", false},
                             {"HasHorizontalScrollbar", true}, {"HasVerticalScrollbar", true},
                             {"AllowStyledText", true}, {"HideSelection", true}, {"LineHeight", 0.0},
                             {"LineSpacing", 1.0}, {"MaximumCharactersAllowed", 0}, {"ValidationMask", ""},
                             {"TabStop", false}, {"HasBorder", true}, {"AllowFocusRing", true},
                             {"BackgroundColor", Color{0xFFFFFF}}, {"TextColor", Color{0x000000}}, {"AllowTabs", false},
                             {"AllowSpellChecking", false}, {"Format", ""}, {"DataSource", ""}, {"DataField", ""},
                             {"TextAlignment", 2}};

const PropertyTable kButton = {{"Caption", "Calculate"}, {"TabStop", false}, {"Default", true}, {"Cancel", false},
                               {"MacButtonStyle", 0}};

const PropertyTable kCanvas = {{"TabStop", true}, {"AllowFocus", false}, {"AllowFocusRing", true}, {"AllowTabs", false},
                               {"DoubleBuffer", false}};

PropertyTable Join(std::initializer_list<PropertyTable> parts) {
    PropertyTable joined;
    for (const auto& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

struct TableCase {
    const char* name;
    std::function<fw::PropertyHolder&(fw::Window&)> make;
    PropertyTable table;
};

void PrintTo(const TableCase& c, std::ostream* out) { *out << c.name; }

class PropertyTableTest : public FrameworkTest, public ::testing::WithParamInterface<TableCase> {};

fw::PropertyHolder& WindowItself(fw::Window& window) { return window; }
template <class C>
fw::PropertyHolder& Make(fw::Window& window) {
    return window.NewControl<C>("c");
}

} // namespace

TEST_P(PropertyTableTest, EveryEntryIsAcceptedAndReadsBack) {
    ProbeWindow& window = OpenWith({}, {}, {{"Visible", false}});
    fw::PropertyHolder& target = GetParam().make(window);
    fw::SetProperties(target, GetParam().table);
    for (const auto& [name, value] : GetParam().table) {
        if (name == "Visible") continue; // the window records it only during construction
        EXPECT_EQ(target.Property(name), value) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Classes, PropertyTableTest,
    ::testing::Values(TableCase{"Window", &WindowItself, kWindowTable},
                      TableCase{"Label", &Make<fw::Label>, Join({kCommon, kFont, kLabel})},
                      TableCase{"TextField", &Make<fw::TextField>, Join({kCommon, kFont, kField})},
                      TableCase{"TextArea", &Make<fw::TextArea>, Join({kCommon, kFont, kArea})},
                      TableCase{"PushButton", &Make<fw::PushButton>, Join({kCommon, kFont, kButton})},
                      TableCase{"Canvas", &Make<fw::Canvas>, Join({kCommon, kCanvas})},
                      TableCase{"Timer", &Make<fw::Timer>, {{"Period", 4000}, {"RunMode", 0}}}),
    [](const auto& row) { return std::string(row.param.name); });

struct Rejection {
    const char* name;
    std::function<fw::PropertyHolder&(fw::Window&)> make;
    fw::PropertyEntry entry;
    const char* exceptionClass;
};

void PrintTo(const Rejection& c, std::ostream* out) { *out << c.name; }

class PropertyRejectionTest : public FrameworkTest, public ::testing::WithParamInterface<Rejection> {};

TEST_P(PropertyRejectionTest, ThrowsAndKeepsTheOldValue) {
    ProbeWindow& window = OpenWith({}, {}, {{"Visible", false}});
    fw::PropertyHolder& target = GetParam().make(window);
    const auto& [name, value] = GetParam().entry;
    const bool known = target.HasProperty(name);
    const fw::PropertyValue before = known ? target.Property(name) : fw::PropertyValue(0);
    try {
        fw::SetProperties(target, {GetParam().entry});
        FAIL() << "accepted";
    } catch (const fw::RuntimeException& e) {
        EXPECT_EQ(e.ClassName(), GetParam().exceptionClass);
    }
    if (known) {
        EXPECT_EQ(target.Property(name), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, PropertyRejectionTest,
    ::testing::Values(Rejection{"MisspelledWindowName", &WindowItself, {"Widht", 500}, "KeyNotFoundException"},
                      Rejection{"TitleAsNumber", &WindowItself, {"Title", 5}, "TypeMismatchException"},
                      Rejection{"UnknownWindowType", &WindowItself, {"Type", 1}, "InvalidArgumentException"},
                      Rejection{"NegativeWidth", &WindowItself, {"Width", -1}, "InvalidArgumentException"},
                      Rejection{"PlacementOutOfRange", &WindowItself, {"DefaultLocation", 4}, "InvalidArgumentException"},
                      Rejection{"ColorAsInteger", &WindowItself, {"BackgroundColor", 0xFFFFFF}, "TypeMismatchException"},
                      Rejection{"LabelTextAsBoolean", &Make<fw::Label>, {"Value", true}, "TypeMismatchException"},
                      Rejection{"LabelAlignmentOutOfRange", &Make<fw::Label>, {"TextAlignment", 3}, "InvalidArgumentException"},
                      Rejection{"FieldMaskWithLetters", &Make<fw::TextField>, {"ValidationMask", "##a"}, "InvalidArgumentException"},
                      Rejection{"FontSizeAsText", &Make<fw::TextArea>, {"FontSize", "12"}, "TypeMismatchException"},
                      Rejection{"WholeNumberFromDouble", &Make<fw::TextArea>, {"TabIndex", 1.5}, "TypeMismatchException"},
                      Rejection{"ButtonHasNoTextColor", &Make<fw::PushButton>, {"TextColor", Color{0}}, "KeyNotFoundException"},
                      Rejection{"CanvasHasNoValue", &Make<fw::Canvas>, {"Value", ""}, "KeyNotFoundException"},
                      Rejection{"TimerModeOutOfRange", &Make<fw::Timer>, {"RunMode", 3}, "InvalidArgumentException"},
                      Rejection{"FontUnitOutOfRange", &Make<fw::Label>, {"FontUnit", 7}, "InvalidArgumentException"}),
    [](const auto& row) { return std::string(row.param.name); });

using PropertyEffectTest = FrameworkTest;

TEST_F(PropertyEffectTest, ContentAreaIsExactlyWidthByHeightBelowTheMenuBar) {
    for (bool resizeable : {false, true}) {
        auto bar = std::make_shared<fw::MenuBar>();
        auto file = std::make_shared<fw::MenuItem>();
        file->SetName("FileMenu");
        file->SetValue("&File");
        auto item = std::make_shared<fw::MenuItem>();
        item->SetName("Item");
        item->SetValue("Item");
        file->AddMenu(item);
        bar->AddMenu(file);
        auto window = std::make_unique<ProbeWindow>(resizeable ? "Sized.Resizable" : "Sized.Fixed",
                                                    std::vector<std::string>{"Layout"});
        window->onLayout = [&](ProbeWindow& w) {
            w.SetMenuBar(bar);
            fw::SetProperties(w, {{"Width", 575}, {"Height", 700}, {"Resizeable", resizeable}, {"Title", "Kestrow"}});
        };
        ProbeWindow& opened = Open(std::move(window));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(opened.Widget()));
        EXPECT_EQ(opened.Content()->size(), QSize(575, 700)) << resizeable;
        EXPECT_EQ(opened.Content()->y(), opened.Widget()->findChild<QMenuBar*>()->height());
        EXPECT_EQ(opened.Widget()->windowTitle(), QStringLiteral("Kestrow"));
        EXPECT_EQ(opened.Widget()->minimumSize() == opened.Widget()->maximumSize(), !resizeable);
    }
}

TEST_F(PropertyEffectTest, WindowKindAndTitleBarButtons) {
    ProbeWindow& dialog = OpenWith({}, {}, {{"Type", 2}, {"HasMaximizeButton", true}, {"HasMinimizeButton", false},
                                            {"Visible", false}});
    dialog.SetMenuBar(std::make_shared<fw::MenuBar>());
    EXPECT_EQ(dialog.Widget()->windowType(), Qt::Dialog);
    EXPECT_EQ(dialog.Widget()->findChild<QMenuBar*>(), nullptr); // dialog-style windows show no menu bar
    EXPECT_TRUE(dialog.Widget()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(dialog.Widget()->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(dialog.Widget()->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(dialog.Widget()->isVisible());

    ProbeWindow& plain = OpenWith({}, {}, {{"HasBackgroundColor", true}, {"BackgroundColor", Color{0x123456}}});
    EXPECT_EQ(plain.Widget()->windowType(), Qt::Window);
    EXPECT_TRUE(plain.Widget()->isVisible());
    EXPECT_TRUE(plain.Content()->autoFillBackground());
    EXPECT_EQ(plain.Content()->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
}

TEST_F(PropertyEffectTest, FontsColoursAlignmentAndLimitsReachQt) {
    ProbeWindow& window = OpenWith({}, {}, {{"Visible", false}});
    auto& title = window.NewControl<fw::Label>("title");
    fw::SetProperties(title, {{"FontName", "System"}, {"FontSize", 32.0F}, {"Bold", true}, {"TextAlignment", 2},
                              {"TextColor", Color{0x000080}}, {"Value", "Kestrow"}});
    const QFont font = title.Widget()->font();
    EXPECT_FALSE(QFontInfo(font).fixedPitch());
    EXPECT_EQ(font.pixelSize(), 32);  // a point is one device-independent pixel
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(static_cast<QLabel*>(title.Widget())->alignment().testFlag(Qt::AlignHCenter));
    EXPECT_EQ(title.Widget()->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));

    auto& area = window.NewControl<fw::TextArea>("area");
    fw::SetProperties(area, {{"FontName", "Courier"}, {"FontSize", 11}, {"HasHorizontalScrollbar", true},
                             {"ReadOnly", true}, {"HasBorder", false}});
    EXPECT_TRUE(QFontInfo(area.Widget()->font()).fixedPitch());
    EXPECT_EQ(area.Editor()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_NE(area.Editor()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(area.Editor()->isReadOnly());
    EXPECT_EQ(area.Editor()->frameShape(), QFrame::NoFrame);

    auto& field = window.NewControl<fw::TextField>("field");
    fw::SetProperties(field, {{"MaximumCharactersAllowed", 2}, {"Left", 20}, {"Top", 126}, {"Width", 80}, {"Height", 22}});
    EXPECT_EQ(field.Editor()->maxLength(), 2);
    EXPECT_EQ(field.Widget()->geometry(), QRect(20, 126, 80, 22));
    field.SetProperty("Enabled", false);
    EXPECT_FALSE(field.Widget()->isEnabled());
}
