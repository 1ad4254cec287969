#include "platform/wayland/PortalShortcuts.h"

#include "platform/HotKeyFormat.h"
#include "platform/linux/LinuxDesktopShortcuts.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QPointer>
#include <QTimer>

QDBusArgument& operator<<(QDBusArgument& argument, const zarvo::wayland::PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, zarvo::wayland::PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

namespace zarvo::wayland {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// Our shortcut ids on the portal, which the desktop keeps the person's choice of keys under.
QString shortcutId(int slot) {
    return slot == 2 ? QStringLiteral("clipboard") : QStringLiteral("toggle");
}

int slotOf(const QString& id) {
    if (id == QLatin1String("clipboard")) return 2;
    if (id == QLatin1String("toggle")) return 1;
    return 0;
}

// The session handle comes as an object path or, from some versions, as a string.
QString handleOf(const QVariant& value) {
    if (value.canConvert<QDBusObjectPath>()) return value.value<QDBusObjectPath>().path();
    return value.toString();
}

} // namespace

PortalShortcuts::PortalShortcuts(const QDBusConnection& bus) : m_bus(bus) {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<PortalShortcutList>();
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("Activated"), this,
                  SLOT(onActivated(QDBusMessage)));
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ShortcutsChanged"), this,
                  SLOT(onShortcutsChanged(QDBusMessage)));
}

PortalShortcuts::~PortalShortcuts() {
    closeSession();
}

bool PortalShortcuts::suitsSession() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString PortalShortcuts::preferredTrigger(quint32 keyCode, quint32 modifiers) {
    const auto accelerator = linux_::Accelerator::fromHotKey(keyCode, modifiers);
    if (!accelerator) return {};
    QString out;
    if (modifiers & HotKeyModifier::control) out += QStringLiteral("CTRL+");
    if (modifiers & HotKeyModifier::shift) out += QStringLiteral("SHIFT+");
    if (modifiers & HotKeyModifier::option) out += QStringLiteral("ALT+");
    if (modifiers & HotKeyModifier::command) out += QStringLiteral("LOGO+");
    return out + accelerator->key;
}

PortalShortcutList PortalShortcuts::shortcuts() const {
    PortalShortcutList out;
    for (const Wanted& w : m_wanted) {
        QVariantMap properties{{QStringLiteral("description"), w.description}};
        const QString trigger = preferredTrigger(w.keyCode, w.modifiers);
        if (!trigger.isEmpty()) properties.insert(QStringLiteral("preferred_trigger"), trigger);
        out << PortalShortcut{shortcutId(w.slot), properties};
    }
    return out;
}

void PortalShortcuts::request(const QList<Wanted>& keys) {
    m_wanted = keys;
    ++m_generation;
    m_pending.clear();
    switch (m_probe) {
    case Probe::unknown:
        probe();
        return;
    case Probe::asking:
        return; // the probe's answer goes on with the keys wanted then
    case Probe::absent:
        answer({});
        return;
    case Probe::available:
        break;
    }
    // Plasma 5.27 takes shortcuts only when a session is made: each new set of keys gets a new session.
    closeSession();
    if (m_wanted.isEmpty())
        answer({});
    else
        createSession();
}

void PortalShortcuts::probe() {
    m_probe = Probe::asking;
    // The portal's interfaces are all on one object; GlobalShortcuts is there only where the back end has it.
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kInterface << QStringLiteral("version");
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(get, 5000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *w;
        const QDBusError::ErrorType error = reply.isError() ? reply.error().type() : QDBusError::NoError;
        if (error == QDBusError::NoReply || error == QDBusError::Timeout) {
            // Silence is no answer (the keys stay shown as what works without the portal); the next
            // request asks again.
            m_probe = Probe::unknown;
            return;
        }
        const bool available = !reply.isError() && reply.value().variant().toUInt() >= 1;
        m_probe = available ? Probe::available : Probe::absent;
        request(m_wanted);
    });
}

void PortalShortcuts::call(const QString& method, QVariantList arguments, QVariantMap options, Step next) {
    // The Request's path is known before the call, so its Response cannot come before we listen.
    const QString token = QStringLiteral("zarvo%1").arg(++m_tokens);
    QString sender = m_bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString path = kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    m_bus.connect(kService, path, kRequest, QStringLiteral("Response"), this,
                  SLOT(onResponse(uint, QVariantMap)));
    m_pending.insert(path, next);
    options.insert(QStringLiteral("handle_token"), token);
    arguments << options;
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    message.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, 10000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, path, generation = m_generation](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                if (!w->isError() || generation != m_generation) return;
                m_bus.disconnect(kService, path, kRequest, QStringLiteral("Response"), this,
                                 SLOT(onResponse(uint, QVariantMap)));
                const Step step = m_pending.take(path);
                // A portal that never replied has not answered: the keys stay as they work without it.
                const QDBusError::ErrorType error = w->error().type();
                if (step && error != QDBusError::NoReply && error != QDBusError::Timeout) step(2, {});
            });
}

