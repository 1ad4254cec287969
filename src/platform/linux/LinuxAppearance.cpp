#include "platform/linux/LinuxAppearance.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <optional>

namespace zarvo::linux_::LinuxAppearance {

namespace {
// 0 no preference, 1 dark, 2 light; none when no portal answers.
std::optional<uint> portalColorScheme() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("Read"));
    call << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("color-scheme");
    // A portal that is not running must not hold up the start.
    const QDBusMessage answer = QDBusConnection::sessionBus().call(call, QDBus::Block, 300);
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty()) return std::nullopt;
    QVariant value = answer.arguments().first();
    // The value comes wrapped in one or two variants, depending on the portal's version.
    for (int i = 0; i < 2 && value.canConvert<QDBusVariant>(); ++i)
        value = value.value<QDBusVariant>().variant();
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    if (!ok) return std::nullopt;
    return scheme;
}
} // namespace

bool prefersDark() {
    const QString gtkTheme = qEnvironmentVariable("GTK_THEME");
    if (gtkTheme.contains(QLatin1String(":dark"), Qt::CaseInsensitive)) return true;
    if (!gtkTheme.isEmpty()) return gtkTheme.contains(QLatin1String("dark"), Qt::CaseInsensitive);
    if (const auto scheme = portalColorScheme()) return *scheme == 1;
    return false;
}

} // namespace zarvo::linux_::LinuxAppearance
