#pragma once

#include "platform/HotKeys.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QHash>
#include <QVariantMap>
#include <functional>

namespace zarvo::wayland {

// One shortcut as the portal lists it: its id and properties ("description", "preferred_trigger",
// "trigger_description"); a(sa{sv}) on the bus.
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};
using PortalShortcutList = QList<PortalShortcut>;

// The hot keys of the XDG desktop portal's GlobalShortcuts interface over Qt DBus. A request opens a
// session carrying the shortcuts in its options (KDE Plasma 5.27 registers only those), binds them
// (later versions, which ask the person), then lists what the desktop really gave, with each key's name.
// Presses arrive as the portal's Activated signal.
class PortalShortcuts : public DesktopHotKeys, protected QDBusContext {
    Q_OBJECT
public:
    explicit PortalShortcuts(const QDBusConnection& bus = QDBusConnection::sessionBus());
    ~PortalShortcuts() override;

    void request(const QList<Wanted>& keys) override;

    // The portal's spelling of a hot key ("LOGO+r", "SHIFT+LOGO+v"); empty for a key without a name.
    static QString preferredTrigger(quint32 keyCode, quint32 modifiers);
    // Whether this session may use the portal's shortcuts at all: a Wayland session (WAYLAND_DISPLAY).
    static bool suitsSession();

private slots:
    void onResponse(uint code, const QVariantMap& results);
    void onActivated(const QDBusMessage& message);
    void onShortcutsChanged(const QDBusMessage& message);

private:
    using Step = std::function<void(uint code, const QVariantMap& results)>;
    // Calls a portal method that answers through a Request object; `next` runs on its Response.
    void call(const QString& method, QVariantList arguments, QVariantMap options, Step next);
    void probe();
    void createSession();
    void bindShortcuts();
    void listShortcuts();
    void closeSession();
    void answer(const QHash<int, QString>& triggers);
    QHash<int, QString> triggersOf(const PortalShortcutList& list) const;
    PortalShortcutList shortcuts() const;

    QDBusConnection m_bus;
    enum class Probe { unknown, asking, available, absent } m_probe = Probe::unknown;
    QList<Wanted> m_wanted;
    QString m_session;
    // Each request's Response handler by its object path; a newer request drops an older one's steps.
    QHash<QString, Step> m_pending;
    int m_generation = 0;
    int m_tokens = 0;
};

} // namespace zarvo::wayland

Q_DECLARE_METATYPE(zarvo::wayland::PortalShortcut)
