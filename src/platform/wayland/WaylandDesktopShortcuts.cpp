#include "platform/wayland/WaylandDesktopShortcuts.h"

#include "platform/Environment.h"
#include "platform/HotKeyFormat.h"
#include "platform/linux/LinuxDesktopShortcuts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace zarvo::wayland {

namespace {

// sway's spelling of a combination: "Mod4+Shift+v" (Mod4 is Super, Mod1 Alt).
QString swayCombo(const linux_::Accelerator& accelerator) {
    QString out;
    if (accelerator.modifiers & HotKeyModifier::command) out += QStringLiteral("Mod4+");
    if (accelerator.modifiers & HotKeyModifier::control) out += QStringLiteral("Ctrl+");
    if (accelerator.modifiers & HotKeyModifier::option) out += QStringLiteral("Mod1+");
    if (accelerator.modifiers & HotKeyModifier::shift) out += QStringLiteral("Shift+");
    return out + accelerator.key;
}

// Hyprland's: "SUPER SHIFT, V".
QString hyprlandCombo(const linux_::Accelerator& accelerator) {
    QStringList mods;
    if (accelerator.modifiers & HotKeyModifier::command) mods << QStringLiteral("SUPER");
    if (accelerator.modifiers & HotKeyModifier::control) mods << QStringLiteral("CTRL");
    if (accelerator.modifiers & HotKeyModifier::option) mods << QStringLiteral("ALT");
    if (accelerator.modifiers & HotKeyModifier::shift) mods << QStringLiteral("SHIFT");
    return mods.join(QLatin1Char(' ')) + QStringLiteral(", ") + accelerator.key.toUpper();
}

quint32 swayModifier(const QString& word) {
    const QString w = word.toLower();
    if (w == QLatin1String("mod4") || w == QLatin1String("super")) return HotKeyModifier::command;
    if (w == QLatin1String("mod1") || w == QLatin1String("alt")) return HotKeyModifier::option;
    if (w == QLatin1String("ctrl") || w == QLatin1String("control")) return HotKeyModifier::control;
    if (w == QLatin1String("shift")) return HotKeyModifier::shift;
    return 0;
}

} // namespace

WaylandDesktopShortcuts::WaylandDesktopShortcuts(const Environment& environment, DesktopShortcuts* inner)
    : m_environment(environment), m_inner(inner) {
    const QStringList desktops = environment.variable(QStringLiteral("XDG_CURRENT_DESKTOP"))
                                     .value_or(QString())
                                     .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& d : desktops) {
        if (d.compare(QLatin1String("sway"), Qt::CaseInsensitive) == 0) m_compositor = Compositor::sway;
        if (d.compare(QLatin1String("Hyprland"), Qt::CaseInsensitive) == 0)
            m_compositor = Compositor::hyprland;
        if (d.compare(QLatin1String("GNOME"), Qt::CaseInsensitive) == 0) m_compositor = Compositor::gnome;
        if (m_compositor != Compositor::other) break;
    }
}

QString WaylandDesktopShortcuts::desktopName() const {
    if (m_compositor == Compositor::sway) return QStringLiteral("sway");
    if (m_compositor == Compositor::hyprland) return QStringLiteral("Hyprland");
    return m_inner ? m_inner->desktopName() : QString();
}

QString WaylandDesktopShortcuts::swayConfigPath() const {
    const QString home = m_environment.homePath();
    const QString config = m_environment.configHome();
    for (const QString& path : {config + QStringLiteral("/sway/config"),
                                home + QStringLiteral("/.sway/config"), config + QStringLiteral("/i3/config"),
                                home + QStringLiteral("/.i3/config"), QStringLiteral("/etc/sway/config")})
        if (QFileInfo(path).isFile()) return path;
    return {};
}

