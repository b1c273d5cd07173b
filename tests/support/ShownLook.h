// A control as Qt shows it, compared with its row of a window's layout table: place, text, face,
// type size, weight, alignment and colours. The windows' layout tests share it.
#pragma once

#include <QRect>
#include <QRgb>
#include <optional>
#include <ostream>

class QWidget;

namespace looks {

enum class Face { None, Sans, Mono }; // "System" and "Courier": the faces with Helvetica's and Courier's metrics
inline constexpr Qt::Alignment Left = Qt::AlignLeft, Centre = Qt::AlignHCenter, NoAlign = {};
inline constexpr QRgb Black = 0x000000, White = 0xFFFFFF, Navy = 0x000080;
inline constexpr std::optional<QRgb> None;

struct Look {
    const char* name;
    QRect place;
    const char* text;
    Face face;
    int pixels;
    bool bold;
    Qt::Alignment align;
    std::optional<QRgb> ink, paper; // text colour; background of an editable box
};

void PrintTo(const Look& look, std::ostream* out);

// Adds a test failure for each way the widget differs from the row. An empty results area gets a
// key typed into it, to see where a line stands.
void ExpectShownAs(QWidget* widget, const Look& want);

} // namespace looks
