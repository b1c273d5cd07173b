// Text crossing between the API (UTF-8 std::string, carriage-return line ends) and Qt (QString).
#pragma once

#include <QString>
#include <string>

namespace fw::detail {

inline QString ToQt(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQt(const QString& text) { return text.toStdString(); }

// Each CR or LF becomes a Qt line break ('\n'), so one line end stays one character.
QString ToQtLines(const std::string& text);

} // namespace fw::detail
