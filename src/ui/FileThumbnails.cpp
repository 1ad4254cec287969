#include "ui/FileThumbnails.h"

#include "platform/Workspace.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>
#include <QPointer>
#include <QUrl>

namespace zarvo::ui {

namespace {
// Rows draw icons of 32 points; twice that is sharp at scale 2.
constexpr int kSide = 64;
// Cache sizes, smallest first: the first that holds a valid one is enough for a row.
const char* const kFlavors[] = {"normal", "large", "x-large", "xx-large"};
constexpr int kMaxKept = 400;
} // namespace

FileThumbnails::FileThumbnails(Workspace* workspace, QString cacheHome, QObject* parent)
    : QObject(parent), m_workspace(workspace), m_cacheHome(std::move(cacheHome)) {
    m_pool.setMaxThreadCount(1);
    // Rows appear together: their missing thumbnails go to the thumbnailer in one request.
    m_askSoon.setSingleShot(true);
    m_askSoon.setInterval(100);
    connect(&m_askSoon, &QTimer::timeout, this, &FileThumbnails::askThumbnailer);
}

FileThumbnails::~FileThumbnails() {
    m_pool.clear();
    m_pool.waitForDone();
}

bool FileThumbnails::isPictured(const QString& path) {
    static const QMimeDatabase mime;
    const QString type = mime.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name();
    return type.startsWith(QLatin1String("image/")) || type.startsWith(QLatin1String("video/")) ||
           type == QLatin1String("application/pdf");
}

std::optional<QImage> FileThumbnails::readCached(const QString& path, const QString& cacheHome, int maxSide) {
    const QFileInfo file(path);
    if (!file.isFile() || cacheHome.isEmpty()) return std::nullopt;
    const QByteArray uri = QUrl::fromLocalFile(file.absoluteFilePath()).toEncoded();
    const QString name = QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) +
                         QStringLiteral(".png");
    const qint64 mtime = file.lastModified().toSecsSinceEpoch();
    for (const char* flavor : kFlavors) {
        QImageReader reader(cacheHome + QStringLiteral("/thumbnails/") + QLatin1String(flavor) +
                                QLatin1Char('/') + name,
                            "png");
        if (!reader.canRead()) continue;
        // Read whole: thumbnailers may write the keys after the pixels. A thumbnail of another file with
        // the same hash, or of an older version, is not this one's.
        QImage image = reader.read();
        // The time is whole seconds, or (tumbler) seconds with a fraction.
        bool isTime = false;
        const double written = image.text(QStringLiteral("Thumb::MTime")).toDouble(&isTime);
        if (image.isNull() || image.text(QStringLiteral("Thumb::URI")).toUtf8() != uri || !isTime ||
            qint64(written) != mtime)
            continue;
        if (image.width() > maxSide || image.height() > maxSide)
            image = image.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return image;
    }
    return std::nullopt;
}

std::optional<QImage> FileThumbnails::thumbnail(const QString& path) {
    if (const auto it = m_images.constFind(path); it != m_images.constEnd()) return *it;
    if (m_looking.contains(path) || m_missing.contains(path) || !isPictured(path)) return std::nullopt;
    m_looking.insert(path);
    QPointer<FileThumbnails> self(this);
    const QString cacheHome = m_cacheHome;
    m_pool.start([self, path, cacheHome] {
        const auto image = readCached(path, cacheHome, kSide);
        QMetaObject::invokeMethod(
            self.data(),
            [self, path, image] {
                if (self) self->found(path, image);
            },
            Qt::QueuedConnection);
    });
    return std::nullopt;
}

void FileThumbnails::found(const QString& path, const std::optional<QImage>& image) {
    m_looking.remove(path);
    if (!image) {
        m_missing.insert(path);
        // Asked once per run: a file the thumbnailer cannot picture is not asked again.
        if (!m_asked.contains(path)) {
            m_asked.insert(path);
            m_toAsk << path;
            m_askSoon.start();
        }
        return;
    }
    if (m_images.size() >= kMaxKept) m_images.clear();
    m_images.insert(path, *image);
    emit ready(path);
}

void FileThumbnails::askThumbnailer() {
    if (!m_workspace || m_toAsk.isEmpty()) return;
    QPointer<FileThumbnails> self(this);
    m_workspace->requestThumbnails(std::exchange(m_toAsk, {}), [self](const QStringList& done) {
        if (!self) return;
        for (const QString& path : done) {
            // Made now: read again.
            self->m_missing.remove(path);
            self->thumbnail(path);
        }
    });
}

} // namespace zarvo::ui