std::optional<DesktopShortcuts::Holder>
WaylandDesktopShortcuts::swayHolder(const QString& configText, quint32 keyCode, quint32 modifiers) {
    const auto wanted = linux_::Accelerator::fromHotKey(keyCode, modifiers);
    if (!wanted) return std::nullopt;
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QHash<QString, QString> variables;
    for (const QString& raw : configText.split(QLatin1Char('\n'))) {
        QStringList words = raw.trimmed().split(space, Qt::SkipEmptyParts);
        if (words.size() >= 3 && words[0] == QLatin1String("set") && words[1].startsWith(QLatin1Char('$'))) {
            variables.insert(words[1], words.mid(2).join(QLatin1Char(' ')));
            continue;
        }
        if (words.isEmpty() || words[0] != QLatin1String("bindsym")) continue;
        words.removeFirst();
        while (!words.isEmpty() && words.first().startsWith(QStringLiteral("--")))
            words.removeFirst();
        if (words.size() < 2) continue;
        QString combo = words.takeFirst();
        // Longer names first, so $mod does not eat the start of $modifier.
        QStringList names = variables.keys();
        std::sort(names.begin(), names.end(),
                  [](const QString& a, const QString& b) { return a.size() > b.size(); });
        for (const QString& name : std::as_const(names))
            combo.replace(name, variables.value(name));
        const QStringList parts = combo.split(QLatin1Char('+'), Qt::SkipEmptyParts);
        if (parts.isEmpty()) continue;
        linux_::Accelerator found{0, parts.last()};
        bool known = true;
        for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
            const quint32 bit = swayModifier(parts[i]);
            known &= bit != 0;
            found.modifiers |= bit;
        }
        if (!known || !found.matches(*wanted)) continue;
        const QString command = words.join(QLatin1Char(' '));
        // sway takes its bindings before any client sees the key.
        return Holder{QStringLiteral("sway"), true,
                      command.startsWith(QLatin1String("exec")) && linux_::runsOurCommand(command)};
    }
    return std::nullopt;
}

QString WaylandDesktopShortcuts::swayConfigText(const QString& path, QSet<QString>& seen,
                                                QHash<QString, QString> variables) const {
    // sway reads each file once, however often it is included; a loop of includes ends here too.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty() || seen.contains(canonical) || seen.size() > 64) return {};
    seen.insert(canonical);
    QFile file(canonical);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    static const QRegularExpression space(QStringLiteral("\\s+"));
    static const QRegularExpression environment(QStringLiteral("\\$\\{?([A-Za-z_][A-Za-z0-9_]*)\\}?"));
    QString out;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QStringList words = line.trimmed().split(space, Qt::SkipEmptyParts);
        if (words.size() >= 3 && words[0] == QLatin1String("set") && words[1].startsWith(QLatin1Char('$')))
            variables.insert(words[1], words.mid(2).join(QLatin1Char(' ')));
        if (words.size() < 2 || words[0] != QLatin1String("include")) {
            out += line + QLatin1Char('\n');
            continue;
        }
        // As sway expands it: its own variables, then ~, the environment and a pattern, relative to
        // the including file's folder; matches in name order.
        QString pattern = words.mid(1).join(QLatin1Char(' '));
        QStringList names = variables.keys();
        std::sort(names.begin(), names.end(),
                  [](const QString& a, const QString& b) { return a.size() > b.size(); });
        for (const QString& name : std::as_const(names))
            pattern.replace(name, variables.value(name));
        if (pattern.size() > 1 &&
            (pattern.front() == QLatin1Char('"') || pattern.front() == QLatin1Char('\'')) &&
            pattern.back() == pattern.front())
            pattern = pattern.mid(1, pattern.size() - 2);
        if (pattern == QLatin1String("~") || pattern.startsWith(QLatin1String("~/")))
            pattern.replace(0, 1, m_environment.homePath());
        QString expanded;
        qsizetype at = 0;
        for (auto it = environment.globalMatch(pattern); it.hasNext();) {
            const auto match = it.next();
            expanded += pattern.mid(at, match.capturedStart() - at) +
                        m_environment.variable(match.captured(1)).value_or(QString());
            at = match.capturedEnd();
        }
        pattern = expanded + pattern.mid(at);
        const QFileInfo target(QFileInfo(canonical).dir(), pattern);
        const QDir folder = target.dir();
        const QStringList matches =
            folder.entryList({target.fileName()}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QString& name : matches)
            out += swayConfigText(folder.filePath(name), seen, variables);
    }
    return out;
}

