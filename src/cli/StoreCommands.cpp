#include "cli/StoreCommands.h"

#include "cli/CliContext.h"

#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>
#include <functional>
#include <limits>
#include <variant>

namespace zarvo::cli {

namespace {

QString quoted(const QString& s) {
    return QCoreApplication::translate("StoreCommands", "“%1”").arg(s);
}

QString json(const QJsonValue& value) {
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    // A scalar: wrap it in an array and strip the brackets, so strings come out escaped.
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}

int usage(QTextStream& err, const char* text) {
    //: %1 is the command's syntax, kept as it is.
    err << QCoreApplication::translate("StoreCommands", "usage: zarvo-cli %1").arg(QLatin1String(text))
        << Qt::endl;
    return 2;
}

// Splits off the flags this command knows; anything else starting with "--" is a usage error.
bool takeFlags(QStringList& args, const QStringList& known, QStringList& found, QTextStream& err) {
    QStringList rest;
    for (const QString& a : args) {
        if (a.startsWith(QLatin1String("--"))) {
            if (!known.contains(a)) {
                err << QCoreApplication::translate("StoreCommands", "zarvo-cli: unknown option %1").arg(a)
                    << Qt::endl;
                return false;
            }
            found << a;
        } else {
            rest << a;
        }
    }
    args = rest;
    return true;
}

// --- settings ---------------------------------------------------------------------------------

enum class Type { UInt32, Int, Bool, String, StringList, Shortcuts };

struct Key {
    QString name;
    Type type;
    std::function<QJsonValue(const Settings&)> get;
    std::function<void(Settings&, const QVariant&)> set;
};

QJsonValue shortcutsJson(const QList<CustomShortcut>& list) {
    QJsonArray array;
    for (const auto& s : list)
        array.append(QJsonObject{{QStringLiteral("id"), s.id.toString(QUuid::WithoutBraces).toUpper()},
                                 {QStringLiteral("keyword"), s.keyword},
                                 {QStringLiteral("target"), s.target}});
    return array;
}

const QList<Key>& keys() {
    using S = Settings;
    auto u32 = [](const char* name, quint32 (S::*get)() const, void (S::*set)(quint32)) {
        return Key{QString::fromLatin1(name), Type::UInt32,
                   [get](const S& s) { return QJsonValue(qint64((s.*get)())); },
                   [set](S& s, const QVariant& v) { (s.*set)(quint32(v.toULongLong())); }};
    };
    auto str = [](const char* name, QString (S::*get)() const, void (S::*set)(const QString&)) {
        return Key{QString::fromLatin1(name), Type::String,
                   [get](const S& s) { return QJsonValue((s.*get)()); },
                   [set](S& s, const QVariant& v) { (s.*set)(v.toString()); }};
    };
    auto flag = [](const char* name, bool (S::*get)() const, void (S::*set)(bool)) {
        return Key{QString::fromLatin1(name), Type::Bool,
                   [get](const S& s) { return QJsonValue((s.*get)()); },
                   [set](S& s, const QVariant& v) { (s.*set)(v.toBool()); }};
    };
    static const QList<Key> table = {
        u32("hotKeyCode", &S::hotKeyCode, &S::setHotKeyCode),
        u32("hotKeyModifiers", &S::hotKeyModifiers, &S::setHotKeyModifiers),
        str("hotKeyLabel", &S::hotKeyLabel, &S::setHotKeyLabel),
        flag("prefillFromClipboard", &S::prefillFromClipboard, &S::setPrefillFromClipboard),
        flag("showHiddenFiles", &S::showHiddenFiles, &S::setShowHiddenFiles),
        str("terminalBundleID", &S::terminalBundleID, &S::setTerminalBundleID),
        u32("clipHotKeyCode", &S::clipHotKeyCode, &S::setClipHotKeyCode),
        u32("clipHotKeyModifiers", &S::clipHotKeyModifiers, &S::setClipHotKeyModifiers),
        str("clipHotKeyLabel", &S::clipHotKeyLabel, &S::setClipHotKeyLabel),
        u32("tabKeyCode", &S::tabKeyCode, &S::setTabKeyCode),
        u32("tabKeyModifiers", &S::tabKeyModifiers, &S::setTabKeyModifiers),
        str("tabKeyLabel", &S::tabKeyLabel, &S::setTabKeyLabel),
        flag("keepClipboardHistory", &S::keepClipboardHistory, &S::setKeepClipboardHistory),
        Key{QStringLiteral("clipRetentionDays"), Type::Int,
            [](const S& s) { return QJsonValue(s.clipRetentionDays()); },
            [](S& s, const QVariant& v) { s.setClipRetentionDays(v.toInt()); }},
        Key{QStringLiteral("clipIgnoredApps"), Type::StringList,
            [](const S& s) { return QJsonValue(QJsonArray::fromStringList(s.clipIgnoredApps())); },
            [](S& s, const QVariant& v) { s.setClipIgnoredApps(v.toStringList()); }},
        Key{QStringLiteral("customShortcuts"), Type::Shortcuts,
            [](const S& s) { return shortcutsJson(s.customShortcuts()); },
            [](S& s, const QVariant& v) { s.setCustomShortcuts(v.value<QList<CustomShortcut>>()); }},
        flag("launchAtLogin", &S::launchAtLogin, &S::setLaunchAtLogin),
    };
    return table;
}

const Key* findKey(const QString& name) {
    for (const Key& k : keys())
        if (k.name == name) return &k;
    return nullptr;
}

// The typed value of a command-line text, or an error for the user.
std::variant<QVariant, QString> parseValue(const Key& key, const QString& text) {
    switch (key.type) {
    case Type::UInt32: {
        bool ok = false;
        const qulonglong n = text.trimmed().toULongLong(&ok);
        if (!ok || text.trimmed().startsWith(QLatin1Char('-')) ||
            text.trimmed().startsWith(QLatin1Char('+')) || n > std::numeric_limits<quint32>::max())
            return QCoreApplication::translate("StoreCommands",
                                               "%1 needs an integer from 0 to 4294967295, not %2")
                .arg(key.name, quoted(text));
        return QVariant(n);
    }
    case Type::Int: {
        bool ok = false;
        const int n = text.trimmed().toInt(&ok);
        if (!ok || text.trimmed().startsWith(QLatin1Char('+')))
            return QCoreApplication::translate("StoreCommands", "%1 needs an integer, not %2")
                .arg(key.name, quoted(text));
        return QVariant(n);
    }
    case Type::Bool: {
        const QString t = text.trimmed().toLower();
        if (t == QLatin1String("true") || t == QLatin1String("yes") || t == QLatin1String("on") ||
            t == QLatin1String("1"))
            return QVariant(true);
        if (t == QLatin1String("false") || t == QLatin1String("no") || t == QLatin1String("off") ||
            t == QLatin1String("0"))
            return QVariant(false);
        return QCoreApplication::translate("StoreCommands", "%1 needs true or false, not %2")
            .arg(key.name, quoted(text));
    }
    case Type::String:
        return QVariant(text);
    case Type::StringList: {
        // A JSON array of strings, or a comma-separated list.
        if (text.trimmed().startsWith(QLatin1Char('['))) {
            const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
            QStringList list;
            bool ok = doc.isArray();
            for (const QJsonValue v : doc.array()) {
                ok = ok && v.isString();
                list << v.toString();
            }
            if (!ok)
                return QCoreApplication::translate(
                           "StoreCommands", "%1 needs a JSON array of strings or a comma-separated list")
                    .arg(key.name);
            return QVariant(list);
        }
        QStringList list;
        for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
            if (!part.trimmed().isEmpty()) list << part.trimmed();
        return QVariant(list);
    }
    case Type::Shortcuts: {
        // [{"keyword": …, "target": …, "id": optional UUID}] — new rows get a fresh id.
        const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
        const QString error =
            QCoreApplication::translate("StoreCommands",
                                        "%1 needs a JSON array of {\"keyword\": …, \"target\": …} objects")
                .arg(key.name);
        if (!doc.isArray()) return error;
        QList<CustomShortcut> list;
        for (const QJsonValue v : doc.array()) {
            const QJsonObject o = v.toObject();
            if (!v.isObject() || !o.value(QStringLiteral("keyword")).isString() ||
                !o.value(QStringLiteral("target")).isString())
                return error;
            QUuid id = QUuid::createUuid();
            if (o.contains(QStringLiteral("id"))) {
                id = QUuid::fromString(o.value(QStringLiteral("id")).toString());
                if (id.isNull())
                    return QCoreApplication::translate("StoreCommands", "%1: not a UUID: %2")
                        .arg(key.name, quoted(o.value(QStringLiteral("id")).toString()));
            }
            list.append({id, o.value(QStringLiteral("keyword")).toString(),
                         o.value(QStringLiteral("target")).toString()});
        }
        return QVariant::fromValue(list);
    }
    }
    return QCoreApplication::translate("StoreCommands", "unsupported setting");
}

void printSetting(QTextStream& out, const Key& key, const Settings& s, bool asJson) {
    const QJsonValue v = key.get(s);
    if (asJson)
        out << json(v) << Qt::endl;
    else
        out << (v.isString() ? v.toString() : json(v)) << Qt::endl;
}

} // namespace

int runSettingsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const char* text = "settings list [--json] | get KEY [--json] | set KEY VALUE";
    QStringList args = arguments;
    QStringList flags;
    if (!takeFlags(args, {QStringLiteral("--json")}, flags, err)) return usage(err, text);
    const bool asJson = flags.contains(QStringLiteral("--json"));
    if (args.isEmpty()) return usage(err, text);
    const QString verb = args.takeFirst();
    Settings& settings = Settings::shared();
    if (verb == QLatin1String("list") && args.isEmpty()) {
        if (asJson) {
            QJsonObject all;
            for (const Key& k : keys())
                all.insert(k.name, k.get(settings));
            out << QString::fromUtf8(QJsonDocument(all).toJson(QJsonDocument::Indented));
        } else {
            for (const Key& k : keys()) {
                const QJsonValue v = k.get(settings);
                out << k.name << " = " << json(v) << Qt::endl;
            }
        }
        return 0;
    }
    if ((verb == QLatin1String("get") && args.size() == 1) ||
        (verb == QLatin1String("set") && args.size() == 2)) {
        const Key* key = findKey(args.at(0));
        if (!key) {
            err << QCoreApplication::translate(
                       "StoreCommands", "zarvo-cli: unknown setting %1; `zarvo-cli settings list` shows them")
                       .arg(quoted(args.at(0)))
                << Qt::endl;
            return 2;
        }
        if (verb == QLatin1String("set")) {
            const auto parsed = parseValue(*key, args.at(1));
            if (const QString* error = std::get_if<QString>(&parsed)) {
                err << "zarvo-cli: " << *error << Qt::endl;
                return 1;
            }
            key->set(settings, std::get<QVariant>(parsed));
            // Launch at login may be refused by the system: report what actually holds.
            if (key->name == QLatin1String("launchAtLogin") &&
                settings.launchAtLogin() != std::get<QVariant>(parsed).toBool()) {
                err << QCoreApplication::translate("StoreCommands",
                                                   "zarvo-cli: launch at login could not be changed")
                    << Qt::endl;
                return 1;
            }
        }
        printSetting(out, *key, settings, asJson);
        return 0;
    }
    return usage(err, text);
}

int runHistoryCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const char* text = "history list [--json] [--frecency] | add KEY | remove KEY | clear";
    QStringList args = arguments;
    QStringList flags;
    if (!takeFlags(args, {QStringLiteral("--json"), QStringLiteral("--frecency")}, flags, err))
        return usage(err, text);
    if (args.isEmpty()) return usage(err, text);
    const QString verb = args.takeFirst();
    History& history = History::shared();
    if (verb == QLatin1String("list") && history.keptAside() && history.keptAside()->madeNow)
        err << "history: " << history.keptAside()->notice(QStringLiteral("history")) << Qt::endl;
    if (verb == QLatin1String("list") && args.isEmpty()) {
        const QList<History::Entry> entries =
            flags.contains(QStringLiteral("--frecency")) ? history.byFrecency() : history.entries();
        const QDateTime at = history.now();
        if (flags.contains(QStringLiteral("--json"))) {
            QJsonArray array;
            for (const auto& e : entries)
                array.append(
                    QJsonObject{{QStringLiteral("key"), e.key},
                                {QStringLiteral("count"), e.count},
                                {QStringLiteral("lastOpened"), e.lastOpened.toUTC().toString(Qt::ISODate)},
                                {QStringLiteral("score"), History::score(e, at)}});
            out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
        } else {
            for (const auto& e : entries)
                out << shown(e.key) << '\t' << e.count << '\t' << e.lastOpened.toUTC().toString(Qt::ISODate)
                    << '\t' << History::score(e, at) << Qt::endl;
        }
        return 0;
    }
    if (verb == QLatin1String("add") && args.size() == 1 && !args[0].isEmpty()) {
        history.add(args[0]);
        return 0;
    }
    if (verb == QLatin1String("remove") && args.size() == 1) {
        history.remove(args[0]);
        return 0;
    }
    if (verb == QLatin1String("clear") && args.isEmpty()) {
        history.clear();
        return 0;
    }
    return usage(err, text);
}

int runFavoritesCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const char* text = "favorites list [--json] | toggle KEY | remove KEY";
    QStringList args = arguments;
    QStringList flags;
    if (!takeFlags(args, {QStringLiteral("--json")}, flags, err)) return usage(err, text);
    if (args.isEmpty()) return usage(err, text);
    const QString verb = args.takeFirst();
    Favorites& favorites = Favorites::shared();
    if (verb == QLatin1String("list") && favorites.keptAside() && favorites.keptAside()->madeNow)
        err << "favorites: " << favorites.keptAside()->notice(QStringLiteral("favourites")) << Qt::endl;
    if (verb == QLatin1String("list") && args.isEmpty()) {
        if (flags.contains(QStringLiteral("--json")))
            out << QString::fromUtf8(
                QJsonDocument(QJsonArray::fromStringList(favorites.keys())).toJson(QJsonDocument::Indented));
        else
            for (const QString& k : favorites.keys())
                out << shown(k) << Qt::endl;
        return 0;
    }
    if (verb == QLatin1String("toggle") && args.size() == 1 && !args[0].isEmpty()) {
        out << (favorites.toggle(args[0]) ? QCoreApplication::translate("StoreCommands", "starred %1")
                                          : QCoreApplication::translate("StoreCommands", "unstarred %1"))
                   .arg(shown(args[0]))
            << Qt::endl;
        return 0;
    }
    if (verb == QLatin1String("remove") && args.size() == 1) {
        favorites.remove(args[0]);
        return 0;
    }
    return usage(err, text);
}

int runHistoryCommand(const QStringList& args) {
    QTextStream out(stdout), err(stderr);
    return runHistoryCommand(args, out, err);
}

int runFavoritesCommand(const QStringList& args) {
    QTextStream out(stdout), err(stderr);
    return runFavoritesCommand(args, out, err);
}

int runSettingsCommand(const QStringList& args) {
    QTextStream out(stdout), err(stderr);
    return runSettingsCommand(args, out, err);
}

} // namespace zarvo::cli
