#pragma once

#include <QImage>
#include <QString>
#include <functional>

namespace zarvo::ui {

// What the preview window shows of a file, made on a worker thread: a picture (an image, the first
// page of a PDF) or text, or nothing (then the file is described).
struct PreviewContent {
    enum class Kind { image, text, pdf, details };
    Kind kind = Kind::details;
    QImage image;
    QString text;
};

namespace PreviewLoading {

// The picture's longer side is at most this many pixels, whatever the file asks for.
inline constexpr int maximumSide = 4096;
// A preview shows the start of a long text; reading it all would stall on a log of gigabytes.
inline constexpr qint64 textBytes = 512 * 1024;
// Lines are cut here: laying out a line of a megabyte takes seconds.
inline constexpr qsizetype lineCharacters = 2000;
// Rendering that takes longer than this is given up (a PDF page can be made arbitrarily slow).
inline constexpr int renderMilliseconds = 5000;

// Draws the first page of a PDF (see PdfModule.h); set by the process at start. Unset, or drawing
// nothing, a PDF is described like any other file.
void setPdfRenderer(std::function<QImage(const QString& path, int side, double dpi)> render);
// What a file is shown as; text files are recognised by content type and by a look at their bytes.
PreviewContent::Kind kindOf(const QString& path);
// Reads and decodes the file; may take a while, never on the main thread. `side` is the longest side
// the window wants, in device pixels; `dpi` the resolution for a PDF page.
PreviewContent load(const QString& path, int side, double dpi);
// The text shown for the bytes read: long lines cut with an ellipsis, and one after a cut-off end.
QString boundedText(const QByteArray& bytes, bool more);

} // namespace PreviewLoading

} // namespace zarvo::ui
