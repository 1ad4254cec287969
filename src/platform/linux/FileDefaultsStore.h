#pragma once

#include "platform/UserDefaultsStore.h"

#include <QSet>
#include <QString>

namespace zarvo {
class Environment;
}

namespace zarvo::linux_ {

// User-defaults domains as JSON files, one per domain: `<directory>/<domain>.json`, by default
// `$XDG_CONFIG_HOME/zarvo/<domain>.json` (so every domain, the former identity's too, sits in one
// folder of our own). Each value is tagged with its type ({"type": "integer", "value": 15}) so that
// integers, reals, booleans, strings, data (base64), dates (ISO 8601, milliseconds, UTC), arrays and
// dictionaries read back as what was written. Files are written whole and atomically, mode 0600.
// A file that cannot be read or parsed is renamed to `<domain>.json.corrupt-<unix seconds>` and reads
// as empty, so the registered defaults apply and the user's data is still there to recover; when it
// cannot be set aside, the domain refuses to save rather than overwrite it.
class FileDefaultsStore : public UserDefaultsStore {
public:
    explicit FileDefaultsStore(QString directory);

    // `<configHome>/zarvo`.
    static QString defaultDirectory(const Environment& environment);

    QVariantMap load(const QString& domain) override;
    bool save(const QString& domain, const QVariantMap& values) override;

    const QString& directory() const { return m_directory; }
    // The file of a domain, or empty when the name cannot be a file name (a path, "..", empty).
    QString filePath(const QString& domain) const;

    // The tagged JSON form of one file, and back (none when the text is not such a file).
    static QByteArray encode(const QVariantMap& values);
    struct Decoded {
        QVariantMap values;
        // Keys whose value had an unknown tag or a malformed value; they are left out.
        QStringList rejected;
    };
    static std::optional<Decoded> decode(const QByteArray& json);

private:
    bool setAside(const QString& path, bool keepOriginal);

    QString m_directory;
    // Domains whose file was read (or found absent) in this process.
    QSet<QString> m_checked;
    // Domains whose unreadable file could not be set aside: saving would destroy it.
    QSet<QString> m_blocked;
};

} // namespace zarvo::linux_
