#include "ui/graph_files.h"

#include "ui/ui_texts.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QFile>
#include <filesystem>
#include <string_view>

#include "data/file_names.h"
#include "data/file_replacement.h"
#include "data/replacement_messages.h"
#include "ui/qt_text.h"

namespace tervolin::ui {

namespace {

constexpr GraphFileType kTypes[] = {GraphFileType::kPng, GraphFileType::kSvg, GraphFileType::kPdf,
                                    GraphFileType::kCsv};

struct FileFilter {
  FileFilterChoice choice;
  UiText text;
};

// The PNG picture twice the screen's size first: sharp on a projector and on paper.
constexpr FileFilter kFilters[] = {
    {{GraphFileType::kPng, 2}, Ui("PNG 画像・画面の 2 倍 (*.png)")},
    {{GraphFileType::kPng, 1}, Ui("PNG 画像・画面と同じ大きさ (*.png)")},
    {{GraphFileType::kPng, 3}, Ui("PNG 画像・画面の 3 倍 (*.png)")},
    {{GraphFileType::kSvg, kDefaultPngScale}, Ui("SVG 図 (*.svg)")},
    {{GraphFileType::kPdf, kDefaultPngScale}, Ui("PDF 文書 (*.pdf)")},
    {{GraphFileType::kPng, 1, true}, Ui("スライド用 16:9 PNG 画像・1920×1080 (*.png)")},
    {{GraphFileType::kPng, 2, true}, Ui("スライド用 16:9 PNG 画像・3840×2160 (*.png)")},
    {{GraphFileType::kSvg, kDefaultPngScale, true}, Ui("スライド用 16:9 SVG 図 (*.svg)")},
    {{GraphFileType::kPdf, kDefaultPngScale, true}, Ui("スライド用 16:9 PDF 文書 (*.pdf)")},
    {{GraphFileType::kCsv, kDefaultPngScale}, Ui("CSV 数値表 (*.csv)")},
};
// Logical pixels are laid out at 96 per inch, as on the screens.
constexpr int kDotsPerInch = 96;

}  // namespace

QStringList GraphAndSlideFileFilters() {
  QStringList filters;
  for (const FileFilter& filter : kFilters) filters.append(Translated(filter.text));
  return filters;
}

QStringList GraphFileFilters() {
  QStringList filters;
  for (const FileFilter& filter : kFilters) {
    if (!filter.choice.slide) filters.append(Translated(filter.text));
  }
  return filters;
}

QStringList PictureFileFilters() {
  QStringList filters;
  for (const FileFilter& filter : kFilters) {
    if (filter.choice.type != GraphFileType::kCsv && !filter.choice.slide) filters.append(Translated(filter.text));
  }
  return filters;
}

FileFilterChoice FilterChoice(const QString& filter) {
  for (const FileFilter& f : kFilters) {
    if (filter == Translated(f.text)) return f.choice;
  }
  return {GraphFileType::kPng, kDefaultPngScale};
}

QStringList FilterExtensions(const QStringList& filters) {
  QStringList extensions;
  for (const QString& filter : filters) {
    const QString extension = FileExtension(FilterChoice(filter).type);
    if (!extensions.contains(extension)) extensions.append(extension);
  }
  return extensions;
}

QString TypeExtension(const QString& fileName) {
  return QString::fromStdString(tervolin::FileTypeExtension(fileName.toStdString()));
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
  const QString extension = TypeExtension(fileName).toLower();
  for (GraphFileType type : kTypes) {
    if (extension == FileExtension(type)) return type;
  }
  return FilterChoice(selectedFilter).type;
}

// "foo." ends in an empty extension: it gets the type's, not a second dot.
QString WithExtension(const QString& fileName, GraphFileType type) {
  const QString extension = FileExtension(type);
  if (TypeExtension(fileName).toLower() == extension) return fileName;
  return fileName + (fileName.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".")) + extension;
}

QByteArray PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
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
std::optional<QString> WriteFileSafely(const QString& path, const QByteArray& bytes, tervolin::Language language,
                                       const tervolin::FileSystemCalls& calls) {
  const std::filesystem::path file(QFile::encodeName(path).toStdString());
  const auto failure =
      tervolin::ReplaceFileContents(file, std::string_view(bytes.constData(), bytes.size()), nullptr, calls);
  if (!failure) return std::nullopt;
  return QString::fromStdString(tervolin::ReplacementFailureReason(*failure, language));
}

}  // namespace tervolin::ui
