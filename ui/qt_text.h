#pragma once
// Texts cross between the library (UTF-8 std::string, const char*) and Qt (QString).

#include <QString>
#include <string>

namespace tervolin::ui {

inline QString Utf8(const char* text) { return QString::fromUtf8(text); }
inline QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline QString Utf8(const std::string& text) { return FromUtf8(text); }
inline std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace tervolin::ui
