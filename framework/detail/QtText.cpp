// Line-end conversion for texts shown by Qt widgets.
#include "framework/detail/QtText.h"

namespace fw::detail {

QString ToQtLines(const std::string& text) {
    QString converted = ToQt(text);
    converted.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return converted;
}

} // namespace fw::detail
