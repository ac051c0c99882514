#include "ui/fonts.h"

#include <QFontMetricsF>
#include <QStringList>
#include <QtGlobal>

#include "ui/qt_text.h"

namespace tervolin::ui {

namespace {

const char* const kSansJapanese = "Noto Sans CJK JP";
const char* const kSerifJapanese = "Noto Serif CJK JP";
const char* const kSerifLatin = "Liberation Serif";

struct Substitution {
  const char* family;
  const char* substitute;
};

constexpr Substitution kSubstitutions[] = {
    {"メイリオ", kSansJapanese},        {"Meiryo", kSansJapanese},
    {"ＭＳ Ｐゴシック", kSansJapanese}, {"MS PGothic", kSansJapanese},
    {"HG丸ｺﾞｼｯｸM-PRO", kSansJapanese},  {"ＭＳ 明朝", kSerifJapanese},
    {"MS Mincho", kSerifJapanese},      {"ＭＳ Ｐ明朝", kSerifJapanese},
    {"Times New Roman", kSerifLatin},
};

// What stands in for the family found here elsewhere, as CSS names them.
struct Counterparts {
  const char* family;
  const char* others;
};

constexpr Counterparts kCounterparts[] = {
    {kSansJapanese, "Meiryo, 'Hiragino Sans', sans-serif"},
    {kSerifJapanese, "'MS Mincho', 'Hiragino Mincho ProN', serif"},
    {kSerifLatin, "'Times New Roman', serif"},
};

}  // namespace

std::string CssFontFamilies(const QFont& font) {
  QString found = QFont::substitute(font.family());
  for (const Substitution& s : kSubstitutions) {
    if (font.family() == Utf8(s.family)) found = Utf8(s.substitute);
  }
  for (const Counterparts& c : kCounterparts) {
    if (found == Utf8(c.family)) return "'" + found.toStdString() + "', " + c.others;
  }
  return "'" + found.toStdString() + "', sans-serif";
}

tervolin::SvgFont SvgFontOf(const QFont& font) {
  const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
  const double stretch = font.stretch() > 0 ? font.stretch() / 100.0 : 1.0;
  return {CssFontFamilies(font), pixels, font.bold(), stretch};
}

tervolin::TextMeasures TextMeasuresOf(const QFont& font) {
  const QFontMetricsF metrics(font);
  return {metrics.ascent(), metrics.height(),
          [metrics](const std::string& text) { return metrics.horizontalAdvance(FromUtf8(text)); }};
}

void InstallFontSubstitutions() {
  for (const Substitution& s : kSubstitutions) {
    QFont::insertSubstitution(Utf8(s.family), Utf8(s.substitute));
  }
}

QFont ScreenFont(const QString& family, double points, bool bold) {
  QFont font(family);
  font.setPixelSize(qRound(points * 96.0 / 72.0));
  font.setBold(bold);
  return font;
}

}  // namespace tervolin::ui
