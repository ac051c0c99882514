// The pictures of the screens: each loads, has the size the screens' picture boxes
// are laid out for, and carries ink where its main elements stand.

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

#include "screen_checks.h"

using namespace tervolin::ui;

using namespace tervolin::testing;

namespace {

enum Ink { kBlack, kYellow, kOrange };

bool Matches(Ink ink, QColor c) {
  switch (ink) {
    case kBlack: return IsInk(c);
    case kYellow: return c.red() > 220 && c.green() > 190 && c.blue() < 80;
    case kOrange: return c.red() > 180 && c.green() > 90 && c.green() < 190 && c.blue() < 90;
  }
  return false;
}

// The picture drawn at its natural size, on white unless `background` says otherwise.
QImage Render(const QString& resource, QColor background = Qt::white) {
  QSvgRenderer renderer(resource);
  QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
  image.fill(background);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

QString Resource(const char* name) { return QStringLiteral(":/images/") + QLatin1String(name); }

}  // namespace

class PicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutions(); }

  void everyPictureLoadsAtItsNaturalSize_data() {
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("natural");
    QTest::newRow("atom") << Resource("atom.svg") << QSize(338, 275);
    QTest::newRow("coherent formula") << Resource("formula_coherent.svg") << QSize(642, 388);
    QTest::newRow("incoherent formula") << Resource("formula_incoherent.svg") << QSize(656, 522);
    QTest::newRow("spectral formula") << Resource("formula_spectral.svg") << QSize(703, 313);
    QTest::newRow("cone E0") << Resource("cone_e0.svg") << QSize(399, 197);
    QTest::newRow("cone E1") << Resource("cone_e1.svg") << QSize(399, 197);
    QTest::newRow("road sign") << Resource("road_sign.svg") << QSize(32, 32);
    QTest::newRow("dog") << Resource("dog.svg") << QSize(32, 32);
  }

  void everyPictureLoadsAtItsNaturalSize() {
    QFETCH(QString, resource);
    QSvgRenderer renderer(resource);
    QVERIFY(renderer.isValid());
    QTEST(renderer.defaultSize(), "natural");
    const QImage image = Render(resource, Qt::transparent);
    const int painted = CountPixels(image, image.rect(), [](QColor c) { return c.alpha() > 0; });
    QVERIFY(painted > image.width() * image.height() / 4);
  }

  void mainElementsCarryInk_data() {
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("ink");
    QTest::addColumn<int>("least");  // pixels of that ink in the area
    QTest::newRow("atom: nucleus in the centre") << Resource("atom.svg") << QRect(143, 94, 41, 41) << int(kBlack) << 150;
    QTest::newRow("atom: caption at the top") << Resource("atom.svg") << QRect(8, 4, 130, 18) << int(kBlack) << 80;
    QTest::newRow("atom: caption at the bottom") << Resource("atom.svg") << QRect(8, 254, 140, 18) << int(kBlack)
                                                 << 80;
    QTest::newRow("coherent: heading") << Resource("formula_coherent.svg") << QRect(20, 12, 560, 24) << int(kBlack)
                                       << 400;
    QTest::newRow("coherent: formula") << Resource("formula_coherent.svg") << QRect(20, 45, 600, 60) << int(kBlack)
                                       << 300;
    QTest::newRow("incoherent: heading") << Resource("formula_incoherent.svg") << QRect(20, 12, 580, 24)
                                         << int(kBlack) << 400;
    QTest::newRow("incoherent: formula") << Resource("formula_incoherent.svg") << QRect(20, 45, 620, 60)
                                         << int(kBlack) << 300;
    QTest::newRow("spectral: heading") << Resource("formula_spectral.svg") << QRect(20, 12, 450, 24) << int(kBlack)
                                       << 300;
    QTest::newRow("spectral: formula") << Resource("formula_spectral.svg") << QRect(20, 50, 600, 80) << int(kBlack)
                                       << 300;
    QTest::newRow("cone E0: scattering point") << Resource("cone_e0.svg") << QRect(193, 97, 7, 7) << int(kBlack) << 30;
    QTest::newRow("cone E1: scattering point") << Resource("cone_e1.svg") << QRect(193, 97, 7, 7) << int(kBlack) << 30;
    QTest::newRow("cone: base ring") << Resource("cone_e0.svg") << QRect(316, 20, 44, 160) << int(kBlack) << 200;
    QTest::newRow("road sign: yellow face") << Resource("road_sign.svg") << QRect(8, 8, 16, 16) << int(kYellow) << 100;
    QTest::newRow("dog: orange body") << Resource("dog.svg") << QRect(13, 19, 13, 8) << int(kOrange) << 40;
  }

  void mainElementsCarryInk() {
    QFETCH(QString, resource);
    QFETCH(QRect, area);
    QFETCH(int, ink);
    QFETCH(int, least);
    const QImage image = Render(resource);
    const int found = CountPixels(image, area, [ink](QColor c) { return Matches(static_cast<Ink>(ink), c); });
    QVERIFY2(found >= least, qPrintable(QString::number(found)));
  }

  void theConeSketchesDifferOnlyInTheScatteredRaysLabel() {
    const QImage e0 = Render(Resource("cone_e0.svg"));
    const QImage e1 = Render(Resource("cone_e1.svg"));
    const QRect subscript(244, 44, 14, 18);
    int elsewhere = 0, there = 0;
    for (int y = 0; y < e0.height(); ++y) {
      for (int x = 0; x < e0.width(); ++x) {
        const bool differs = e0.pixel(x, y) != e1.pixel(x, y);
        (subscript.contains(x, y) ? there : elsewhere) += differs ? 1 : 0;
      }
    }
    QCOMPARE(elsewhere, 0);
    QVERIFY(there > 5);
  }

  void theRoadSignIsADiamond() {
    const QImage sign = Render(Resource("road_sign.svg"), Qt::transparent);
    for (QPoint corner : {QPoint(1, 1), QPoint(30, 1), QPoint(1, 30), QPoint(30, 30)}) {
      QCOMPARE(sign.pixelColor(corner).alpha(), 0);
    }
    QVERIFY(sign.pixelColor(16, 2).alpha() > 0);
    QVERIFY(sign.pixelColor(16, 29).alpha() > 0);
  }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
