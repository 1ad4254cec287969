#include "platform/linux/LinuxDesktopShortcuts.h"

#include "platform/Environment.h"
#include "platform/HotKeyFormat.h"
#include "platform/linux/LinuxHotKeys.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <X11/Xlib.h>

namespace zarvo::linux_ {

namespace {

const QString kXfconfFile = QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/xfce4-keyboard-shortcuts.xml");

// GTK and KDE modifier words and the hot-key bit each stands for; 0 for words we do not map.
quint32 modifierBit(const QString& word) {
    const QString w = word.toLower();
    if (w == QLatin1String("super") || w == QLatin1String("mod4") || w == QLatin1String("meta") ||
        w == QLatin1String("win"))
        return HotKeyModifier::command;
    if (w == QLatin1String("primary") || w == QLatin1String("control") || w == QLatin1String("ctrl") ||
        w == QLatin1String("ctl"))
        return HotKeyModifier::control;
    if (w == QLatin1String("alt") || w == QLatin1String("mod1")) return HotKeyModifier::option;
    if (w == QLatin1String("shift")) return HotKeyModifier::shift;
    return 0;
}

// Every property of an xfconf channel file with a value, by its full path ("/commands/custom/<Super>r").
void readXfconf(const QString& path, QHash<QString, QString>& into) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    QXmlStreamReader xml(&file);
    QStringList stack;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("property")) {
            const auto attributes = xml.attributes();
            stack << attributes.value(QLatin1String("name")).toString();
            if (attributes.value(QLatin1String("type")) != QLatin1String("empty"))
                into.insert(QLatin1Char('/') + stack.join(QLatin1Char('/')),
                            attributes.value(QLatin1String("value")).toString());
        } else if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("property") &&
                   !stack.isEmpty()) {
            stack.removeLast();
        }
    }
    // A damaged file counts for what was read before the damage, as xfconfd would refuse it whole:
    // either way nothing of ours depends on it but a message.
}

QString shortDesktopName(LinuxDesktopShortcuts::Desktop desktop) {
    switch (desktop) {
    case LinuxDesktopShortcuts::Desktop::xfce:
        return QStringLiteral("Xfce");
    case LinuxDesktopShortcuts::Desktop::gnome:
        return QStringLiteral("GNOME");
    case LinuxDesktopShortcuts::Desktop::kde:
        return QStringLiteral("KDE Plasma");
    case LinuxDesktopShortcuts::Desktop::other:
        break;
    }
    return {};
}

std::optional<QString> runForAWhile(const QString& program, const QStringList& arguments) {
    const QString found = QStandardPaths::findExecutable(program);
    //: %1 is a program ("xfconf-query").
    if (found.isEmpty())
        return QCoreApplication::translate("LinuxDesktopShortcuts", "%1 is not installed").arg(program);
    QProcess process;
    process.start(found, arguments);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        //: %1 is a program ("xfconf-query").
        return QCoreApplication::translate("LinuxDesktopShortcuts", "%1 did not answer").arg(program);
    }
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return std::nullopt;
    const QString error = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    //: %1 is a program ("xfconf-query").
    return error.isEmpty() ? QCoreApplication::translate("LinuxDesktopShortcuts", "%1 failed").arg(program)
                           : error;
}

} // namespace

bool Accelerator::matches(const Accelerator& other) const {
    return modifiers == other.modifiers && key.compare(other.key, Qt::CaseInsensitive) == 0;
}

QString Accelerator::gtk(const QString& control) const {
    QString out;
    if (modifiers & HotKeyModifier::control) out += QLatin1Char('<') + control + QLatin1Char('>');
    if (modifiers & HotKeyModifier::shift) out += QStringLiteral("<Shift>");
    if (modifiers & HotKeyModifier::option) out += QStringLiteral("<Alt>");
    if (modifiers & HotKeyModifier::command) out += QStringLiteral("<Super>");
    return out + key;
}

std::optional<Accelerator> Accelerator::parseGtk(const QString& text) {
    static const QRegularExpression modifier(QStringLiteral("^<([^>]+)>"));
    Accelerator out;
    QString rest = text.trimmed();
    for (auto m = modifier.match(rest); m.hasMatch(); m = modifier.match(rest)) {
        const quint32 bit = modifierBit(m.captured(1));
        if (bit == 0) return std::nullopt;
        out.modifiers |= bit;
        rest = rest.mid(m.capturedLength());
    }
    if (rest.isEmpty()) return std::nullopt;
    out.key = rest;
    return out;
}

std::optional<Accelerator> Accelerator::parseKde(const QString& text) {
    const QStringList parts = text.trimmed().split(QLatin1Char('+'));
    if (parts.size() < 2 || parts.last().isEmpty()) return std::nullopt;
    Accelerator out;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const quint32 bit = modifierBit(parts[i]);
        if (bit == 0) return std::nullopt;
        out.modifiers |= bit;
    }
    out.key = parts.last();
    return out;
}

