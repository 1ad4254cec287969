#pragma once

#include "search/SearchModel.h"

#include <memory>

namespace zarvo {
class AppCatalog;
class AppBundleSource;
class ClipStore;
class MetadataQueryFactory;
class Settings;
class UserDefaultsStore;
struct Platform;
namespace index {
class FileIndex;
}
} // namespace zarvo

namespace zarvo::cli {

// Whether the text that commands print is read on a terminal: this program's standard output is one,
// or (in the application) the zarvo-cli it answers said so. JSON output is never affected.
bool printsToTerminal();
void setPrintsToTerminal(bool terminal);
// Sets it while it lives, for one command carried out on behalf of a zarvo-cli.
class PrintingToTerminal {
public:
    explicit PrintingToTerminal(bool terminal) : m_previous(printsToTerminal()) {
        setPrintsToTerminal(terminal);
    }
    ~PrintingToTerminal() { setPrintsToTerminal(m_previous); }
    PrintingToTerminal(const PrintingToTerminal&) = delete;
    PrintingToTerminal& operator=(const PrintingToTerminal&) = delete;

private:
    bool m_previous;
};
// A copied text, file name or message as a text printer shows it. On a terminal its control characters
// (C0, DEL, C1) are written as \e, \n, \t, \r, \x07 or \u009b, so that what someone copied or named
// cannot move the cursor, retitle the window or rewrite earlier lines; everything else stays as it is.
QString shown(const QString& text, bool terminal);
inline QString shown(const QString& text) {
    return shown(text, printsToTerminal());
}

// The back end one run of zarvo-cli works on: the full desktop one, or the headless one that loads the
// desktop's parts only when a command reaches them.
class CliPlatform {
public:
    virtual ~CliPlatform() = default;
    // The bundle; `defaults` and `metadata` are set by the context.
    virtual Platform& platform() = 0;
    virtual bool hasDisplay() const = 0;
    // Where the installed applications are read from.
    virtual std::unique_ptr<AppBundleSource> applicationSource() = 0;
};

// What one run of zarvo-cli works with: the real platform of this user (honouring HOME and the XDG
// variables, so it runs in a sandbox home), the shared stores, the clip store and the file index.
class CliContext {
public:
    static CliContext& shared();
    ~CliContext();

    // Takes the platform, adds the user-defaults store and installs it as the current one.
    void setUp(std::unique_ptr<CliPlatform> platform);

    bool hasDisplay() const;
    // The platform the commands work on and hand on: the one setUp installed (a test's fakes when a
    // command runs in process).
    Platform& platform();
    // The user's settings, on the platform's defaults store.
    Settings& settings();
    // The clip store, opened on first use (read from disk, not capturing).
    ClipStore* clipStore();
    // The file index (the snapshot loaded, crawled when there is none), opened on first use.
    MetadataQueryFactory* metadata();
    // The installed applications, read on first use.
    AppCatalog* applications();
    // A source of them of its own, for a command that reads them afresh.
    std::unique_ptr<AppBundleSource> newApplicationSource();
    SearchModel::Services searchServices();

private:
    std::unique_ptr<UserDefaultsStore> m_defaults;
    std::unique_ptr<CliPlatform> m_platform;
    std::unique_ptr<ClipStore> m_clipStore;
    std::shared_ptr<index::FileIndex> m_index;
    std::unique_ptr<MetadataQueryFactory> m_metadata;
    std::unique_ptr<AppBundleSource> m_applicationSource;
    std::unique_ptr<AppCatalog> m_applications;
};

} // namespace zarvo::cli
