#include "store/Settings.h"

#include "platform/Environment.h"
#include "platform/HotKeyFormat.h"
#include "platform/HotKeys.h"
#include "platform/Platform.h"
#include "platform/UserDefaultsStore.h"
#include "platform/Workspace.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/IgnoredApps.h"
#include "store/UserDefaults.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <limits>

namespace zarvo {

namespace {

namespace Key {
const QString hotKeyCode = QStringLiteral("hotKeyCode");
const QString hotKeyModifiers = QStringLiteral("hotKeyModifiers");
const QString hotKeyLabel = QStringLiteral("hotKeyLabel");
const QString prefillFromClipboard = QStringLiteral("prefillFromClipboard");
const QString showHiddenFiles = QStringLiteral("showHiddenFiles");
const QString terminalBundleID = QStringLiteral("terminalBundleID");
const QString clipHotKeyCode = QStringLiteral("clipHotKeyCode");
const QString clipHotKeyModifiers = QStringLiteral("clipHotKeyModifiers");
const QString clipHotKeyLabel = QStringLiteral("clipHotKeyLabel");
const QString tabKeyCode = QStringLiteral("tabKeyCode");
const QString tabKeyModifiers = QStringLiteral("tabKeyModifiers");
const QString tabKeyLabel = QStringLiteral("tabKeyLabel");
const QString keepClipboardHistory = QStringLiteral("keepClipboardHistory");
const QString clipRetentionDays = QStringLiteral("clipRetentionDays");
const QString clipIgnoredApps = QStringLiteral("clipIgnoredApps");
const QString customShortcuts = QStringLiteral("customShortcuts");
} // namespace Key

constexpr quint32 kHotKeyCode = 15;    // R
constexpr quint32 kClipHotKeyCode = 9; // V
constexpr quint32 kTabKeyCode = 47;    // period
constexpr quint32 kCommand = HotKeyModifier::command;
constexpr quint32 kCommandShift = HotKeyModifier::command | HotKeyModifier::shift;
constexpr int kClipRetentionDays = 30;

// Terminals tried in this order when the user has not chosen one (or the choice is not installed).
const QStringList& knownTerminalIds() {
    static const QStringList ids = {
        QStringLiteral("dev.warp.Warp-Stable"),         QStringLiteral("com.draxwell.ghostty"),
        QStringLiteral("com.googlecode.iterm2"),        QStringLiteral("net.pemberlux.kitty"),
        QStringLiteral("com.github.orvane.orvaneterm"), QStringLiteral("io.alacritty"),
        QStringLiteral("com.apple.Terminal"),
    };
    return ids;
}

const QString kFormerIdentifier = QStringLiteral("com.velorin.quenlark");
const QString kMigratedMarker = QStringLiteral("migratedFromQuenlark");

// A key code or modifier mask only fits its field when it is a 32-bit unsigned value; anything else
// (a hand-edited store) falls back to the default rather than wrapping around.
quint32 readUInt32(const UserDefaults& d, const QString& key, quint32 fallback) {
    const auto n = d.integer(key);
    if (!n || *n < 0 || *n > qint64(std::numeric_limits<quint32>::max())) return fallback;
    return quint32(*n);
}

int readInt(const UserDefaults& d, const QString& key, int fallback) {
    const auto n = d.integer(key);
    if (!n) return fallback;
    // Clamping keeps the meaning of an extreme value (huge: keep for ever; very negative: no age limit).
    return int(qBound(qint64(std::numeric_limits<int>::min()), *n, qint64(std::numeric_limits<int>::max())));
}

// The store of last resort when the process was started without one: nothing persists, nothing crashes.
class MemoryDefaultsStore : public UserDefaultsStore {
public:
    QVariantMap load(const QString& domain) override { return m_domains.value(domain); }
    bool save(const QString& domain, const QVariantMap& values) override {
        m_domains[domain] = values;
        return true;
    }

private:
    QMap<QString, QVariantMap> m_domains;
};

struct SharedState {
    // The platform the shared instances are built on: the process's, taken when first asked for.
    const Platform* platform = nullptr;
    std::unique_ptr<MemoryDefaultsStore> fallbackStore;
    std::unique_ptr<UserDefaults> defaults;
    std::unique_ptr<Settings> settings;
};

SharedState& sharedState() {
    static SharedState state;
    return state;
}

bool isCanonicalUuidText(const QString& text) {
    // 8-4-4-4-12 hex digits, nothing around them (no braces).
    if (text.size() != 36) return false;
    for (int i = 0; i < 36; ++i) {
        const QChar c = text.at(i);
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (c != QLatin1Char('-')) return false;
        } else if (!(c.isDigit() || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
                     (c >= QLatin1Char('A') && c <= QLatin1Char('F')))) {
            return false;
        }
    }
    return true;
}

} // namespace

