// Base of the visible controls: a Qt widget placed on the window's content area, with the
// properties every visible control shares.
//
// Properties, name: type = default:
//   Left, Top, Width, Height: Integer — place and size in the content area, in pixels
//   Visible, Enabled: Boolean = true; Tooltip: Text = ""
//   TabStop: Boolean — whether Tab reaches the control (a control that is not a tab stop may
//       still take the focus by a click, except labels, push buttons and canvases)
//   TabIndex: Integer = 0 — orders the tab stops of the window
//   Transparent, AllowAutoDeactivate, LockLeft, LockTop, LockRight, LockBottom: Boolean;
//   TabPanelIndex: Integer; InitialParent: Text — kept
// Controls with text also take, where their class lists them:
//   FontName: Text = "System" ("System" the interface face, a sans-serif face with Helvetica's
//       metrics where one is installed, else the platform's, which also draws menus and message
//       boxes; "Courier" likewise a fixed-pitch face with Courier's metrics; else a family name); FontSize: Single = 0 (0 the platform's size); FontUnit: Integer
//       = 0 (0 points, 1 pixels; a point is one device-independent pixel, as on a 72-per-inch grid); Bold, Italic, Underline: Boolean = false;
//   TextColor, BackgroundColor: Color; TextAlignment: Integer = 0 (0 leading, 1 trailing, 2 centred)
#pragma once

#include "framework/Control.h"

#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace fw {

class RectControl : public Control {
public:
    ~RectControl() override;

    // Gives the control the keyboard focus.
    void SetFocus();
    QWidget* Widget() const noexcept { return widget_; }

protected:
    // Takes ownership of `widget` and places it on the owner's content area.
    RectControl(Window& owner, QWidget* widget, bool tabStop);

    void DeclareFont();
    void DeclareColor(const std::string& name, QPalette::ColorRole role, Color initial);
    void DeclareTextAlignment(std::function<void(Qt::Alignment)> apply);
    // The focus policy for the current TabStop (and class rules); applied by UpdateFocusPolicy.
    virtual Qt::FocusPolicy FocusPolicyFor(bool tabStop) const;
    virtual void FocusPolicyChanged() {}
    void UpdateFocusPolicy();

private:
    void ApplyGeometry();
    void ApplyFont();

    QPointer<QWidget> widget_;
};

namespace detail {
// Makes the font names "System" and "Courier" stand for the faces above (QFont substitutions) and
// "System" the application's font. RuntimeInit runs it once the Qt application exists.
void InstallInterfaceFaces();
} // namespace detail

} // namespace fw
