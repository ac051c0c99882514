#include "ui/controls.h"

#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgWidget>
#include <utility>

namespace tervolin::ui {

int TwipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

namespace {

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::ButtonText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

QString ButtonStyle(const QColor& face) {
  return QStringLiteral(
             "QPushButton { background-color: %1; border: 1px solid #7a7a7a; border-radius: 2px; }"
             "QPushButton:hover { border-color: #3c7fb1; }"
             "QPushButton:pressed { background-color: %2; }"
             "QPushButton:focus { border: 2px solid #3c7fb1; }"
             "QPushButton:disabled { color: #9a9a9a; }")
      .arg(face.name(), face.darker(115).name());
}

// A new control of the given kind on parent, with its layout name and font.
template <typename Control, typename... Args>
Control* NamedControl(QWidget* parent, const char* name, const QFont& font, Args&&... args) {
  auto* control = new Control(std::forward<Args>(args)..., parent);
  control->setObjectName(name);
  control->setFont(font);
  return control;
}

}  // namespace

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  const QFont& font, const QColor& colour) {
  auto* label = NamedControl<QLabel>(parent, name, font, text);
  SetTextColour(label, colour);
  label->move(TwipsToPixels(left), TwipsToPixels(top));
  label->adjustSize();
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QRect twips,
                        const QFont& font, const QColor& face) {
  auto* button = NamedControl<QPushButton>(parent, name, font, text);
  button->setGeometry(twips);
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setStyleSheet(ButtonStyle(face));
  return button;
}

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& text, QRect twips,
                         const QFont& font, const QColor& colour) {
  auto* option = NamedControl<QRadioButton>(parent, name, font, text);
  SetTextColour(option, colour);
  option->setGeometry(twips);
  return option;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, QRect twips,
                     const QFont& font) {
  auto* frame = NamedControl<QGroupBox>(parent, name, font, caption);
  frame->setGeometry(twips);
  return frame;
}

QLabel* MakeLabel(QWidget* parent, const char* name, UiText text, int left, int top, const QFont& font,
                  const QColor& colour) {
  QLabel* label = MakeLabel(parent, name, QString(), left, top, font, colour);
  SetUiText(label, text, true);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, UiText text, QRect twips, const QFont& font,
                        const QColor& face) {
  QPushButton* button = MakeButton(parent, name, QString(), twips, font, face);
  SetUiText(button, text);
  return button;
}

QRadioButton* MakeOption(QWidget* parent, const char* name, UiText text, QRect twips, const QFont& font,
                         const QColor& colour) {
  QRadioButton* option = MakeOption(parent, name, QString(), twips, font, colour);
  SetUiText(option, text);
  return option;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, UiText caption, QRect twips, const QFont& font) {
  QGroupBox* frame = MakeFrame(parent, name, QString(), twips, font);
  SetUiText(frame, caption);
  return frame;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, QRect twips, const QFont& font,
                       const QColor& textColour) {
  auto* box = NamedControl<QLineEdit>(parent, name, font);
  box->setAlignment(Qt::AlignCenter);
  SetTextColour(box, textColour);
  box->setGeometry(twips);
  return box;
}

QWidget* MakePictureBox(QWidget* parent, const char* name, QRect twips, const QString& svgResource,
                        const QColor& background) {
  auto* box = new QFrame(parent);
  box->setObjectName(name);
  box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  box->setLineWidth(2);
  box->setGeometry(twips);
  box->setAutoFillBackground(true);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Window, background);
  box->setPalette(palette);
  auto* picture = new QSvgWidget(svgResource, box);
  picture->setObjectName(QString(name) + "Image");
  picture->move(box->frameWidth(), box->frameWidth());
  picture->resize(picture->sizeHint());
  return box;
}

QString PictureInLanguage(const QString& svgResource, tervolin::Language language) {
  const int slash = svgResource.lastIndexOf(QLatin1Char('/'));
  const QString worded = svgResource.left(slash + 1) + QString::fromLatin1(tervolin::LanguageCode(language)) +
                         QLatin1Char('/') + svgResource.mid(slash + 1);
  return QFile::exists(worded) ? worded : svgResource;
}

void ShowInPictureBox(QWidget& box, const QString& svgResource) {
  if (auto* picture = box.findChild<QSvgWidget*>()) {
    picture->load(svgResource);
    picture->resize(picture->sizeHint());
  }
}

QIcon RoadSignIcon() { return QIcon(QStringLiteral(":/images/road_sign.svg")); }

}  // namespace tervolin::ui
