// The angular graph drawn anew from its curves in the teaching views.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "graphs/angle_graph.h"
#include "graphs/angle_graph_views.h"
#include "core/angle_readout.h"
#include "graphs/curve_record.h"
#include "core/distributions.h"
#include "graphs/palette.h"
#include "graphs/display_list.h"
#include "support/shipped_tables.h"

namespace tervolin {
namespace {

// The same drawing; a Cls keeps whatever width the surface had before it.
bool SameOp(const DrawingOperation& a, const DrawingOperation& b) {
  return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.colour == b.colour &&
         (a.kind == DrawingKind::kCls || a.width == b.width) && a.text == b.text;
}

const LabelWording kJapanese{Language::kJapanese};
const ViewSet kFreeElectron{View::kFreeElectron};

// Iron coherent (red) and water incoherent (blue) at 60 keV, computed in every view
// and drawn as the calculation screen draws them.
class ViewedGraph : public ::testing::Test {
 protected:
  void SetUp() override {
    Draw("鉄", kCoherent, kPaletteRed);
    Draw("水", kIncoherent, kPaletteBlue);
    drawn = Redrawn({});
  }
  void Draw(const char* material, ScatterKind scatter, int colour) {
    const MaterialTables tables = testing::ShippedMaterial(TERVOLIN_TABLES_DIR, material, false);
    const DistributionRequest request{scatter, kSingleEnergy, 60.0};
    const AngleTable values = ComputeDistribution(request, {}, tables, {});
    const CurveLabel label = MonoenergeticLabel(scatter, material, "60");
    views.Add({ComputeDistributionViews(request, {}, values, tables, {}), PaletteColour(colour), label});
  }
  std::vector<DrawingOperation> Redrawn(AngleGraphChoices choices) {
    graph.Clear();
    views.Choose(choices);
    RedrawAngleGraph(graph, views, Language::kJapanese);
    return graph.Operations();
  }
  // The curves as the graph shows them.
  const std::vector<CurveRecord>& Remembered() { return records = CurveRecords(views.Shown()); }
  DisplayList graph;
  AngleGraphViews views;
  std::vector<DrawingOperation> drawn;
  std::vector<CurveRecord> records;
};

TEST_F(ViewedGraph, WithNoViewTheRedrawnGraphIsTheDrawnOneOpForOp) {
  Redrawn({{View::kFreeElectron, View::kPerSolidAngle}});
  const std::vector<DrawingOperation> again = Redrawn({});
  ASSERT_EQ(again.size(), drawn.size());
  for (std::size_t i = 0; i < drawn.size(); ++i) EXPECT_TRUE(SameOp(again[i], drawn[i])) << i;
  ASSERT_EQ(Remembered().size(), 2u);
  EXPECT_EQ(LabelText(Remembered()[1].label, kJapanese), "非干渉性散乱 水 60 keV");
}

TEST_F(ViewedGraph, FreeElectronCurvesFollowTheirCurvesDashed) {
  const std::vector<DrawingOperation> ops = Redrawn({kFreeElectron});
  ASSERT_EQ(Remembered().size(), 4u);
  EXPECT_EQ(LabelText(Remembered()[1].label, kJapanese), "自由電子（トムソン散乱）");
  EXPECT_EQ(Remembered()[1].colour, kThomsonGrey);
  EXPECT_TRUE(Remembered()[1].dashed && !Remembered()[0].dashed);
  EXPECT_EQ(Remembered()[3].colour, PaletteColour(kPaletteBlue));
  // Thomson per unit angle is symmetric about 90°.
  EXPECT_NEAR(Remembered()[1].values[29], Remembered()[1].values[149], 1e-4);
  int greyDashes = 0;
  for (const DrawingOperation& op : ops) greyDashes += op.kind == DrawingKind::kLine && op.colour == kThomsonGrey;
  EXPECT_EQ(greyDashes, 90);  // 2° drawn, 2° left out
  EXPECT_EQ(graph.OfKind(DrawingKind::kLineTo).size(), 2u * kAngles);
  // The colour-vision-safe palette: Okabe and Ito's vermillion #D55E00 and blue
  // #0072B2 for red and blue; Thomson's grey stays.
  Redrawn({kFreeElectron, CurvePalette::kColourVisionSafe});
  EXPECT_EQ(Remembered()[0].colour, (Rgb{0xD5, 0x5E, 0x00}));
  EXPECT_EQ(Remembered()[1].colour, kThomsonGrey);
  EXPECT_EQ(Remembered()[3].colour, (Rgb{0x00, 0x72, 0xB2}));
  EXPECT_EQ(AngleGraphTitle(views, Language::kJapanese), "散乱角度の確率密度分布　干渉性散乱・非干渉性散乱・自由電子の曲線つき");
  EXPECT_EQ(AngleGraphTitle(views, Language::kEnglish),
            "Probability density of the scattering angle — Coherent scattering, Incoherent scattering, "
            "with the free electron's curves");
}

// Lead and iron coherent at 60 keV share one Thomson curve; a second red curve is
// dash-dot, a third dotted; the reference curves are not counted among them.
TEST_F(ViewedGraph, SameFreeElectronCurveOnceAndRepeatedColoursTakeTheNextStyle) {
  Draw("鉛", kCoherent, kPaletteRed);
  Draw("水", kCoherent, kPaletteRed);
  Redrawn({kFreeElectron});
  std::vector<std::string> titles;
  std::vector<LineStyle> styles;
  for (std::size_t i = 0; i < Remembered().size(); ++i) {
    titles.push_back(CurveTitle(Remembered(), i, kJapanese));
    styles.push_back(Remembered()[i].style);
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"干渉性散乱 鉄 60 keV", "自由電子（トムソン散乱）",
                                               "非干渉性散乱 水 60 keV", "自由電子（クライン－仁科）60 keV",
                                               "干渉性散乱 鉛 60 keV", "干渉性散乱 水 60 keV"}));
  // English sets a space after the closing bracket.
  EXPECT_EQ(LabelText(views.Shown()[3].label, {Language::kEnglish}), "Free electron (Klein-Nishina) 60 keV");
  EXPECT_EQ(styles, (std::vector<LineStyle>{LineStyle::kSolid, LineStyle::kDashed, LineStyle::kSolid,
                                            LineStyle::kDashed, LineStyle::kDashDot, LineStyle::kDotted}));
  EXPECT_EQ(GraphFileStem(Remembered(), kJapanese), "干渉性散乱_水_60keV_自由電子トムソン散乱_自由電子クライン－仁科");
}

