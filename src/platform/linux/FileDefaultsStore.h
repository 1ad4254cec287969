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
// A file that does not parse whole (cut short, a broken quote) is copied to
// `<domain>.json.corrupt-<unix seconds>` and each value that still reads on its own is used and written
// back at the next save; one holding nothing readable, or not ours, is renamed so and reads as empty. An
// earlier copy is never replaced, nor a second one made of equal bytes. When the original cannot be kept
// aside, the domain refuses to save rather than overwrite it.
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
        // The text parsed as one document; otherwise `values` is what could be read of it.
        bool whole = true;
    };
    static std::optional<Decoded> decode(const QByteArray& json);

private:
    // Where the original of a damaged file was kept.
    struct Kept {
        QString path;
        // This call made the copy (else an equal one was already there).
        bool madeNow = true;
    };
    static std::optional<Kept> setAside(const QString& path, bool keepOriginal, const QByteArray& bytes);

    QString m_directory;
    // Domains whose file was read (or found absent) in this process.
    QSet<QString> m_checked;
    // Domains whose unreadable file could not be set aside: saving would destroy it.
    QSet<QString> m_blocked;
};

} // namespace zarvo::linux_
