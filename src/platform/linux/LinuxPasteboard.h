#pragma once

#include "platform/Pasteboard.h"

#include <QObject>
#include <QPointer>

class QClipboard;
class QMimeData;

namespace zarvo::linux_ {

// Translation between the pasteboard's type identifiers and the MIME types of the X11 clipboard.
namespace PasteboardMime {
// KDE's and KeePassXC's marker for a copied secret; its value "secret" stands for the concealed type.
inline constexpr const char* passwordManagerHint = "x-kde-passwordManagerHint";

// The items of a clipboard offer: one item per entry of a uri-list, the other representations on the
// first item. Formats whose bytes are not fetched (unknown MIME types) are named in `otherTypes`.
QList<PasteboardItem> items(const QMimeData& data, QStringList* otherTypes = nullptr);
// A clipboard offer carrying every representation of the items.
QMimeData* mimeData(const QList<PasteboardItem>& items);
} // namespace PasteboardMime

// The general pasteboard over Qt's clipboard (the X11 CLIPBOARD selection). The change count grows on
// every owner change Qt reports, which on X11 comes from XFixes and so also while we are in the
// background, and on every write of ours.
class LinuxPasteboard : public QObject, public Pasteboard {
    Q_OBJECT
public:
    explicit LinuxPasteboard(QClipboard* clipboard);

    qint64 changeCount() const override { return m_count; }
    QStringList types() const override;
    QList<PasteboardItem> items() const override;
    std::optional<QString> string(const QString& type) const override;
    QList<QUrl> fileURLs() const override;

    void clearContents() override;
    void setString(const QString& text, const QStringList& markerTypes = {}) override;
    void writeItems(const QList<PasteboardItem>& items) override;
    void writeFileURLs(const QList<QUrl>& files) override;

private:
    void write(QMimeData* data);
    void refresh() const;

    QPointer<QClipboard> m_clipboard;
    qint64 m_count = 1;
    bool m_writing = false;
    // The contents are read once per change: each read is a round trip to the owning application.
    mutable qint64 m_cachedCount = -1;
    mutable QList<PasteboardItem> m_items;
    mutable QStringList m_otherTypes;
};

} // namespace zarvo::linux_
