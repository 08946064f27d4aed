#pragma once
// Texts between the models (std::string, UTF-8 on this side) and Qt.

#include <QString>

#include <string>
#include <string_view>

namespace zorbel::ui {

inline QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text) {
    return text.toStdString();
}

/// A caption or message as a widget shows it: the models break lines with CR LF, Qt with
/// a line feed alone.
inline QString shownText(std::string_view text) {
    QString shown = toQt(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace zorbel::ui
