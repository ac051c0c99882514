#pragma once
// The start screen: what the tool does, the way to the two explanation screens and
// the way out of the program.

#include "ui/screen_window.h"

class QLabel;
class QPushButton;
class QWidget;

namespace tervolin::ui {

class StartScreen : public ScreenWindow {
  Q_OBJECT

 public:
  explicit StartScreen(Screens& screens);
  // Reads the attenuation table; false (after telling the user why) when the program
  // cannot start.
  bool Load();
  void onCoherentClicked();
  void onIncoherentClicked();
  void onQuitClicked();

  QLabel* titleLabel = nullptr;
  QLabel* subjectLabel = nullptr;
  QLabel* coherentNameLabel = nullptr;
  QLabel* incoherentNameLabel = nullptr;
  QLabel* aboutLine1 = nullptr;
  QLabel* aboutLine2 = nullptr;
  QLabel* aboutLine3 = nullptr;
  QLabel* aboutLine4 = nullptr;
  QLabel* aboutLine5 = nullptr;
  QLabel* versionLabel = nullptr;
  QWidget* atomPicture = nullptr;
  QWidget* mascotPicture = nullptr;
  QPushButton* coherentButton = nullptr;
  QPushButton* incoherentButton = nullptr;
  QPushButton* quitButton = nullptr;
  // The menu of languages: each language by its own name, the one in use checked.
  QPushButton* languageButton = nullptr;

 protected:
  void onCloseBoxUsed() override;

 private:
  void CreateLabels();
  void CreateButtons();
  void CreateLanguageMenu();
  // Deletes "P_Spectrum.dat" in the working directory, ignoring every error.
  void DeleteSpectrumFile();
};

}  // namespace tervolin::ui
