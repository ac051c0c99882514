#include "ui/data_source_screen.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/qt_text.h"

namespace tervolin::ui {

namespace {

const QString kMeiryo = Utf8("メイリオ");
const QString kTimes = QStringLiteral("Times New Roman");

// The citation, black, in Times New Roman 15.75 pt.
struct CitationLine {
  QLabel* DataSourceScreen::*member;
  const char* name;
  const char* text;
  int left, top;
};

const CitationLine kCitation[] = {
    {&DataSourceScreen::citationLine1, "citationLine1", "J. H. Hubbell, Wm. J. Veigele, et al.", 360, 960},
    {&DataSourceScreen::citationLine2, "citationLine2", "Atomic Form Factors, Incoherent Scattering Functions,", 600, 1320},
    {&DataSourceScreen::citationLine3, "citationLine3", "and Photon Scattering Cross Sections.", 600, 1680},
    {&DataSourceScreen::citationLine4, "citationLine4", "Journal of Physical and Chemical Reference Data", 600, 2160},
    {&DataSourceScreen::citationLine5, "citationLine5", "Vol.4, No.3, pages 471-538, (1975)", 600, 2520},
};

}  // namespace

DataSourceScreen::DataSourceScreen(Screens& screens) : ScreenWindow(screens, Ui("　Data reference"), 7860, 3930, Frame::FixedSingle) {
  setWindowIcon(RoadSignIcon());
  setFont(ScreenFont(kTimes, 12));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  CreateLabels();
  closeButton = MakeButton(this, "closeButton", Ui("閉じる"), TwipsRect(3360, 3240, 1095, 495),
                        ScreenFont(kMeiryo, 12), kButtonYellow);
  connect(closeButton, &QPushButton::clicked, this, &DataSourceScreen::onCloseClicked);
}

void DataSourceScreen::CreateLabels() {
  headingLabel = MakeLabel(this, "headingLabel", Ui("データの出典"), 360, 360, ScreenFont(kMeiryo, 14.25),
                     kLabelBlue);
  const QFont citationFont = ScreenFont(kTimes, 15.75);
  for (const CitationLine& line : kCitation) {
    this->*line.member = MakeLabel(this, line.name, Utf8(line.text), line.left, line.top, citationFont);
  }
}

void DataSourceScreen::onCloseClicked() { HideScreen(); }

}  // namespace tervolin::ui
