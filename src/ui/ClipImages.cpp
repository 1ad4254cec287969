#include "ui/ClipImages.h"

#include "clipboard/ClipStore.h"
#include "platform/qt/QtImageCodec.h"

namespace zarvo::ui {

ClipImages::ClipImages(ClipStore& store)
    : QObject(&store), m_store(store), m_images(200'000'000), m_thumbnails(300) {
    connect(&store, &ClipStore::clipDataChanged, this, [this](const QUuid& id) {
        m_images.remove(id);
        m_thumbnails.remove(id);
    });
}

ClipImages& ClipImages::of(ClipStore& store) {
    if (auto* images = store.findChild<ClipImages*>(QString(), Qt::FindDirectChildrenOnly)) return *images;
    return *new ClipImages(store);
}

std::optional<QImage> ClipImages::image(const QUuid& id) {
    if (const QImage* cached = m_images.object(id)) return *cached;
    const auto png = m_store.imageData(id);
    if (!png) return std::nullopt;
    const auto image = QtImageCodec::decode(*png);
    if (!image) return std::nullopt;
    const qint64 cost = image->width() > 0 ? qint64(image->width()) * image->height() * 4 : png->size();
    m_images.insert(id, new QImage(*image), qsizetype(cost));
    return image;
}

std::optional<QImage> ClipImages::thumbnail(const QUuid& id) {
    if (const QImage* cached = m_thumbnails.object(id)) return *cached;
    const auto bytes = m_store.thumbnailData(id);
    if (!bytes) return std::nullopt;
    QImage image;
    if (!image.loadFromData(*bytes, "png")) return std::nullopt;
    m_thumbnails.insert(id, new QImage(image));
    return image;
}

} // namespace zarvo::ui
