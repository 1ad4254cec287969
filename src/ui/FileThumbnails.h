#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <QTimer>
#include <optional>

namespace zarvo {
class Workspace;
}

namespace zarvo::ui {

// Thumbnails of pictures, PDFs and videos for the rows, from the freedesktop thumbnail cache
// ($XDG_CACHE_HOME/thumbnails, read only, each checked against the file's URI and modification time).
// Looked up on a worker thread; missing ones are asked of the desktop's thumbnailer. A row never waits:
// until its thumbnail is known it shows the file's icon.
class FileThumbnails : public QObject {
    Q_OBJECT
public:
    explicit FileThumbnails(Workspace* workspace, QString cacheHome, QObject* parent = nullptr);
    ~FileThumbnails() override;
    // The thumbnail when known; otherwise starts looking for it and answers none.
    std::optional<QImage> thumbnail(const QString& path);

    // Whether the desktop pictures files of this kind (by name): images, PDFs, videos.
    static bool isPictured(const QString& path);
    // A valid cached thumbnail of `path` under `cacheHome`, scaled down to `maxSide` pixels; none when
    // there is none or it is out of date.
    static std::optional<QImage> readCached(const QString& path, const QString& cacheHome, int maxSide);

signals:
    // A thumbnail became known; rows showing `path` repaint.
    void ready(const QString& path);

private:
    void found(const QString& path, const std::optional<QImage>& image);
    void askThumbnailer();

    Workspace* m_workspace;
    QString m_cacheHome;
    QHash<QString, QImage> m_images;
    QSet<QString> m_looking; // being read on the worker
    QSet<QString> m_missing; // read, none there
    QSet<QString> m_asked;   // asked of the thumbnailer
    QStringList m_toAsk;
    QTimer m_askSoon;
    QThreadPool m_pool;
};

} // namespace zarvo::ui