void PortalShortcuts::onResponse(uint code, const QVariantMap& results) {
    const QString path = message().path();
    m_bus.disconnect(kService, path, kRequest, QStringLiteral("Response"), this,
                     SLOT(onResponse(uint, QVariantMap)));
    if (const Step step = m_pending.take(path)) step(code, results);
}

void PortalShortcuts::createSession() {
    // Plasma keeps the keys of an application it cannot name under the session's token: the same token
    // every time keeps the person's choice across starts. The former session is closed before this call
    // reaches the portal, so the token is free again.
    const QVariantMap options{
        {QStringLiteral("session_handle_token"), QStringLiteral("zarvo")},
        {QStringLiteral("shortcuts"), QVariant::fromValue(shortcuts())},
    };
    call(QStringLiteral("CreateSession"), {}, options, [this](uint code, const QVariantMap& results) {
        m_session = code == 0 ? handleOf(results.value(QStringLiteral("session_handle"))) : QString();
        if (m_session.isEmpty())
            answer({});
        else
            bindShortcuts();
    });
}

void PortalShortcuts::bindShortcuts() {
    const QVariantList arguments{QVariant::fromValue(QDBusObjectPath(m_session)),
                                 QVariant::fromValue(shortcuts()), QString()};
    call(QStringLiteral("BindShortcuts"), arguments, {}, [this](uint code, const QVariantMap& results) {
        // Answered with the keys given: those count. Refused or unknown (5.27 may bind at session
        // creation only): the list says what the desktop holds for us.
        const QVariant given = results.value(QStringLiteral("shortcuts"));
        if (code == 0 && given.isValid())
            answer(triggersOf(qdbus_cast<PortalShortcutList>(given)));
        else
            listShortcuts();
    });
}

void PortalShortcuts::listShortcuts() {
    call(QStringLiteral("ListShortcuts"), {QVariant::fromValue(QDBusObjectPath(m_session))}, {},
         [this](uint code, const QVariantMap& results) {
             answer(code == 0 ? triggersOf(qdbus_cast<PortalShortcutList>(
                                    results.value(QStringLiteral("shortcuts"))))
                              : QHash<int, QString>{});
         });
}

void PortalShortcuts::closeSession() {
    if (m_session.isEmpty()) return;
    m_bus.asyncCall(QDBusMessage::createMethodCall(
        kService, m_session, QStringLiteral("org.freedesktop.portal.Session"), QStringLiteral("Close")));
    m_session.clear();
}

QHash<int, QString> PortalShortcuts::triggersOf(const PortalShortcutList& list) const {
    QHash<int, QString> out;
    for (const PortalShortcut& shortcut : list) {
        const int slot = slotOf(shortcut.id);
        const QString trigger = shortcut.properties.value(QStringLiteral("trigger_description")).toString();
        // A shortcut listed without a key (the person cleared it, or it clashed) delivers nothing.
        if (slot != 0 && !trigger.trimmed().isEmpty()) out.insert(slot, trigger.trimmed());
    }
    return out;
}

void PortalShortcuts::answer(const QHash<int, QString>& triggers) {
    const bool available = m_probe == Probe::available;
    // Said from the event loop, so a request never answers inside its own call.
    QPointer<PortalShortcuts> self(this);
    QTimer::singleShot(0, this, [self, triggers, available, generation = m_generation] {
        if (self && generation == self->m_generation) emit self->answered(triggers, available);
    });
}

void PortalShortcuts::onActivated(const QDBusMessage& message) {
    // (session, shortcut id, timestamp, options)
    const QVariantList arguments = message.arguments();
    if (m_session.isEmpty() || arguments.size() < 2 || handleOf(arguments[0]) != m_session) return;
    if (const int slot = slotOf(arguments[1].toString())) emit pressed(slot);
}

void PortalShortcuts::onShortcutsChanged(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (m_session.isEmpty() || arguments.size() < 2 || handleOf(arguments[0]) != m_session) return;
    answer(triggersOf(qdbus_cast<PortalShortcutList>(arguments[1])));
}

} // namespace zarvo::wayland
