#include "ui/data_source_screen.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "ui/controls.h"
#include "ui/fonts.h"

namespace tervolin::ui {

namespace {

const QString kMeiryo = QString::fromUtf8("メイリオ");
const QString kTimes = QStringLiteral("Times New Roman");

// The citation, black, in Times New Roman 15.75 pt.
struct CitationLine {
  QLabel* Form6::*member;
  const char* name;
  const char* text;
  int left, top;
};

const CitationLine kCitation[] = {
    {&Form6::Label1, "Label1", "J. H. Hubbell, Wm. J. Veigele, et al.", 360, 960},
    {&Form6::Label2, "Label2", "Atomic Form Factors, Incoherent Scattering Functions,", 600, 1320},
    {&Form6::Label3, "Label3", "and Photon Scattering Cross Sections.", 600, 1680},
    {&Form6::Label4, "Label4", "Journal of Physical and Chemical Reference Data", 600, 2160},
    {&Form6::Label5, "Label5", "Vol.4, No.3, pages 471-538, (1975)", 600, 2520},
};

}  // namespace

Form6::Form6() : ScreenWindow(QString::fromUtf8("　Data reference"), 7860, 3930, Frame::FixedSingle) {
  setWindowIcon(RoadSignIcon());
  setFont(ScreenFont(kTimes, 12));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  CreateLabels();
  Command1 = MakeButton(this, "Command1", QString::fromUtf8("閉じる"), TwipsRect(3360, 3240, 1095, 495),
                        ScreenFont(kMeiryo, 12), kButtonYellow);
  connect(Command1, &QPushButton::clicked, this, &Form6::Form6_Command1_Click);
}

void Form6::CreateLabels() {
  Label6 = MakeLabel(this, "Label6", QString::fromUtf8("データの出典"), 360, 360, ScreenFont(kMeiryo, 14.25),
                     kLabelBlue);
  const QFont citationFont = ScreenFont(kTimes, 15.75);
  for (const CitationLine& line : kCitation) {
    this->*line.member = MakeLabel(this, line.name, QString::fromUtf8(line.text), line.left, line.top, citationFont);
  }
}

void Form6::Form6_Command1_Click() { HideScreen(); }

}  // namespace tervolin::ui
