#include "ui/PdfModule.h"

#include <QDeadlineTimer>
#include <QVariant>
#include <algorithm>
#include <memory>

#include <poppler-qt6.h>

extern "C" __attribute__((visibility("default"))) bool
zarvoPdfFirstPage(const QString& path, int side, double dpi, int milliseconds, QImage& page) {
    static_assert(std::is_same_v<decltype(&zarvoPdfFirstPage), zarvo::ui::PdfFirstPageFunction>);
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
    if (!document || document->isLocked()) return false;
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    const std::unique_ptr<Poppler::Page> first = document->page(0);
    if (!first) return false;
    // A page may claim any size: the resolution is lowered until the page fits `side` pixels.
    const QSizeF points = first->pageSizeF();
    const double longest = std::max(points.width(), points.height());
    if (!(longest > 0)) return false;
    const double resolution = std::min(dpi, side * 72.0 / longest);
    const QDeadlineTimer deadline(milliseconds);
    page = first->renderToImage(
        resolution, resolution, -1, -1, -1, -1, Poppler::Page::Rotate0, nullptr, nullptr,
        [](const QVariant& until) { return QDeadlineTimer::current().deadline() > until.toLongLong(); },
        QVariant::fromValue(deadline.deadline()));
    return !page.isNull();
}
