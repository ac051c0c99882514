// page_texts: writes the page's own words in every language, from the library's
// catalogue, as the ES module texts.js on standard output. The page's build compiles it
// with Emscripten and runs it with Node.js, so the page shows the catalogue's words and
// holds none of its own.
//
//   export const texts = { ja: { title: "…", …, curves: ["…{1}…", "…{1}…"] }, en: … };
//
// A counted word (curves, spectra) is its text for a count of one and for any other
// count, "{1}" standing for the count; web/page/language.js makes it a function.

#include <iostream>
#include <string>

#include "core/text_catalogue.h"

namespace tervolin {
namespace {

// The page's words by the keys its elements (data-text, data-label) and app.js name.
struct PageWord {
  const char* key;
  TextId text;
};

constexpr PageWord kPageWords[] = {
    {"title", TextId::kPageTitle},
    {"heading", TextId::kPageHeading},
    {"subtitle", TextId::kPageSubtitle},
    {"languageLabel", TextId::kPageLanguageLabel},
    {"kindLegend", TextId::kPageKindLegend},
    {"coherent", TextId::kCoherentScattering},
    {"incoherent", TextId::kIncoherentScattering},
    {"total", TextId::kTotalScattering},
    {"energyLegend", TextId::kPageEnergyLegend},
    {"single", TextId::kPageSingleEnergy},
    {"spectral", TextId::kPageSpectralXrays},
    {"energyField", TextId::kPageEnergyField},
    {"tubeLegend", TextId::kPageTubeLegend},
    {"quality", TextId::kPageQuality},
    {"noQuality", TextId::kPageNoQuality},
    {"kv", TextId::kPageTubeVoltage},
    {"kvRange", TextId::kPageTubeVoltageRange},
    {"targetAngle", TextId::kPageTargetAngle},
    {"inherent", TextId::kPageInherentFiltration},
    {"inherentRange", TextId::kPageInherentFiltrationRange},
    {"al", TextId::kPageAluminiumFilter},
    {"cu", TextId::kPageCopperFilter},
    {"rectification", TextId::kPageRectification},
    {"spectrumCompute", TextId::kPageComputeSpectrum},
    {"material", TextId::kPageMaterial},
    {"chooseMaterial", TextId::kPageChooseMaterial},
    {"colourLegend", TextId::kPageColourLegend},
    {"red", TextId::kPageRed},
    {"darkgreen", TextId::kPageDarkGreen},
    {"blue", TextId::kPageBlue},
    {"compute", TextId::kPageCompute},
    {"clear", TextId::kPageClearGraph},
    {"viewsLegend", TextId::kPageViewsLegend},
    {"freeElectron", TextId::kPageFreeElectron},
    {"perSolidAngle", TextId::kPagePerSolidAngle},
    {"polar", TextId::kPagePolar},
    {"magnitudes", TextId::kPageMagnitudes},
    {"logarithmic", TextId::kPageLogarithmic},
    {"coherentSheet", TextId::kPageCoherentSheet},
    {"incoherentSheet", TextId::kPageIncoherentSheet},
    {"spectralSheet", TextId::kPageSpectralSheet},
    {"dataSource", TextId::kPageDataSource},
    {"shareLink", TextId::kPageShareLink},
    {"linkCopied", TextId::kPageLinkCopied},
    {"linkNotCopied", TextId::kPageLinkNotCopied},
    {"angleTitle", TextId::kPageAngleTitle},
    {"polarTitle", TextId::kPagePolarTitle},
    {"spectrumTitle", TextId::kPageSpectrumTitle},
    {"angleGraph", TextId::kPageAngleGraph},
    {"polarGraph", TextId::kPagePolarGraph},
    {"magnitudeGraph", TextId::kPageMagnitudeGraph},
    {"spectrumGraph", TextId::kPageSpectrumGraph},
    {"angleSvg", TextId::kPageAngleSvg},
    {"anglePng", TextId::kPageAnglePng},
    {"angleCsv", TextId::kPageAngleCsv},
    {"polarSvg", TextId::kPagePolarSvg},
    {"polarPng", TextId::kPagePolarPng},
    {"magnitudeSvg", TextId::kPageMagnitudeSvg},
    {"magnitudePng", TextId::kPageMagnitudePng},
    {"spectrumSvg", TextId::kPageSpectrumSvg},
    {"spectrumPng", TextId::kPageSpectrumPng},
    {"spectrumCsv", TextId::kPageSpectrumCsv},
    {"spectrumClear", TextId::kPageClearSpectra},
    {"commonScale", TextId::kPageCommonScale},
    {"palette", TextId::kPagePalette},
    {"slideSvg", TextId::kPageSlideSvg},
    {"slidePng", TextId::kPageSlidePng},
    {"angleSlideSvg", TextId::kPageAngleSlideSvg},
    {"angleSlidePng", TextId::kPageAngleSlidePng},
    {"spectrumSlideSvg", TextId::kPageSpectrumSlideSvg},
    {"spectrumSlidePng", TextId::kPageSpectrumSlidePng},
    {"share", TextId::kPageShare},
    {"magnitudesNote", TextId::kMagnitudesNote},
    {"close", TextId::kPageClose},
    {"coherentSheetTitle", TextId::kPageCoherentSheetTitle},
    {"incoherentSheetTitle", TextId::kPageIncoherentSheetTitle},
    {"coherentFormula", TextId::kPageCoherentFormula},
    {"incoherentFormula", TextId::kPageIncoherentFormula},
    {"spectralFormula", TextId::kPageSpectralFormula},
    {"cone", TextId::kPageCone},
    {"formulaLeft", TextId::kPageFormulaLeft},
    {"formulaAbove", TextId::kPageFormulaAbove},
    {"sheetMethod", TextId::kPageSheetMethod},
    {"coherentTables", TextId::kPageCoherentTables},
    {"incoherentTables", TextId::kPageIncoherentTables},
    {"sourceTitle", TextId::kPageSourceTitle},
};

struct CountedWord {
  const char* key;
  TextId one;
  TextId other;
};

constexpr CountedWord kCountedWords[] = {
    {"curves", TextId::kPageOneCurve, TextId::kPageCurves},
    {"spectra", TextId::kPageOneSpectrum, TextId::kPageSpectra},
};

// `text` as a JavaScript string literal.
std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    if (static_cast<unsigned char>(c) < 0x20) {
      const char* hex = "0123456789abcdef";
      quoted += std::string("\\u00") + hex[c >> 4] + hex[c & 0xf];
      continue;
    }
    quoted += c;
  }
  return quoted + "\"";
}

void WriteWords(std::ostream& out, Language language) {
  out << "  " << LanguageCode(language) << ": {\n";
  for (const PageWord& word : kPageWords) {
    out << "    " << word.key << ": " << Quoted(TextOf(word.text, language)) << ",\n";
  }
  for (const CountedWord& word : kCountedWords) {
    out << "    " << word.key << ": [" << Quoted(TextOf(word.one, language)) << ", "
        << Quoted(TextOf(word.other, language)) << "],\n";
  }
  out << "  },\n";
}

}  // namespace
}  // namespace tervolin

int main() {
  using namespace tervolin;
  std::cout << "// The page's own words in each language, written by the build from the library's\n"
               "// catalogue (core/texts_*.cpp) with web/page_texts.cpp: change them there.\n\n"
               "export const texts = {\n";
  for (const Language language : AllLanguages()) WriteWords(std::cout, language);
  std::cout << "};\n" << std::flush;
  return std::cout ? 0 : 1;
}
