#pragma once

#include <QCache>
#include <QImage>
#include <QObject>
#include <QUuid>
#include <optional>

namespace zarvo {
class ClipStore;
}

namespace zarvo::ui {

// The pictures of image clips, decoded for the views and kept for a while: the store keeps bytes only,
// so that its processes need no image library. One per store (a child of it); pictures of a clip whose
// data changed are dropped.
class ClipImages : public QObject {
    Q_OBJECT
public:
    static ClipImages& of(ClipStore& store);

    std::optional<QImage> image(const QUuid& id);
    std::optional<QImage> thumbnail(const QUuid& id);

private:
    explicit ClipImages(ClipStore& store);

    ClipStore& m_store;
    QCache<QUuid, QImage> m_images;
    QCache<QUuid, QImage> m_thumbnails;
};

} // namespace zarvo::ui
