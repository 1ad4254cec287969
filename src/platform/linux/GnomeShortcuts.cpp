#include "platform/linux/LinuxDesktopShortcuts.h"

#include <QCoreApplication>
#include <QSet>
#include <QString>

#include "platform/linux/GioIncludes.h"

namespace zarvo::linux_::GnomeShortcuts {

namespace {

const char* const kMediaKeys = "org.gnome.settings-daemon.plugins.media-keys";
const char* const kCustomBinding = "org.gnome.settings-daemon.plugins.media-keys.custom-keybinding";
const char* const kCustomBase = "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/";

struct SchemaUnref {
    void operator()(GSettingsSchema* schema) const {
        if (schema) g_settings_schema_unref(schema);
    }
};
using Schema = std::unique_ptr<GSettingsSchema, SchemaUnref>;

// The installed schema with that key, else none: g_settings_new() on a missing schema ends the process.
Schema schema(const char* id, const char* key) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source) return nullptr;
    Schema found(g_settings_schema_source_lookup(source, id, TRUE));
    if (found && !g_settings_schema_has_key(found.get(), key)) return nullptr;
    return found;
}

GRef<GSettings> open(const Schema& schema, const QString& path = {}) {
    if (!schema) return nullptr;
    const QByteArray p = path.toUtf8();
    return GRef<GSettings>(
        g_settings_new_full(schema.get(), nullptr, path.isEmpty() ? nullptr : p.constData()));
}

QString string(GSettings* settings, const char* key) {
    GString_ value(g_settings_get_string(settings, key));
    return QString::fromUtf8(value.get());
}

QStringList strings(GSettings* settings, const char* key) {
    gchar** values = g_settings_get_strv(settings, key);
    QStringList out;
    for (gchar** v = values; v && *v; ++v)
        out << QString::fromUtf8(*v);
    g_strfreev(values);
    return out;
}

} // namespace

std::optional<QString> overlayKey() {
    const auto settings = open(schema("org.gnome.mutter", "overlay-key"));
    if (!settings) return std::nullopt;
    return string(settings.get(), "overlay-key");
}

QList<Binding> customBindings() {
    const auto list = open(schema(kMediaKeys, "custom-keybindings"));
    const Schema entry = schema(kCustomBinding, "binding");
    if (!list || !entry) return {};
    QList<Binding> out;
    for (const QString& path : strings(list.get(), "custom-keybindings")) {
        // A relocatable schema's path must end in a slash; anything else in the list is not a binding.
        if (!path.startsWith(QLatin1Char('/')) || !path.endsWith(QLatin1Char('/'))) continue;
        const auto settings = open(entry, path);
        out << Binding{path, string(settings.get(), "name"), string(settings.get(), "command"),
                       string(settings.get(), "binding")};
    }
    return out;
}

std::optional<QString> bindCustom(const QString& name, const QString& command, const QString& accelerator) {
    const auto list = open(schema(kMediaKeys, "custom-keybindings"));
    const Schema entry = schema(kCustomBinding, "binding");
    if (!list || !entry)
        return QCoreApplication::translate("GnomeShortcuts", "GNOME's keyboard settings are not installed");
    const auto wanted = Accelerator::parseGtk(accelerator);
    QStringList paths = strings(list.get(), "custom-keybindings");
    QString path;
    // A binding of that key already there is rewritten, so the key does not do two things.
    for (const Binding& b : customBindings())
        if (const auto a = Accelerator::parseGtk(b.binding); a && wanted && a->matches(*wanted))
            path = b.path;
    if (path.isEmpty()) {
        const QSet<QString> used(paths.cbegin(), paths.cend());
        for (int n = 0; path.isEmpty(); ++n) {
            const QString candidate = QString::fromLatin1(kCustomBase) + QStringLiteral("custom%1/").arg(n);
            if (!used.contains(candidate)) path = candidate;
        }
    }
    const auto settings = open(entry, path);
    const bool written = g_settings_set_string(settings.get(), "name", name.toUtf8().constData()) &&
                         g_settings_set_string(settings.get(), "command", command.toUtf8().constData()) &&
                         g_settings_set_string(settings.get(), "binding", accelerator.toUtf8().constData());
    if (!written)
        return QCoreApplication::translate("GnomeShortcuts",
                                           "GNOME's keyboard settings cannot be changed (they are locked)");
    if (!paths.contains(path)) {
        paths << path;
        QList<QByteArray> utf8;
        for (const QString& p : std::as_const(paths))
            utf8 << p.toUtf8();
        std::vector<const gchar*> values;
        for (const QByteArray& p : std::as_const(utf8))
            values.push_back(p.constData());
        values.push_back(nullptr);
        if (!g_settings_set_strv(list.get(), "custom-keybindings", values.data()))
            return QCoreApplication::translate(
                "GnomeShortcuts", "GNOME's keyboard settings cannot be changed (they are locked)");
    }
    g_settings_sync();
    return std::nullopt;
}

} // namespace zarvo::linux_::GnomeShortcuts
