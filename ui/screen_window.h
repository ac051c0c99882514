#pragma once
// A top-level screen of its own size: title, client size given in twips (15 twips =
// 1 logical pixel), frame kind, task-bar entry, centred the first time it is shown,
// never modal, destroyed when its close box is used (after its close handler ran).
// Fixed in size, unless its graph may grow (LetGraphGrow).

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QWidget>
#include <vector>

#include "ui/ui_texts.h"

namespace tervolin::ui {

class PictureSurface;
class Screens;

// Shows the window above the others and gives it the keyboard.
void ShowInFront(QWidget& window);

class ScreenWindow : public QWidget {
  Q_OBJECT

 public:
  enum class Frame {
    FixedDialog,  // close box only, no minimise or maximise box
    FixedSingle,  // the same, with a task-bar entry
    ToolWindow,   // small title bar with a close box, no icon
  };

  ScreenWindow(Screens& screens, const QString& title, int clientWidthTwips, int clientHeightTwips, Frame frame);
  // The same with a title of the screens' texts, shown anew when the language changes.
  ScreenWindow(Screens& screens, UiText title, int clientWidthTwips, int clientHeightTwips, Frame frame);

  // Makes the screen visible and brings it to the front.
  void ShowScreen();
  // Shows the screen the others lead back to: the start screen.
  void ShowHomeScreen();
  // Hides the screen, keeping its controls and drawings for the next showing.
  void HideScreen();
  bool IsClosing() const { return closing_; }

  // Lets the window be enlarged and maximised, its own size the least: the graph
  // then grows by GraphZoom (ui/graph_zoom.h), the controls left of and above it stay
  // where they are, those right of or below it move with its right or bottom edge,
  // and headings over it stay centred over it. Called once the screen's controls
  // are all placed.
  void LetGraphGrow(PictureSurface& graph);

 protected:
  // The program's other screens and the workbench they share.
  Screens& screens_;  // ui/screens.h

  // Runs when the user closes the window; the screen is destroyed afterwards.
  virtual void onCloseBoxUsed() {}
  void closeEvent(QCloseEvent* event) override;
  // A new language: the remembered texts anew, then the screen's own (SetTexts).
  void changeEvent(QEvent* event) override;
  // The texts a screen words itself, or takes from the library in the workbench's
  // language, shown anew in the language just chosen.
  virtual void SetTexts() {}
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A control that follows the growing graph: where it stands at the own size, and
  // which share of the graph's growth across and down it moves by.
  struct Follower {
    QWidget* widget;
    QPoint ownPlace;
    QPointF share;
  };
  PictureSurface* growingGraph_ = nullptr;
  QSize ownSize_;
  QSize ownGraphSize_;
  std::vector<Follower> followers_;
  bool centred_ = false;
  bool closing_ = false;
};

}  // namespace tervolin::ui
