#pragma once
// The files a graph can be saved as, their contents, and writing them safely.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPainter;

namespace tervolin::ui {

enum class GraphFileType { kPng, kSvg, kPdf, kCsv };

// The save dialog's filters, in the order of GraphFileType.
QStringList GraphFileFilters();
QString FileExtension(GraphFileType type);  // "png"

// The type of a chosen file: by the name's extension when it is one of the four,
// else by the chosen filter (PNG when that is none of them either).
GraphFileType ChosenFileType(const QString& fileName, const QString& selectedFilter);
// The name with the type's extension appended unless it already ends in it.
QString WithExtension(const QString& fileName, GraphFileType type);

// Contents of the image and vector files. `paint` draws the graph in logical pixels
// on an area of `size`; the file's page is exactly that area.
QByteArray PngBytes(const QImage& image);
QByteArray SvgBytes(QSize size, const QString& title, const std::function<void(QPainter&)>& paint);
QByteArray PdfBytes(QSize size, const QString& title, const std::function<void(QPainter&)>& paint);

// Writes the bytes through ReplaceFileContents (data/file_replacement.h): a temporary
// file, every write and the final flush checked, that replaces `path` only when
// complete; a folder, device, named pipe, socket or read-only file is refused, a
// symbolic link written through, the permission bits kept. On failure the old file
// is as it was, no temporary file is left and the reason is returned in Japanese.
std::optional<QString> WriteFileSafely(const QString& path, const QByteArray& bytes);

}  // namespace tervolin::ui
