#pragma once
// Building blocks of the screens, placed by positions in twips (15 twips = 1 logical
// pixel) as the layouts give them: labels sized to their text, push buttons with a
// coloured face, option buttons, frames, text boxes and picture boxes.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "core/language.h"
#include "ui/ui_texts.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tervolin::ui {

inline constexpr int kTwipsPerPixel = 15;

int TwipsToPixels(int twips);
QRect TwipsRect(int left, int top, int width, int height);

inline const QColor kButtonYellow{255, 255, 192};
inline const QColor kButtonCyan{192, 255, 255};
inline const QColor kLabelBlue{0, 0, 255};

// A transparent label at (left, top) twips, sized to its text.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  const QFont& font, const QColor& colour = Qt::black);

// A push button with a flat coloured face; no default or auto-default behaviour.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QRect twips,
                        const QFont& font, const QColor& face);

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& text, QRect twips,
                         const QFont& font, const QColor& colour = Qt::black);

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, QRect twips,
                     const QFont& font);

// The same with a text of the screens (ui/ui_texts.h), shown anew when the language
// changes.
QLabel* MakeLabel(QWidget* parent, const char* name, UiText text, int left, int top, const QFont& font,
                  const QColor& colour = Qt::black);
QPushButton* MakeButton(QWidget* parent, const char* name, UiText text, QRect twips, const QFont& font,
                        const QColor& face);
QRadioButton* MakeOption(QWidget* parent, const char* name, UiText text, QRect twips, const QFont& font,
                         const QColor& colour = Qt::black);
QGroupBox* MakeFrame(QWidget* parent, const char* name, UiText caption, QRect twips, const QFont& font);

// A text box with its text centred.
QLineEdit* MakeTextBox(QWidget* parent, const char* name, QRect twips, const QFont& font,
                       const QColor& textColour = Qt::black);

// A picture box with a sunken 3-D border showing an SVG resource at its natural size
// from the top-left corner of the inner area, on the given background.
QWidget* MakePictureBox(QWidget* parent, const char* name, QRect twips, const QString& svgResource,
                        const QColor& background = Qt::white);

// The picture of `svgResource` worded in `language`: the same name in the folder of
// the language's code beside it (":/images/en/formula_coherent.svg"), or the
// resource itself (the Japanese sheets, and pictures without words).
QString PictureInLanguage(const QString& svgResource, tervolin::Language language);
// Shows another SVG resource in a picture box made by MakePictureBox.
void ShowInPictureBox(QWidget& box, const QString& svgResource);

// The road-sign window icon.
QIcon RoadSignIcon();

}  // namespace tervolin::ui
