#include "store/IgnoredApps.h"

#include <QHash>
#include <algorithm>

namespace zarvo::IgnoredApps {

namespace {

// clang-format off
// Password managers as packaged for Linux, one row each: distribution or vendor packages, then Flatpak
// where its id differs. KeePassXC's id is the same everywhere; KWalletManager's changed with Plasma 6,
// and its Plasma 5 package prompts for wallets under a second entry.
const char* const kDefaults[] = {
    "org.keepassxc.KeePassXC",
    "keepass2",
    "bitwarden", "com.bitwarden.desktop",
    "1password",
    "proton-pass", "me.proton.Pass",
    "org.kde.kwalletmanager5", "kwalletmanager5-kwalletd", "org.kde.kwalletmanager",
    "org.gnome.seahorse.Application",
    "org.gnome.World.Secrets",
    "qtpass", "org.qtpass.QtPass",
    "enpass",
};
// clang-format on

QStringList list(std::initializer_list<const char*> ids) {
    QStringList out;
    for (const char* id : ids)
        out << QString::fromLatin1(id);
    return out;
}

// What the former macOS identifiers stand for here. (com.bitwarden.desktop is Bitwarden's Flatpak id too,
// and stays as it is.)
const QHash<QString, QStringList>& formerCounterparts() {
    static const QHash<QString, QStringList> map = [] {
        const QStringList keyrings =
            list({"org.gnome.seahorse.Application", "org.kde.kwalletmanager5", "org.kde.kwalletmanager"});
        return QHash<QString, QStringList>{
            {QStringLiteral("com.apple.keychainaccess"), keyrings},
            {QStringLiteral("com.apple.Passwords"), keyrings},
            {QStringLiteral("com.1password.1password"), list({"1password"})},
            {QStringLiteral("com.agilebits.onepassword7"), list({"1password"})},
            {QStringLiteral("org.keepassxc.keepassxc"), list({"org.keepassxc.KeePassXC"})},
        };
    }();
    return map;
}

} // namespace

const QStringList& defaults() {
    static const QStringList ids = [] {
        QStringList out;
        for (const char* id : kDefaults)
            out << QString::fromLatin1(id);
        return out;
    }();
    return ids;
}

const QStringList& formerDefaults() {
    static const QStringList ids =
        list({"com.apple.keychainaccess", "com.apple.Passwords", "com.1password.1password",
              "com.agilebits.onepassword7", "com.bitwarden.desktop", "com.lastpass.LastPass",
              "com.dashlane.dashlanephonefinal", "org.keepassxc.keepassxc"});
    return ids;
}

QString normalized(const QString& entry) {
    QString id = entry.trimmed();
    const bool path = id.contains(QLatin1Char('/'));
    // Some ids end in ".desktop" themselves (Bitwarden's Flatpak, Telegram): a known one is left whole,
    // and matching tolerates the suffix either way.
    const bool knownId = std::any_of(defaults().begin(), defaults().end(), [&](const QString& known) {
        return known.compare(id, Qt::CaseInsensitive) == 0;
    });
    if (id.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive) && (path || !knownId)) {
        id.chop(8);
        // A path to an entry: its file name is the id (subfolders of applications/ are not kept apart).
        id = id.section(QLatin1Char('/'), -1);
    }
    return id;
}

QStringList migrate(const QStringList& stored) {
    QStringList wanted;
    bool allFormer = true;
    for (const QString& former : formerDefaults())
        allFormer = allFormer && stored.contains(former);
    for (const QString& entry : stored) {
        const QString id = normalized(entry);
        if (id.isEmpty()) continue;
        // Only an identifier stored as such is a former default: an entry path is already an id.
        const auto it =
            id == entry.trimmed() ? formerCounterparts().constFind(id) : formerCounterparts().constEnd();
        if (it != formerCounterparts().constEnd()) {
            wanted << *it;
            continue;
        }
        QString cased = id;
        for (const QString& known : defaults())
            if (known.compare(id, Qt::CaseInsensitive) == 0) cased = known;
        wanted << cased;
    }
    // The user kept the former defaults: the password managers of this platform take their place.
    if (allFormer && !stored.isEmpty()) wanted << defaults();
    QStringList out;
    QSet<QString> seen;
    for (const QString& id : std::as_const(wanted)) {
        if (seen.contains(id.toLower())) continue;
        seen.insert(id.toLower());
        out << id;
    }
    return out;
}

bool containsAny(const QStringList& ignored, const QSet<QString>& identities) {
    const QLatin1String suffix(".desktop");
    for (const QString& identity : identities) {
        if (identity.isEmpty()) continue;
        for (const QString& id : ignored)
            if (id.compare(identity, Qt::CaseInsensitive) == 0 ||
                (id + suffix).compare(identity, Qt::CaseInsensitive) == 0 ||
                id.compare(identity + suffix, Qt::CaseInsensitive) == 0)
                return true;
    }
    return false;
}

} // namespace zarvo::IgnoredApps
