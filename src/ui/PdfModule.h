#pragma once

#include <QImage>
#include <QString>

namespace zarvo::ui {

// zarvo-pdf.so, the module that links poppler: loaded with the first PDF the preview shows, so a
// process that never shows one never maps poppler and its dozen libraries.
inline constexpr const char* kPdfModuleName = "zarvo-pdf.so";

// Draws the first page of the PDF at `path` into `page`, its longer side at most `side` pixels and at
// most `dpi`, giving up after `milliseconds`; false when the file has no page that draws.
using PdfFirstPageFunction = bool (*)(const QString& path, int side, double dpi, int milliseconds,
                                      QImage& page);
inline constexpr const char* kPdfFirstPageSymbol = "zarvoPdfFirstPage";

} // namespace zarvo::ui