std::optional<DesktopShortcuts::Holder> WaylandDesktopShortcuts::holder(quint32 keyCode,
                                                                        quint32 modifiers) const {
    if (m_compositor == Compositor::sway) {
        const QString path = swayConfigPath();
        if (path.isEmpty()) return std::nullopt;
        QSet<QString> seen;
        return swayHolder(swayConfigText(path, seen, {}), keyCode, modifiers);
    }
    if (m_compositor == Compositor::hyprland) return std::nullopt;
    return m_inner ? m_inner->holder(keyCode, modifiers) : std::nullopt;
}

QString WaylandDesktopShortcuts::shortcutsPlace() const {
    if (m_compositor == Compositor::sway) {
        QString path = swayConfigPath();
        if (path.isEmpty()) path = m_environment.configHome() + QStringLiteral("/sway/config");
        const QString home = m_environment.homePath();
        if (path.startsWith(home + QLatin1Char('/'))) path = QLatin1Char('~') + path.mid(home.size());
        //: Follows "in": "bind … in sway's config file (~/.config/sway/config)".
        return QCoreApplication::translate("WaylandDesktopShortcuts", "sway's config file (%1)").arg(path);
    }
    if (m_compositor == Compositor::hyprland)
        //: Follows "in", like the sway text.
        return QCoreApplication::translate("WaylandDesktopShortcuts", "Hyprland's config file (%1)")
            .arg(QStringLiteral("~/.config/hypr/hyprland.conf"));
    //: Follows "in": "bind … in your desktop's keyboard shortcut settings".
    return m_inner ? m_inner->shortcutsPlace()
                   : QCoreApplication::translate("WaylandDesktopShortcuts",
                                                 "your desktop's keyboard shortcut settings");
}

bool WaylandDesktopShortcuts::canBind() const {
    if (m_compositor == Compositor::sway || m_compositor == Compositor::hyprland) return false;
    return m_inner && m_inner->canBind();
}

std::optional<QString> WaylandDesktopShortcuts::bind(quint32 keyCode, quint32 modifiers,
                                                     const QString& command) {
    if (!canBind())
        return QCoreApplication::translate("WaylandDesktopShortcuts",
                                           "binding keys is not supported on this desktop");
    return m_inner->bind(keyCode, modifiers, command);
}

std::optional<QString> WaylandDesktopShortcuts::configLine(quint32 keyCode, quint32 modifiers,
                                                           const QString& command) const {
    const auto accelerator = linux_::Accelerator::fromHotKey(keyCode, modifiers);
    if (!accelerator) return std::nullopt;
    if (m_compositor == Compositor::sway)
        return QStringLiteral("bindsym ") + swayCombo(*accelerator) + QStringLiteral(" exec ") + command;
    if (m_compositor == Compositor::hyprland)
        return QStringLiteral("bind = ") + hyprlandCombo(*accelerator) + QStringLiteral(", exec, ") + command;
    return std::nullopt;
}

QString WaylandDesktopShortcuts::bindingNote(quint32 modifiers) const {
    if (m_compositor != Compositor::gnome || !(modifiers & HotKeyModifier::command)) return {};
    const auto overlay = linux_::GnomeShortcuts::overlayKey();
    if (!overlay || !overlay->startsWith(QLatin1String("Super"), Qt::CaseInsensitive)) return {};
    // mutter opens the overview when Super is released with no other key pressed; Super with a key
    // goes to the keybindings.
    //: %1 is the name of the Super key.
    return QCoreApplication::translate(
               "WaylandDesktopShortcuts",
               "GNOME keeps %1 pressed alone for its overview; %1 together with another key "
               "works as a shortcut.")
        .arg(HotKeyFormat::keyName(HotKeyFormat::KeyName::super));
}

} // namespace zarvo::wayland