// A curve of iron at one energy (kV 0) or over the default tube's spectrum at kV;
// its values do not matter to the reference-curve rule.
ViewedCurve RuleCurve(ScatterKind scatter, int keV, int kV, int colour) {
  TubeSettings tube = DefaultTubeSettings();
  tube.tubeVoltage = std::to_string(kV);
  ViewedCurve v{{{scatter, kV > 0 ? kSpectral : kSingleEnergy, double(keV)}, {}}, PaletteColour(colour),
                kV > 0 ? SpectralLabel(scatter, "鉄", tube) : MonoenergeticLabel(scatter, "鉄", std::to_string(keV))};
  for (auto& view : v.views) view = AngleTable{};
  if (kV > 0) v.beam = ReadTubeFigures(tube);
  return v;
}

// Thomson's curve once per graph in grey; Klein–Nishina's once per energy or tube
// settings, in its first curve's colour, the styles of one colour in turn.
TEST(ReferenceCurveRule, OneCurvePerPhysicsOverKindsEnergiesAndSpectra) {
  using S = LineStyle;
  using Shown = std::tuple<std::string, Rgb, LineStyle>;
  constexpr int r = kPaletteRed, b = kPaletteBlue, coh = kCoherent, inc = kIncoherent;
  const Rgb red = PaletteColour(r), blue = PaletteColour(b), grey = kThomsonGrey;
  const std::string kn = "自由電子（クライン－仁科）", th = "自由電子（トムソン散乱）", tube = "・12°・固有 2.5 mmAl";
  const struct {
    std::vector<std::array<int, 4>> curves;  // kind, keV, kV, colour
    bool perSolidAngle;
    std::vector<Shown> expected;
  } cases[] = {
      {{{coh, 20, 0, r}, {coh, 60, 0, b}, {coh, 140, 0, kPaletteDarkGreen}}, false, {{th, grey, S::kDashed}}},
      {{{inc, 60, 0, r}, {inc, 0, 100, r}}, false, {{kn + "60 keV", red, S::kDashed}, {kn + "100 kV" + tube, red, S::kLongDashed}}},
      {{{inc, 60, 0, r}, {inc, 60, 0, b}, {inc, 0, 100, b}, {inc, 0, 100, r}}, false,
       {{kn + "60 keV", red, S::kDashed}, {kn + "100 kV" + tube, blue, S::kDashed}}},
      {{{inc, 20, 0, r}, {inc, 60, 0, r}, {inc, 140, 0, r}, {inc, 0, 80, r}, {inc, 0, 100, r}}, false,
       {{kn + "20 keV", red, S::kDashed}, {kn + "60 keV", red, S::kLongDashed}, {kn + "140 keV", red, S::kSparseDashed},
        {kn + "80 kV" + tube, red, S::kDashed}, {kn + "100 kV" + tube, red, S::kLongDashed}}},
      {{{coh, 60, 0, r}, {inc, 60, 0, r}, {coh, 0, 100, b}, {inc, 0, 100, b}, {inc, 140, 0, r}}, true,
       {{th + " 立体角あたり", grey, S::kDashed}, {kn + "60 keV 立体角あたり", red, S::kDashed},
        {kn + "100 kV" + tube + " 立体角あたり", blue, S::kDashed}, {kn + "140 keV 立体角あたり", red, S::kLongDashed}}},
  };
  for (const auto& c : cases) {
    AngleGraphViews views;
    for (const auto& [kind, keV, kV, colour] : c.curves) views.Add(RuleCurve(ScatterKind(kind), keV, kV, colour));
    views.Choose({kFreeElectron.With(View::kPerSolidAngle, c.perSolidAngle)});
    std::vector<Shown> shown;
    for (const ShownCurve& s : views.Shown()) {
      if (s.dashed) shown.emplace_back(LabelText(s.label, kJapanese), s.colour, s.style);
    }
    EXPECT_EQ(shown, c.expected) << c.curves.size() << " curves from " << LabelText(views.Curves()[0].label, kJapanese);
  }
}

