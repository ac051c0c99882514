#pragma once
// The files a graph can be saved as, their contents, and writing them safely.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/language.h"
#include "data/file_system_calls.h"

class QPainter;

namespace tervolin::ui {

enum class GraphFileType { kPng, kSvg, kPdf, kCsv };

// What a filter of the save dialog offers: a type and, for PNG, the picture's size
// in times the screen's (a projector or a printed page wants more pixels).
struct FileFilterChoice {
  GraphFileType type;
  int pngScale;  // 1, 2 or 3
  bool slide = false;  // a 16:9 slide (graphs/graph_picture.h); PNG at 1 or 2 × 1920 × 1080
};
inline constexpr int kDefaultPngScale = 2;

// The save dialog's filters: PNG at twice the screen's size, at the screen's size,
// at three times, then SVG, PDF and CSV.
QStringList GraphFileFilters();
// The same with the slides' PNG (1× and 2×), SVG and PDF before CSV: the graphs'.
QStringList GraphAndSlideFileFilters();
// The same without CSV, for a picture that has no table.
QStringList PictureFileFilters();
QString FileExtension(GraphFileType type);  // "png"

// The type and scale a filter offers; PNG at the default scale for any other text.
FileFilterChoice FilterChoice(const QString& filter);
// The extensions the filters offer, each once, in their order: {"png", "svg"}.
QStringList FilterExtensions(const QStringList& filters);
// The extension a name gives its file's type, as written ("txt"), or the empty text
// (FileTypeExtension, data/file_names.h: "data.2024" has none).
QString TypeExtension(const QString& fileName);

// The type of a chosen file: by the name's extension when it is one of the four,
// else by the chosen filter (PNG when that is none of them either).
GraphFileType ChosenFileType(const QString& fileName, const QString& selectedFilter);
// The name with the type's extension appended unless it already ends in it.
QString WithExtension(const QString& fileName, GraphFileType type);

// Contents of the image and PDF files (SVG comes from the library's SvgSurface).
// `paint` draws the graph in logical pixels on an area of `size`; the file's page is
// exactly that area.
QByteArray PngBytes(const QImage& image);
QByteArray PdfBytes(QSize size, const QString& title, const std::function<void(QPainter&)>& paint);

// Writes the bytes through ReplaceFileContents (data/file_replacement.h): a temporary
// file, every write and the final flush checked, that replaces `path` only when
// complete; a folder, device, named pipe, socket or read-only file is refused, a
// symbolic link written through, the permission bits kept. On failure the old file
// is as it was, no temporary file is left and the reason is returned in `language`.
std::optional<QString> WriteFileSafely(const QString& path, const QByteArray& bytes, tervolin::Language language,
                                       const tervolin::FileSystemCalls& calls = {});

}  // namespace tervolin::ui
