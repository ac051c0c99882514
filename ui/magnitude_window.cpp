#include "ui/magnitude_window.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

#include "core/text_catalogue.h"
#include "graphs/curves_csv.h"
#include "graphs/palette.h"
#include "ui/fonts.h"
#include "ui/magnitude_graph.h"
#include "ui/qt_drawing.h"
#include "ui/save_dialog.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"
#include "ui/widget_picture.h"

namespace tervolin::ui {

namespace {


QAction* WindowAction(QWidget* window, UiText text, QKeySequence keys, bool checkable = false) {
  QAction* action = MakeAction(text, window);
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  action->setCheckable(checkable);
  window->addAction(action);
  return action;
}

// The library's three curves in the chosen view, in the window's colours and texts.
std::vector<MagnitudeCurve> Curves(const tervolin::ScatteringMagnitudes& m, bool perSolidAngle,
                                   tervolin::Language language) {
  std::vector<MagnitudeCurve> curves;
  for (const tervolin::MagnitudeCurve& c : tervolin::MagnitudeCurvesOf(m, perSolidAngle, language)) {
    curves.push_back({c.values, ToQColor(c.colour), Utf8(c.title), c.dashed});
  }
  return curves;
}

// The curves as drawn, each titled with its unit, as the graphs' tables are written.
QByteArray CsvBytes(const MagnitudePlot& plot) {
  std::vector<tervolin::CurveRecord> records;
  for (const MagnitudeCurve& curve : plot.curves) {
    const std::string title = QStringLiteral("%1 (%2)").arg(curve.title, plot.unit).toStdString();
    records.push_back({std::vector<double>(curve.values.begin() + 1, curve.values.end()), {}, {{title, ""}}});
  }
  const std::string csv =
      tervolin::CurvesCsv(tervolin::kAngleAxis, records, plot.language) + "\r\n" + tervolin::MagnitudeTableCsv(plot.table);
  return QByteArray(csv.data(), static_cast<qsizetype>(csv.size()));
}

}  // namespace

MagnitudeWindow::MagnitudeWindow(QWidget* parent, SaveFolderMemory& saves)
    : QWidget(parent, Qt::Window), saves_(saves), graph_(new MagnitudeGraph(this)), summary_(new QLabel(this)) {
  SetUiText(this, Ui("散乱の大きさを比較"));
  setFont(ScreenFont(Utf8("メイリオ"), 9));
  help_ = new QLabel(this);
  help_->setText(Utf8(tervolin::TextOf(tervolin::TextId::kMagnitudesNote, language_)));
  help_->setWordWrap(true);
  help_->setStyleSheet(QStringLiteral("color: #444444"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(graph_, 1);
  layout->addWidget(summary_);
  layout->addWidget(help_);
  AddActions();
}

// The menu's items with their keys, in the menu's order, and Shift+F10 for the menu.
void MagnitudeWindow::AddActions() {
  connect(WindowAction(this, Ui("グラフをコピー"), QKeySequence::Copy), &QAction::triggered, this,
          &MagnitudeWindow::CopyPicture);
  connect(WindowAction(this, Ui("グラフを保存…"), QKeySequence::Save), &QAction::triggered, this,
          &MagnitudeWindow::SaveWithDialog);
  logarithmic_ = WindowAction(this, Ui("縦軸を対数で表示"), QKeySequence(Qt::CTRL | Qt::Key_L), true);
  perSolidAngle_ = WindowAction(this, Ui("立体角あたりで表示"), QKeySequence(Qt::CTRL | Qt::Key_R), true);
  connect(logarithmic_, &QAction::toggled, this, &MagnitudeWindow::Redraw);
  connect(perSolidAngle_, &QAction::toggled, this, &MagnitudeWindow::Redraw);
  connect(WindowAction(this, Ui("閉じる"), QKeySequence(Qt::Key_Escape)), &QAction::triggered, this, &QWidget::close);
  menuKey_ = WindowAction(this, Ui("メニュー"), QKeySequence(Qt::SHIFT | Qt::Key_F10));
  connect(menuKey_, &QAction::triggered, this, &MagnitudeWindow::ShowMenuAtGraph);
}

void MagnitudeWindow::SetLanguage(tervolin::Language language) {
  language_ = language;
  help_->setText(Utf8(tervolin::TextOf(tervolin::TextId::kMagnitudesNote, language_)));
}

void MagnitudeWindow::ShowMagnitudes(const tervolin::CurveLabel& subject,
                                     const tervolin::ScatteringMagnitudes& magnitudes, bool spectral) {
  subject_ = subject;
  magnitudes_ = magnitudes;
  table_ = tervolin::MagnitudeTableOf(magnitudes, spectral, language_);
  summary_->clear();
  summary_->hide();
  Redraw();
}

void MagnitudeWindow::ShowProblem(const tervolin::CurveLabel& subject, const std::string& message) {
  subject_ = subject;
  magnitudes_.reset();
  table_ = {};
  summary_->setText(Utf8("<span style='color: #c00000'>%1</span>").arg(Utf8(message).toHtmlEscaped()));
  summary_->show();
  Redraw();
}

void MagnitudeWindow::Clear() {
  subject_ = {};
  magnitudes_.reset();
  table_ = {};
  summary_->clear();
  summary_->hide();
  Redraw();
}

QString MagnitudeWindow::SummaryText() const {
  if (!magnitudes_) return QTextDocumentFragment::fromHtml(summary_->text()).toPlainText();
  QString text = Utf8(table_.heading);
  for (const tervolin::MagnitudeTableRow& row : table_.rows) {
    text += Utf8("\n%1 %2 %3").arg(Utf8(row.title), Utf8(row.crossSection), Utf8(row.share));
  }
  return text + QStringLiteral("\n") + Utf8(table_.ratio);
}

void MagnitudeWindow::Redraw() {
  const bool perSolidAngle = perSolidAngle_->isChecked();
  graph_->SetPlot({Utf8(tervolin::LabelText(subject_, language_)),
                   perSolidAngle ? Utf8("dσ/dΩ (cm²/g/sr)") : Utf8("dσ/dθ (cm²/g/deg)"),
                   perSolidAngle ? Utf8("cm²/g/sr") : Utf8("cm²/g/deg"),
                   magnitudes_ ? Curves(*magnitudes_, perSolidAngle, language_) : std::vector<MagnitudeCurve>(),
                   logarithmic_->isChecked(), table_, language_});
}

void MagnitudeWindow::CopyPicture() { QGuiApplication::clipboard()->setImage(graph_->Picture()); }

QByteArray MagnitudeWindow::FileContents(GraphFileType type, int pngScale) const {
  const auto paint = [this](QPainter& painter) { graph_->PaintOn(painter); };
  switch (type) {
    case GraphFileType::kSvg: {
      const std::string svg = graph_->SvgDocument();
      return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
    }
    case GraphFileType::kPdf: return PdfBytes(graph_->size(), windowTitle(), paint);
    case GraphFileType::kPng: return PngBytes(ScaledWidgetPicture(*graph_, pngScale, paint));
    case GraphFileType::kCsv: return CsvBytes(graph_->Plot());
  }
  return {};
}

bool MagnitudeWindow::SaveAs(const QString& path, GraphFileType type, int pngScale) {
  return SaveOrWarn(this, path, FileContents(type, pngScale), saves_);
}

void MagnitudeWindow::SaveWithDialog() {
  tervolin::CurveLabel label{{ToUtf8(Translated(Ui("散乱の大きさ"))), ""}};
  label.insert(label.end(), subject_.begin(), subject_.end());
  const QString name = Utf8(tervolin::LabelFileStem(label, language_)) + QStringLiteral(".png");
  const auto chosen = AskFileToSave(this, GraphFileFilters(), name, saves_);
  if (chosen) SaveAs(chosen->path, chosen->type, chosen->pngScale);
}

void MagnitudeWindow::contextMenuEvent(QContextMenuEvent* event) {
  ShowMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                        : graph_->mapToGlobal(graph_->rect().center()));
}

void MagnitudeWindow::ShowMenuAtGraph() { ShowMenu(graph_->mapToGlobal(graph_->rect().center())); }

void MagnitudeWindow::ShowMenu(QPoint globalPosition) {
  QMenu menu(this);
  for (QAction* action : actions()) {
    if (action != menuKey_) menu.addAction(action);
  }
  menu.exec(globalPosition);
}

}  // namespace tervolin::ui
