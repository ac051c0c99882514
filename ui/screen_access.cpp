// The controls the computation reaches, through the single instance of their screen.

#include "ui/screen_access.h"

#include <QLineEdit>

#include "ui/calculation_screen.h"
#include "ui/spectrum_screen.h"
#include "ui/picture_surface.h"

namespace tervolin::ui {

PictureSurface& CalculationGraphSurface() { return *Form4::Instance().Picture1; }

QString CalculationEnergyText() { return Form4::Instance().Text1->text(); }

PictureSurface& SpectrumGraphSurface() { return *Form5::Instance().Picture3; }

QLineEdit& SpectrumFieldEdit(tervolin::SpectrumField field) {
  Form5& screen = Form5::Instance();
  switch (field) {
    case tervolin::SpectrumField::TubeVoltage: return *screen.Text1;
    case tervolin::SpectrumField::InherentFiltration: return *screen.Text2;
    case tervolin::SpectrumField::AluminiumFilter: return *screen.Text3;
    case tervolin::SpectrumField::CopperFilter: return *screen.Text4;
    case tervolin::SpectrumField::TargetAngle: return *screen.Text5;
  }
  return *screen.Text1;
}

}  // namespace tervolin::ui
