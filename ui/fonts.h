#pragma once
// Fonts of the screens. The screens name the Windows fonts they were laid out with;
// substitutions map them onto the Noto CJK and Liberation fonts found here.

#include <QFont>
#include <QString>
#include <string>

#include "graphs/svg_surface.h"
#include "graphs/text_measures.h"

namespace tervolin::ui {

// Registers the substitutes. Call once in main before the first widget is created.
void InstallFontSubstitutions();

// The font family at a size given in points at 96 dpi (14.25 pt = 19 pixels). The
// size is set in pixels, so layouts do not change with the screen's dpi.
QFont ScreenFont(const QString& family, double points, bool bold = false);

// The font as a CSS family list for pictures read elsewhere (SVG): the family found
// here, then the ones that look alike on Windows and macOS, then the generic one.
std::string CssFontFamilies(const QFont& font);

// The font as an SVG picture names it: its families, size in pixels, weight, and the
// width of a stretched font, so its texts keep the width they have on screen.
tervolin::SvgFont SvgFontOf(const QFont& font);

// The font's measures as Qt lays its text out, for the library's drawing procedures.
tervolin::TextMeasures TextMeasuresOf(const QFont& font);

}  // namespace tervolin::ui
