#include "ui/graph_files.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QFile>
#include <QSvgGenerator>
#include <filesystem>
#include <string_view>

#include "data/file_replacement.h"
#include "data/replacement_messages.h"
#include "ui/qt_text.h"

namespace tervolin::ui {

namespace {

constexpr GraphFileType kTypes[] = {GraphFileType::kPng, GraphFileType::kSvg, GraphFileType::kPdf,
                                    GraphFileType::kCsv};
// Logical pixels are laid out at 96 per inch, as on the screens.
constexpr int kDotsPerInch = 96;

}  // namespace

QStringList GraphFileFilters() {
  return {Utf8("PNG 画像 (*.png)"), Utf8("SVG 図 (*.svg)"),
          Utf8("PDF 文書 (*.pdf)"), Utf8("CSV 数値表 (*.csv)")};
}

QString FileExtension(GraphFileType type) {
  switch (type) {
    case GraphFileType::kPng: return QStringLiteral("png");
    case GraphFileType::kSvg: return QStringLiteral("svg");
    case GraphFileType::kPdf: return QStringLiteral("pdf");
    case GraphFileType::kCsv: return QStringLiteral("csv");
  }
  return {};
}

GraphFileType ChosenFileType(const QString& fileName, const QString& selectedFilter) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  for (GraphFileType type : kTypes) {
    if (suffix == FileExtension(type)) return type;
  }
  const QStringList filters = GraphFileFilters();
  const auto chosen = filters.indexOf(selectedFilter);
  return chosen >= 0 ? kTypes[chosen] : GraphFileType::kPng;
}

QString WithExtension(const QString& fileName, GraphFileType type) {
  const QString extension = FileExtension(type);
  if (QFileInfo(fileName).suffix().toLower() == extension) return fileName;
  return fileName + QLatin1Char('.') + extension;
}

QByteArray PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray SvgBytes(QSize size, const QString& title, const std::function<void(QPainter&)>& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setResolution(kDotsPerInch);
  svg.setTitle(title);
  QPainter painter(&svg);
  paint(painter);
  painter.end();
  return bytes;
}

QByteArray PdfBytes(QSize size, const QString& title, const std::function<void(QPainter&)>& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setTitle(title);
  pdf.setCreator(QStringLiteral("Tervolin"));
  pdf.setResolution(kDotsPerInch);
  // A page of exactly the graph: 1 logical pixel is 0.75 point at 96 per inch.
  pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(size) * 0.75, QPageSize::Point, QString(), QPageSize::ExactMatch), QPageLayout::Portrait,
                                QMarginsF()));
  QPainter painter(&pdf);
  paint(painter);
  painter.end();
  return bytes;
}

// Not QSaveFile: Qt 6.4's commit() reports success when its final flush meets a
// full disk, and it replaces a device, a named pipe or a symbolic link.
std::optional<QString> WriteFileSafely(const QString& path, const QByteArray& bytes) {
  const std::filesystem::path file(QFile::encodeName(path).toStdString());
  const auto failure = tervolin::ReplaceFileContents(file, std::string_view(bytes.constData(), bytes.size()));
  if (!failure) return std::nullopt;
  return QString::fromStdString(tervolin::ReplacementFailureReason(*failure, tervolin::MessageLanguage::Japanese));
}

}  // namespace tervolin::ui
