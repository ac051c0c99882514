#include "ui/magnitude_window.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>

#include "core/messages.h"
#include "ui/fonts.h"
#include "ui/magnitude_graph.h"
#include "ui/qt_text.h"
#include "ui/save_dialog.h"
#include "ui/ui_texts.h"

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

}  // namespace

MagnitudeWindow::MagnitudeWindow(QWidget* parent, const tervolin::Workbench& bench, SaveFolderMemory& saves)
    : QWidget(parent, Qt::Window), bench_(bench), saves_(saves), graph_(new MagnitudeGraph(this)), summary_(new QLabel(this)) {
  SetUiText(this, Ui("散乱の大きさを比較"));
  setFont(ScreenFont(Utf8("メイリオ"), 9));
  help_ = new QLabel(this);
  help_->setWordWrap(true);
  help_->setStyleSheet(QStringLiteral("color: #444444"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(graph_, 1);
  layout->addWidget(summary_);
  layout->addWidget(help_);
  AddActions();
  shown_ = bench.Observe([this](tervolin::Changes changes) {
    using tervolin::Change;
    if (changes.Any(Change::kComparison | Change::kLanguage | Change::kMaterials)) Redraw();
  });
  Redraw();
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

tervolin::ViewSet MagnitudeWindow::ViewsChosen() const {
  return tervolin::ViewSet{}.With(tervolin::View::kPerSolidAngle, perSolidAngle_->isChecked());
}

QString MagnitudeWindow::SummaryText() const {
  const tervolin::Comparison& compared = bench_.LastComparison();
  if (compared.problem) return FromUtf8(tervolin::MessageOf(*compared.problem, bench_.TextLanguage()));
  if (!compared.magnitudes) return {};
  const tervolin::MagnitudeTable& table = graph_->Plot().table;
  QString text = Utf8(table.heading);
  for (const tervolin::MagnitudeTableRow& row : table.rows) {
    text += Utf8("\n%1 %2 %3").arg(Utf8(row.title), Utf8(row.crossSection), Utf8(row.share));
  }
  return text + QStringLiteral("\n") + Utf8(table.ratio);
}

void MagnitudeWindow::Redraw() {
  const tervolin::Comparison& compared = bench_.LastComparison();
  help_->setText(Utf8(tervolin::TextOf(tervolin::TextId::kMagnitudesNote, bench_.TextLanguage())));
  graph_->SetPlot(bench_.MagnitudePlotOf(ViewsChosen(), logarithmic_->isChecked()), bench_.TextLanguage());
  summary_->setVisible(compared.problem.has_value());
  const std::string message = compared.problem ? tervolin::MessageOf(*compared.problem, bench_.TextLanguage()) : "";
  summary_->setText(compared.problem ? Utf8("<span style='color: #c00000'>%1</span>").arg(Utf8(message).toHtmlEscaped())
                                     : QString());
}

void MagnitudeWindow::CopyPicture() { QGuiApplication::clipboard()->setImage(graph_->Picture()); }

QByteArray MagnitudeWindow::FileContents(GraphFileType type, int pngScale) const {
  const auto bytes = [](const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); };
  switch (type) {
    case GraphFileType::kSvg: return bytes(graph_->SvgDocument());
    case GraphFileType::kPdf:
      return PdfBytes(graph_->size(), windowTitle(), [this](QPainter& painter) { graph_->PaintOn(painter); });
    case GraphFileType::kPng: return PngBytes(graph_->Picture(pngScale == 1 ? 0 : pngScale));
    case GraphFileType::kCsv: return bytes(bench_.MagnitudeCsv(ViewsChosen()));
  }
  return {};
}

bool MagnitudeWindow::SaveAs(const QString& path, GraphFileType type, int pngScale) {
  return SaveOrWarn(this, path, FileContents(type, pngScale), saves_, bench_.TextLanguage());
}

void MagnitudeWindow::SaveWithDialog() {
  tervolin::CurveLabel label{{ToUtf8(Translated(Ui("散乱の大きさ"))), ""}};
  const tervolin::CurveLabel& subject = bench_.LastComparison().subject;
  label.insert(label.end(), subject.begin(), subject.end());
  const QString name = Utf8(tervolin::LabelFileStem(label, bench_.Wording())) + QStringLiteral(".png");
  const auto chosen = AskFileToSave(this, GraphFileFilters(), name, saves_, bench_.TextLanguage());
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