TEST_F(ViewedGraph, PerSolidAngleChangesTheCurvesAndTheAxisTitle) {
  const std::vector<DrawingOperation> ops = Redrawn({{View::kPerSolidAngle}});
  const auto texts = graph.OfKind(DrawingKind::kPrint);
  EXPECT_EQ(texts[3].text, "立");
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const DrawingOperation& t) { return t.text == "相"; }), 1);
  ASSERT_EQ(Remembered().size(), 2u);
  EXPECT_EQ(LabelText(Remembered()[0].label, kJapanese), "干渉性散乱 鉄 60 keV 立体角あたり");
  EXPECT_EQ(Remembered()[0].values[0], 1.0);  // iron's coherent peak forward
  const DrawingOperation start = graph.OfKind(DrawingKind::kPSet)[0];  // at 1°, not at (0, 0)
  EXPECT_EQ(start.x1, 1.0f);
  EXPECT_EQ(start.y1, 1.0f);
  const AngleTable& perSolidAngle = *views.Curves()[0].In({View::kPerSolidAngle});
  EXPECT_EQ(Remembered()[0].values, std::vector<double>(perSolidAngle.begin() + 1, perSolidAngle.end()));
}

TEST_F(ViewedGraph, AClearedGraphForgetsItsViewsButKeepsTheChoice) {
  views.Choose({{View::kPerSolidAngle}});
  graph.Clear();
  views.Forget();
  DrawAngleAxes(graph, views.Choices().views, Language::kJapanese);
  EXPECT_TRUE(views.Curves().empty());
  EXPECT_TRUE(views.Choices().views.Has(View::kPerSolidAngle));
  EXPECT_EQ(graph.OfKind(DrawingKind::kPrint)[3].text, "立");
}

TEST_F(ViewedGraph, ReadOutGivesMomentumTransferAndScatteredEnergyPerEnergy) {
  EXPECT_EQ(ViewReadOutLines(views.Curves(), 89), "60 keV: x = 3.421 Å⁻¹, E′ = 53.70 keV");
  EXPECT_EQ(ViewReadOutLines({views.Curves()[0]}, 179), "60 keV: x = 4.839 Å⁻¹");
  ViewedCurve spectral = views.Curves()[0];
  spectral.request = {kCoherent, kSpectral, 0.0};
  EXPECT_EQ(ViewReadOutLines({spectral}, 10), "");
  EXPECT_NEAR(ScatteredPhotonEnergy(511.0, 180), 511.0 / 3.0, 1e-6);  // E′ = E / (1 + 2E/511)
}

}  // namespace
}  // namespace tervolin
