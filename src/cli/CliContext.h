#pragma once

#include "search/SearchModel.h"

#include <QCoreApplication>
#include <memory>

namespace zarvo {
class AppCatalog;
class AppBundleSource;
class ClipStore;
class MetadataQueryFactory;
class UserDefaultsStore;
namespace index {
class FileIndex;
}
namespace linux_ {
class LinuxPlatform;
}
} // namespace zarvo

namespace zarvo::cli {

// What one run of zarvo-cli works with: the real platform of this user (honouring HOME and the XDG
// variables, so it runs in a sandbox home), the shared stores, the clip store and the file index.
class CliContext {
public:
    // A GUI application (for the clipboard) when a display is wanted and present, else a core one.
    static std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv, bool display);
    static CliContext& shared();
    ~CliContext();

    // Builds the platform and installs it as the current one.
    void setUp(bool display);

    linux_::LinuxPlatform& platform() { return *m_platform; }
    // The clip store, opened on first use (read from disk, not capturing).
    ClipStore* clipStore();
    // The file index (the snapshot loaded, crawled when there is none), opened on first use.
    MetadataQueryFactory* metadata();
    // The installed applications, read on first use.
    AppCatalog* applications();
    SearchModel::Services searchServices();

private:
    std::unique_ptr<UserDefaultsStore> m_defaults;
    std::unique_ptr<linux_::LinuxPlatform> m_platform;
    std::unique_ptr<ClipStore> m_clipStore;
    std::shared_ptr<index::FileIndex> m_index;
    std::unique_ptr<MetadataQueryFactory> m_metadata;
    std::unique_ptr<AppBundleSource> m_applicationSource;
    std::unique_ptr<AppCatalog> m_applications;
};

} // namespace zarvo::cli
