#pragma once

#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <memory>
#include <optional>

#include "store/Salvage.h"

namespace zarvo {

struct Platform;
class UserDefaults;
class UserDefaultsStore;

// A user's own Run keyword.
struct CustomShortcut {
    QUuid id;
    QString keyword;
    QString target;
    bool operator==(const CustomShortcut&) const = default;
};

// The user's preferences, written through to the defaults store on every change. Main thread only.
class Settings : public QObject {
    Q_OBJECT
public:
    // Registers the defaults in `defaults` and reads every field. `platform` gives the login items and the
    // workspace the terminal is looked up in; none: launch at login is off and no terminal is found.
    explicit Settings(UserDefaults& defaults, const Platform* platform = nullptr, QObject* parent = nullptr);
    ~Settings() override = default;

    // The instance of the process, on the current platform's store under its identifier.
    static Settings& shared();
    // The defaults domain behind shared(); History and Favorites live in it too.
    static UserDefaults& sharedDefaults();
    // Test hook: drops the shared instances so the next shared() rebuilds on the current platform.
    static void resetShared();

    UserDefaults& defaults() const { return m_defaults; }

    quint32 hotKeyCode() const { return m_hotKeyCode; }
    quint32 hotKeyModifiers() const { return m_hotKeyModifiers; }
    QString hotKeyLabel() const { return m_hotKeyLabel; }
    bool prefillFromClipboard() const { return m_prefillFromClipboard; }
    bool showHiddenFiles() const { return m_showHiddenFiles; }
    QString terminalBundleID() const { return m_terminalBundleID; }
    quint32 clipHotKeyCode() const { return m_clipHotKeyCode; }
    quint32 clipHotKeyModifiers() const { return m_clipHotKeyModifiers; }
    QString clipHotKeyLabel() const { return m_clipHotKeyLabel; }
    quint32 tabKeyCode() const { return m_tabKeyCode; }
    quint32 tabKeyModifiers() const { return m_tabKeyModifiers; }
    QString tabKeyLabel() const { return m_tabKeyLabel; }
    bool keepClipboardHistory() const { return m_keepClipboardHistory; }
    int clipRetentionDays() const { return m_clipRetentionDays; }
    QStringList clipIgnoredApps() const { return m_clipIgnoredApps; }
    QList<CustomShortcut> customShortcuts() const { return m_customShortcuts; }

    void setHotKeyCode(quint32 value);
    void setHotKeyModifiers(quint32 value);
    void setHotKeyLabel(const QString& value);
    void setPrefillFromClipboard(bool value);
    void setShowHiddenFiles(bool value);
    void setTerminalBundleID(const QString& value);
    void setClipHotKeyCode(quint32 value);
    void setClipHotKeyModifiers(quint32 value);
    void setClipHotKeyLabel(const QString& value);
    void setTabKeyCode(quint32 value);
    void setTabKeyModifiers(quint32 value);
    void setTabKeyLabel(const QString& value);
    void setKeepClipboardHistory(bool value);
    void setClipRetentionDays(int value);
    void setClipIgnoredApps(const QStringList& value);
    void setCustomShortcuts(const QList<CustomShortcut>& value);

    // Whether the platform's login-item service reports the application as starting at login.
    bool launchAtLogin() const;
    void setLaunchAtLogin(bool value);

    // The terminal application for Open in Terminal: the chosen one if installed, else the first
    // installed known terminal, else none.
    std::optional<QString> terminalAppURL() const;

    // Whether a key combination is one the panel itself uses.
    static bool isPanelKey(quint32 code, quint32 modifiers);

    // Set when the stored keywords did not decode whole: where their original is kept, how many were read.
    const std::optional<Salvage::KeptAside>& customShortcutsKeptAside() const {
        return m_customShortcutsKeptAside;
    }

signals:
    void aboutToChange();
    void changed();

private:
    UserDefaults& m_defaults;
    const Platform* m_platform;
    quint32 m_hotKeyCode = 15;
    quint32 m_hotKeyModifiers = 256;
    QString m_hotKeyLabel = QStringLiteral("R");
    bool m_prefillFromClipboard = true;
    bool m_showHiddenFiles = false;
    QString m_terminalBundleID;
    quint32 m_clipHotKeyCode = 9;
    quint32 m_clipHotKeyModifiers = 768;
    QString m_clipHotKeyLabel = QStringLiteral("V");
    quint32 m_tabKeyCode = 47;
    quint32 m_tabKeyModifiers = 256;
    QString m_tabKeyLabel = QStringLiteral(".");
    bool m_keepClipboardHistory = true;
    int m_clipRetentionDays = 30;
    QStringList m_clipIgnoredApps;
    QList<CustomShortcut> m_customShortcuts;
    // Members of stored keywords that a newer version wrote, by id, written back with them.
    QHash<QUuid, QJsonObject> m_customShortcutExtras;
    std::optional<Salvage::KeptAside> m_customShortcutsKeptAside;
};

// Copies the preferences of the former identity once, before any store first reads them. Only the
// shipped identifier copies anything; a build under another identifier (tests) leaves the store alone.
void migrateDefaultsFromQuenlark(UserDefaults& defaults, const QString& appIdentifier);
// The same on the shared defaults of the current platform, under its identifier.
void migrateDefaultsFromQuenlark();

// The user keywords as stored: a JSON array of {"id", "keyword", "target"}, ids upper-case. `extras` holds,
// by id, members a newer version wrote that this one does not know; they are written back.
QByteArray encodeCustomShortcuts(const QList<CustomShortcut>& shortcuts,
                                 const QHash<QUuid, QJsonObject>& extras = {});
// What decodes of stored keywords, object by object.
struct DecodedCustomShortcuts {
    QList<CustomShortcut> shortcuts;
    QHash<QUuid, QJsonObject> extras;
    // Every object decoded: nothing was left out.
    bool whole = false;
};
DecodedCustomShortcuts readCustomShortcuts(const QByteArray& data);

} // namespace zarvo
