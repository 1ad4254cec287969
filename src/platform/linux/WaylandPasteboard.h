#pragma once

#include "platform/Pasteboard.h"

#include <QObject>

namespace zarvo::wayland {
class WaylandServices;
struct ClipboardRead;
} // namespace zarvo::wayland

namespace zarvo::linux_ {

// The general pasteboard of a Wayland session whose compositor lets a clipboard manager watch and set
// the selection (data-control): every copy, in a Wayland or an X application, is announced as it is
// made and read on the Wayland worker with the X reader's type list, limits and deadline. The X
// clipboard is not watched: what the compositor relays to it is the same copy again.
class WaylandPasteboard : public QObject, public Pasteboard {
    Q_OBJECT
public:
    explicit WaylandPasteboard(wayland::WaylandServices& services);
    ~WaylandPasteboard() override;

    qint64 changeCount() const override { return m_count; }
    bool announcesChanges() const override { return true; }
    QStringList types() const override;
    QList<PasteboardItem> items() const override { return m_items; }
    std::optional<QString> string(const QString& type) const override;
    QList<QUrl> fileURLs() const override;
    void setReadLimits(qint64 perType, qint64 total) override;

    void clearContents() override;
    void setString(const QString& text, const QStringList& markerTypes = {}) override;
    void writeItems(const QList<PasteboardItem>& items) override;
    void writeFileURLs(const QList<QUrl>& files) override;
    void setSelectionText(const QString& text) override;

private:
    void take(const wayland::ClipboardRead& read);
    void write(const QList<PasteboardItem>& items);

    wayland::WaylandServices& m_services;
    qint64 m_count = 1;
    QList<PasteboardItem> m_items;
    QStringList m_otherTypes;
};

} // namespace zarvo::linux_