QByteArray encodeCustomShortcuts(const QList<CustomShortcut>& shortcuts,
                                 const QHash<QUuid, QJsonObject>& extras) {
    QJsonArray array;
    for (const auto& s : shortcuts) {
        QJsonObject object;
        object.insert(QStringLiteral("id"), s.id.toString(QUuid::WithoutBraces).toUpper());
        object.insert(QStringLiteral("keyword"), s.keyword);
        object.insert(QStringLiteral("target"), s.target);
        array.append(Salvage::withMembers(object, extras.value(s.id)));
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

DecodedCustomShortcuts readCustomShortcuts(const QByteArray& data) {
    const Salvage::Objects found = Salvage::arrayObjects(data);
    DecodedCustomShortcuts out;
    out.whole = found.whole;
    for (const QJsonObject& object : found.objects) {
        const QJsonValue id = object.value(QStringLiteral("id"));
        const QJsonValue keyword = object.value(QStringLiteral("keyword"));
        const QJsonValue target = object.value(QStringLiteral("target"));
        if (!id.isString() || !keyword.isString() || !target.isString() ||
            !isCanonicalUuidText(id.toString())) {
            out.whole = false;
            continue;
        }
        const QUuid uuid = QUuid::fromString(id.toString());
        const QJsonObject extra = Salvage::unknownMembers(object, {"id", "keyword", "target"});
        if (!extra.isEmpty() && !out.extras.contains(uuid)) out.extras.insert(uuid, extra);
        out.shortcuts.append(CustomShortcut{uuid, keyword.toString(), target.toString()});
    }
    return out;
}

Settings::Settings(UserDefaults& defaults, const Platform* platform, QObject* parent)
    : QObject(parent), m_defaults(defaults), m_platform(platform) {
    m_defaults.registerDefaults({
        {Key::hotKeyCode, qint64(kHotKeyCode)},
        {Key::hotKeyModifiers, qint64(kCommand)},
        {Key::hotKeyLabel, QStringLiteral("R")},
        {Key::prefillFromClipboard, true},
        {Key::showHiddenFiles, false},
        {Key::clipHotKeyCode, qint64(kClipHotKeyCode)},
        {Key::clipHotKeyModifiers, qint64(kCommandShift)},
        {Key::clipHotKeyLabel, QStringLiteral("V")},
        {Key::tabKeyCode, qint64(kTabKeyCode)},
        {Key::tabKeyModifiers, qint64(kCommand)},
        {Key::tabKeyLabel, QStringLiteral(".")},
        {Key::keepClipboardHistory, true},
        {Key::clipRetentionDays, qint64(kClipRetentionDays)},
        {Key::clipIgnoredApps, QVariant(IgnoredApps::defaults())},
    });

    const UserDefaults& d = m_defaults;
    m_hotKeyCode = readUInt32(d, Key::hotKeyCode, kHotKeyCode);
    m_hotKeyModifiers = readUInt32(d, Key::hotKeyModifiers, kCommand);
    m_hotKeyLabel = d.string(Key::hotKeyLabel).value_or(QStringLiteral("R"));
    m_prefillFromClipboard = d.boolean(Key::prefillFromClipboard);
    m_showHiddenFiles = d.boolean(Key::showHiddenFiles);
    m_terminalBundleID = d.string(Key::terminalBundleID).value_or(QString());
    m_clipHotKeyCode = readUInt32(d, Key::clipHotKeyCode, kClipHotKeyCode);
    m_clipHotKeyModifiers = readUInt32(d, Key::clipHotKeyModifiers, kCommandShift);
    m_clipHotKeyLabel = d.string(Key::clipHotKeyLabel).value_or(QStringLiteral("V"));
    m_tabKeyCode = readUInt32(d, Key::tabKeyCode, kTabKeyCode);
    m_tabKeyModifiers = readUInt32(d, Key::tabKeyModifiers, kCommand);
    m_tabKeyLabel = d.string(Key::tabKeyLabel).value_or(QStringLiteral("."));
    m_keepClipboardHistory = d.boolean(Key::keepClipboardHistory);
    m_clipRetentionDays = readInt(d, Key::clipRetentionDays, kClipRetentionDays);
    m_clipIgnoredApps = d.stringArray(Key::clipIgnoredApps).value_or(QStringList());
    // Earlier versions stored other forms of an application (macOS identifiers, entry paths): the list
    // is brought to desktop-file ids once, and written back so every reader sees the same form.
    if (m_defaults.hasStoredValue(Key::clipIgnoredApps) && d.stringArray(Key::clipIgnoredApps)) {
        const QStringList migrated = IgnoredApps::migrate(m_clipIgnoredApps);
        if (migrated != m_clipIgnoredApps) {
            m_clipIgnoredApps = migrated;
            m_defaults.set(Key::clipIgnoredApps, QVariant(migrated));
        }
    }
    if (m_defaults.hasStoredValue(Key::customShortcuts)) {
        const auto data = d.data(Key::customShortcuts);
        DecodedCustomShortcuts decoded = data ? readCustomShortcuts(*data) : DecodedCustomShortcuts{};
        m_customShortcuts = std::move(decoded.shortcuts);
        m_customShortcutExtras = std::move(decoded.extras);
        // What did not decode is copied aside before the next change of the keywords replaces it.
        if (!decoded.whole)
            m_customShortcutsKeptAside =
                Salvage::keepAside(m_defaults, Key::customShortcuts, m_customShortcuts.size());
    }
}

// Every setter follows the same order: observers hear "about to change", the field takes the value,
// the store gets it at once, then observers hear "changed".
#define ZARVO_SETTER(Name, field, Type, key, stored)                                                         \
    void Settings::set##Name(Type value) {                                                                   \
        emit aboutToChange();                                                                                \
        (field) = value;                                                                                     \
        m_defaults.set(key, stored);                                                                         \
        emit changed();                                                                                      \
    }

ZARVO_SETTER(HotKeyCode, m_hotKeyCode, quint32, Key::hotKeyCode, qint64(value))
ZARVO_SETTER(HotKeyModifiers, m_hotKeyModifiers, quint32, Key::hotKeyModifiers, qint64(value))
ZARVO_SETTER(HotKeyLabel, m_hotKeyLabel, const QString&, Key::hotKeyLabel, value)
ZARVO_SETTER(PrefillFromClipboard, m_prefillFromClipboard, bool, Key::prefillFromClipboard, value)
ZARVO_SETTER(ShowHiddenFiles, m_showHiddenFiles, bool, Key::showHiddenFiles, value)
ZARVO_SETTER(TerminalBundleID, m_terminalBundleID, const QString&, Key::terminalBundleID, value)
ZARVO_SETTER(ClipHotKeyCode, m_clipHotKeyCode, quint32, Key::clipHotKeyCode, qint64(value))
ZARVO_SETTER(ClipHotKeyModifiers, m_clipHotKeyModifiers, quint32, Key::clipHotKeyModifiers, qint64(value))
ZARVO_SETTER(ClipHotKeyLabel, m_clipHotKeyLabel, const QString&, Key::clipHotKeyLabel, value)
ZARVO_SETTER(TabKeyCode, m_tabKeyCode, quint32, Key::tabKeyCode, qint64(value))
ZARVO_SETTER(TabKeyModifiers, m_tabKeyModifiers, quint32, Key::tabKeyModifiers, qint64(value))
ZARVO_SETTER(TabKeyLabel, m_tabKeyLabel, const QString&, Key::tabKeyLabel, value)
ZARVO_SETTER(KeepClipboardHistory, m_keepClipboardHistory, bool, Key::keepClipboardHistory, value)
ZARVO_SETTER(ClipRetentionDays, m_clipRetentionDays, int, Key::clipRetentionDays, qint64(value))
ZARVO_SETTER(CustomShortcuts, m_customShortcuts, const QList<CustomShortcut>&, Key::customShortcuts,
             encodeCustomShortcuts(value, m_customShortcutExtras))

#undef ZARVO_SETTER

void Settings::setClipIgnoredApps(const QStringList& value) {
    emit aboutToChange();
    m_clipIgnoredApps = IgnoredApps::migrate(value);
    m_defaults.set(Key::clipIgnoredApps, QVariant(m_clipIgnoredApps));
    emit changed();
}

bool Settings::launchAtLogin() const {
    LoginItems* items = m_platform ? m_platform->loginItems : nullptr;
    return items && items->isEnabled();
}

void Settings::setLaunchAtLogin(bool value) {
    emit aboutToChange();
    LoginItems* items = m_platform ? m_platform->loginItems : nullptr;
    const std::optional<QString> error =
        items ? items->setEnabled(value) : std::optional<QString>(QStringLiteral("no login-item service"));
    // On failure the reading side still reports the service's real state, so a switch snaps back.
    if (error) qWarning().noquote() << QStringLiteral("Zarvo: launch at login failed: ") + *error;
    emit changed();
}

std::optional<QString> Settings::terminalAppURL() const {
    Workspace* workspace = m_platform ? m_platform->workspace : nullptr;
    if (!workspace) return std::nullopt;
    if (!m_terminalBundleID.isEmpty())
        if (auto url = workspace->urlForApplication(m_terminalBundleID)) return url;
    for (const QString& id : knownTerminalIds())
        if (auto url = workspace->urlForApplication(id)) return url;
    return std::nullopt;
}

bool Settings::isPanelKey(quint32 code, quint32 modifiers) {
    switch (code) {
    case 36:  // Return
    case 76:  // keypad Enter
    case 48:  // Tab
    case 53:  // Escape
    case 51:  // Delete
    case 117: // Forward Delete
    case 123: // Left
    case 124: // Right
    case 126: // Up
    case 125: // Down
    case 49:  // Space
        return true;
    default:
        break;
    }
    if (!(modifiers & HotKeyModifier::command)) return false;
    // ⌘ with K, Y, D, P, comma, C, V, X, A, Z, Q, W, H, M and the digits 1 to 9.
    static constexpr quint32 commandKeys[] = {40, 16, 2,  35, 43, 8,  9,  7,  0,  6,  12, 13,
                                              4,  46, 18, 19, 20, 21, 23, 22, 26, 28, 25};
    for (quint32 k : commandKeys)
        if (k == code) return true;
    return false;
}

UserDefaults& Settings::sharedDefaults() {
    SharedState& state = sharedState();
    if (!state.defaults) {
        state.platform = &Platform::current();
        const Platform& platform = *state.platform;
        UserDefaultsStore* store = platform.defaults;
        if (!store) {
            qWarning("Zarvo: no user defaults store; settings will not persist");
            state.fallbackStore = std::make_unique<MemoryDefaultsStore>();
            store = state.fallbackStore.get();
        }
        const QString domain = platform.environment ? platform.environment->appIdentifier()
                                                    : QString::fromLatin1(kAppIdentifier);
        state.defaults = std::make_unique<UserDefaults>(*store, domain);
    }
    return *state.defaults;
}

Settings& Settings::shared() {
    SharedState& state = sharedState();
    if (!state.settings) {
        UserDefaults& defaults = sharedDefaults();
        state.settings = std::make_unique<Settings>(defaults, state.platform);
    }
    return *state.settings;
}

void Settings::resetShared() {
    // The other stores hold the shared defaults by reference: they go first.
    History::resetShared();
    Favorites::resetShared();
    SharedState& state = sharedState();
    state.settings.reset();
    state.defaults.reset();
    state.fallbackStore.reset();
    state.platform = nullptr;
}

void migrateDefaultsFromQuenlark(UserDefaults& defaults, const QString& appIdentifier) {
    if (appIdentifier != QLatin1String(kAppIdentifier)) return;
    if (defaults.boolean(kMigratedMarker)) return;
    const QVariantMap former = defaults.persistentDomain(kFormerIdentifier);
    for (auto it = former.constBegin(); it != former.constEnd(); ++it)
        if (!defaults.hasStoredValue(it.key())) defaults.set(it.key(), it.value());
    defaults.set(kMigratedMarker, true);
}

void migrateDefaultsFromQuenlark() {
    UserDefaults& defaults = Settings::sharedDefaults();
    const Environment* environment = sharedState().platform->environment;
    if (!environment) return;
    migrateDefaultsFromQuenlark(defaults, environment->appIdentifier());
}

} // namespace zarvo