std::optional<Accelerator> Accelerator::fromHotKey(quint32 keyCode, quint32 modifiers) {
    const auto keysym = keysymForKeyCode(keyCode);
    if (!keysym) return std::nullopt;
    const char* name = XKeysymToString(*keysym);
    if (!name) return std::nullopt;
    const quint32 known =
        HotKeyModifier::command | HotKeyModifier::control | HotKeyModifier::option | HotKeyModifier::shift;
    return Accelerator{modifiers & known, QString::fromLatin1(name)};
}

bool runsOurCommand(const QString& commandLine) {
    // "zarvo --toggle", "/usr/bin/zarvo --clipboard", "'/home/a b/.local/bin/zarvo' --toggle".
    static const QRegularExpression ours(
        QStringLiteral("(^|[/\\s'\"])zarvo['\"]?\\s+--(toggle|clipboard)\\b"));
    return ours.match(commandLine).hasMatch();
}

LinuxDesktopShortcuts::LinuxDesktopShortcuts(const Environment& environment, Run run)
    : m_environment(environment), m_run(run ? std::move(run) : Run(runForAWhile)) {
    const QStringList desktops = m_environment.variable(QStringLiteral("XDG_CURRENT_DESKTOP"))
                                     .value_or(QString())
                                     .split(QLatin1Char(':'));
    for (const QString& d : desktops) {
        if (d.compare(QLatin1String("XFCE"), Qt::CaseInsensitive) == 0) m_desktop = Desktop::xfce;
        if (d.compare(QLatin1String("GNOME"), Qt::CaseInsensitive) == 0) m_desktop = Desktop::gnome;
        if (d.compare(QLatin1String("KDE"), Qt::CaseInsensitive) == 0) m_desktop = Desktop::kde;
        if (m_desktop != Desktop::other) break;
    }
}

QString LinuxDesktopShortcuts::desktopName() const {
    return shortDesktopName(m_desktop);
}

// Each desktop's own names for its menus, as it shows them in the user's language; the texts say
// "in …" before them.
QString LinuxDesktopShortcuts::shortcutsPlace() const {
    switch (m_desktop) {
    case Desktop::xfce:
        //: Xfce's settings dialog and tab, as Xfce names them in your language.
        return QCoreApplication::translate("LinuxDesktopShortcuts",
                                           "Settings \u203A Keyboard \u203A Application Shortcuts");
    case Desktop::gnome:
        //: GNOME's Settings app and its panel, as GNOME names them in your language.
        return QCoreApplication::translate("LinuxDesktopShortcuts", "Settings \u203A Keyboard");
    case Desktop::kde:
        //: KDE's System Settings and its page, as KDE names them in your language.
        return QCoreApplication::translate("LinuxDesktopShortcuts", "System Settings \u203A Shortcuts");
    case Desktop::other:
        break;
    }
    //: Follows "in": "bind … in your desktop's keyboard shortcut settings".
    return QCoreApplication::translate("LinuxDesktopShortcuts", "your desktop's keyboard shortcut settings");
}

bool LinuxDesktopShortcuts::canBind() const {
    return m_desktop == Desktop::xfce || m_desktop == Desktop::gnome;
}

std::optional<DesktopShortcuts::Holder> LinuxDesktopShortcuts::holder(quint32 keyCode,
                                                                      quint32 modifiers) const {
    const auto wanted = Accelerator::fromHotKey(keyCode, modifiers);
    if (!wanted) return std::nullopt;
    switch (m_desktop) {
    case Desktop::xfce:
        return xfceHolder(*wanted);
    case Desktop::gnome:
        return gnomeHolder(*wanted);
    case Desktop::kde:
        return kdeHolder(*wanted);
    case Desktop::other:
        break;
    }
    return std::nullopt;
}

QHash<QString, QString> LinuxDesktopShortcuts::xfceShortcuts(const QString& group) const {
    // xfconfd reads the system's files, the most important directory last, then the user's over them.
    QStringList dirs = m_environment.variable(QStringLiteral("XDG_CONFIG_DIRS"))
                           .value_or(QString())
                           .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (dirs.isEmpty()) dirs << QStringLiteral("/etc/xdg");
    QHash<QString, QString> all;
    for (auto it = dirs.crbegin(); it != dirs.crend(); ++it)
        readXfconf(*it + kXfconfFile, all);
    readXfconf(m_environment.configHome() + kXfconfFile, all);

    // Once the custom set exists (xfsettingsd copies the defaults there at its first start) it alone counts.
    const QString custom = QLatin1Char('/') + group + QStringLiteral("/custom/");
    const QString defaults = QLatin1Char('/') + group + QStringLiteral("/default/");
    bool hasCustom = false;
    for (auto it = all.cbegin(); it != all.cend() && !hasCustom; ++it)
        hasCustom = it.key().startsWith(custom) && it.key() != custom + QStringLiteral("override");
    const QString prefix = hasCustom ? custom : defaults;
    QHash<QString, QString> out;
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        if (!it.key().startsWith(prefix)) continue;
        const QString accelerator = it.key().mid(prefix.size());
        if (accelerator.contains(QLatin1Char('/')) || accelerator == QLatin1String("override")) continue;
        out.insert(accelerator, it.value());
    }
    return out;
}

