#include "ShownLook.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace looks {
namespace {

// Where the text stands: a label's or field's alignment; in a text area, where a typed line is
// laid out in the visible width.
Qt::Alignment ShownAlignment(QWidget* w) {
    if (auto* area = qobject_cast<QPlainTextEdit*>(w)) {
        if (area->document()->isEmpty()) QTest::keyClick(area, Qt::Key_7); // typed, as the user would
        QApplication::processEvents();
        const QTextLine line = area->document()->firstBlock().layout()->lineAt(0);
        const qreal before = line.naturalTextRect().left();
        const qreal after = area->viewport()->width() - line.naturalTextRect().right();
        return before < 10 ? Left : std::abs(before - after) < 20 ? Centre : Qt::AlignRight;
    }
    return w->property("alignment").value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
}

// Left, top, width x height, as a failure shows a place.
std::string Spelled(QRect r) {
    return QString("%1, %2, %3 x %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

} // namespace

void PrintTo(const Look& look, std::ostream* out) { *out << look.name; }

void ExpectShownAs(QWidget* w, const Look& want) {
    ASSERT_NE(w, nullptr) << want.name;
    EXPECT_EQ(Spelled(w->geometry()), Spelled(want.place));
    EXPECT_TRUE(w->isVisible());
    const QString text = w->property(qobject_cast<QPlainTextEdit*>(w) != nullptr ? "plainText" : "text").toString();
    EXPECT_EQ(text, QString::fromUtf8(want.text));
    if (want.face != Face::None) {
        const QFontInfo font = w->fontInfo();
        EXPECT_EQ(font.family(), want.face == Face::Mono ? "Liberation Mono" : "Liberation Sans");
        EXPECT_EQ(font.fixedPitch(), want.face == Face::Mono);
        EXPECT_EQ(font.pixelSize(), want.pixels);
        EXPECT_EQ(font.bold(), want.bold);
        EXPECT_FALSE(font.italic() || font.underline());
        // Cut off on screen otherwise.
        EXPECT_LE(w->fontMetrics().horizontalAdvance(text), w->width());
    }
    EXPECT_EQ(ShownAlignment(w), want.align);
    const auto role = qobject_cast<QLabel*>(w) != nullptr ? QPalette::WindowText : QPalette::Text;
    if (want.ink) {
        EXPECT_EQ(w->palette().color(role).rgb() & 0xFFFFFF, *want.ink);
    }
    if (want.paper) {
        EXPECT_EQ(w->palette().color(QPalette::Base).rgb() & 0xFFFFFF, *want.paper);
    }
}

} // namespace looks
