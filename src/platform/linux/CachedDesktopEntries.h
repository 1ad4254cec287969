#pragma once

#include "platform/AppBundle.h"
#include "platform/linux/DesktopEntries.h"
#include "platform/linux/DesktopServices.h"

#include <functional>
#include <optional>

namespace zarvo::linux_ {

// The installed applications for a headless process, read without GIO when nothing they were read from
// changed: the answer of the last full scan (DesktopEntrySource, in the desktop module) is kept in a
// file together with a fingerprint of everything it depended on, the entries' folders and files as
// stat(2) sees them, the environment that names and filters them (locale, PATH, desktops), the PATH
// folders that TryExec and Exec programs are looked for in, and those programs given with a path. A
// fingerprint that differs in anything means a full scan; its answer, and the lines it logged, are kept for
// the next process. Replayed lines are logged again, as a fresh scan would log them.
class CachedDesktopEntrySource : public AppBundleSource {
    Q_OBJECT
public:
    CachedDesktopEntrySource(DesktopEntrySource::Options options, QString cacheFile,
                             std::function<DesktopServices&()> desktop);

    QList<AppBundle> scan() override;
    QStringList folders() const override { return DesktopEntrySource::applicationFolders(m_options); }

    // What a scan on these options depends on, as bytes to compare.
    static QByteArray fingerprint(const DesktopEntrySource::Options& options);

    // The cache file's contents: a scan's answer and the fingerprint it was taken under. Decoding
    // gives none for anything but what encoding writes.
    struct Kept {
        QByteArray fingerprint;
        DesktopServices::Applications applications;
        // The state of the programs the scan looked for with a path, as the scan left them.
        QByteArray programState;
        bool operator==(const Kept& other) const {
            return fingerprint == other.fingerprint && applications.bundles == other.applications.bundles &&
                   applications.logged == other.applications.logged &&
                   applications.programs == other.applications.programs && programState == other.programState;
        }
    };
    // The state of those programs now.
    static QByteArray programState(const QStringList& programs);
    static QByteArray encode(const Kept& kept);
    static std::optional<Kept> decode(const QByteArray& bytes);

private:
    DesktopEntrySource::Options m_options;
    QString m_cacheFile;
    std::function<DesktopServices&()> m_desktop;
};

} // namespace zarvo::linux_