std::optional<DesktopShortcuts::Holder> LinuxDesktopShortcuts::xfceHolder(const Accelerator& wanted) const {
    for (const char* group : {"commands", "xfwm4"}) {
        const auto shortcuts = xfceShortcuts(QLatin1String(group));
        for (auto it = shortcuts.cbegin(); it != shortcuts.cend(); ++it) {
            const auto accelerator = Accelerator::parseGtk(it.key());
            if (!accelerator || !accelerator->matches(wanted)) continue;
            return Holder{desktopName(), false,
                          qstrcmp(group, "commands") == 0 && runsOurCommand(it.value())};
        }
    }
    return std::nullopt;
}

std::optional<DesktopShortcuts::Holder> LinuxDesktopShortcuts::kdeHolder(const Accelerator& wanted) const {
    QFile file(m_environment.configHome() + QStringLiteral("/kglobalshortcutsrc"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    QString group;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char('_'))) continue;
        // action=active shortcuts (tab-separated),default shortcuts,friendly name
        const QString active = line.mid(equals + 1).section(QLatin1Char(','), 0, 0);
        for (const QString& shortcut : active.split(QLatin1Char('\t'), Qt::SkipEmptyParts)) {
            const auto accelerator = Accelerator::parseKde(shortcut);
            if (accelerator && accelerator->matches(wanted))
                return Holder{desktopName(), false,
                              group.contains(QLatin1String("zarvo"), Qt::CaseInsensitive)};
        }
    }
    return std::nullopt;
}

std::optional<DesktopShortcuts::Holder> LinuxDesktopShortcuts::gnomeHolder(const Accelerator& wanted) const {
    for (const GnomeShortcuts::Binding& binding : GnomeShortcuts::customBindings()) {
        const auto accelerator = Accelerator::parseGtk(binding.binding);
        if (accelerator && accelerator->matches(wanted))
            return Holder{desktopName(), false, runsOurCommand(binding.command)};
    }
    // mutter takes Super for its overview as soon as it goes down: a grab of Super+key never sees the key.
    const auto overlay = GnomeShortcuts::overlayKey();
    if (overlay && overlay->startsWith(QLatin1String("Super"), Qt::CaseInsensitive) &&
        (wanted.modifiers & HotKeyModifier::command))
        return Holder{desktopName(), true, false};
    return std::nullopt;
}

QStringList LinuxDesktopShortcuts::xfconfArguments(const QString& accelerator, const QString& command) {
    return {QStringLiteral("-c"),
            QStringLiteral("xfce4-keyboard-shortcuts"),
            QStringLiteral("-p"),
            QStringLiteral("/commands/custom/") + accelerator,
            QStringLiteral("-n"),
            QStringLiteral("-t"),
            QStringLiteral("string"),
            QStringLiteral("-s"),
            command};
}

std::optional<QString> LinuxDesktopShortcuts::bindXfce(const Accelerator& wanted, const QString& command) {
    // The property that holds the combination now is the one to change, so the key is not bound twice.
    QString accelerator = wanted.gtk(QStringLiteral("Primary"));
    const auto commands = xfceShortcuts(QStringLiteral("commands"));
    for (auto it = commands.cbegin(); it != commands.cend(); ++it)
        if (const auto a = Accelerator::parseGtk(it.key()); a && a->matches(wanted)) accelerator = it.key();
    return m_run(QStringLiteral("xfconf-query"), xfconfArguments(accelerator, command));
}

std::optional<QString> LinuxDesktopShortcuts::bind(quint32 keyCode, quint32 modifiers,
                                                   const QString& command) {
    const auto wanted = Accelerator::fromHotKey(keyCode, modifiers);
    if (!wanted) return QCoreApplication::translate("LinuxDesktopShortcuts", "this key cannot be bound");
    switch (m_desktop) {
    case Desktop::xfce:
        return bindXfce(*wanted, command);
    case Desktop::gnome:
        return GnomeShortcuts::bindCustom(QStringLiteral("Zarvo"), command,
                                          wanted->gtk(QStringLiteral("Control")));
    case Desktop::kde:
    case Desktop::other:
        break;
    }
    return QCoreApplication::translate("LinuxDesktopShortcuts",
                                       "binding keys is not supported on this desktop");
}

} // namespace zarvo::linux_
