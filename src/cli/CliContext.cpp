#include "cli/CliContext.h"

#include "clipboard/ClipStore.h"
#include "files/AppCatalog.h"
#include "files/IndexMetadataQuery.h"
#include "platform/AppBundle.h"
#include "platform/Platform.h"
#include "platform/linux/FileDefaultsStore.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"

#include <algorithm>

namespace zarvo::cli {

namespace {
bool terminalOutput = false;
} // namespace

bool printsToTerminal() {
    return terminalOutput;
}

void setPrintsToTerminal(bool terminal) {
    terminalOutput = terminal;
}

QString shown(const QString& text, bool terminal) {
    const auto isControl = [](char16_t c) { return c < 0x20 || (c >= 0x7f && c <= 0x9f); };
    if (!terminal || std::none_of(text.begin(), text.end(), [&](QChar c) { return isControl(c.unicode()); }))
        return text;
    QString result;
    result.reserve(text.size() + 8);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!isControl(u))
            result += c;
        else if (u == 0x1b)
            result += QLatin1String("\\e");
        else if (u == '\n')
            result += QLatin1String("\\n");
        else if (u == '\t')
            result += QLatin1String("\\t");
        else if (u == '\r')
            result += QLatin1String("\\r");
        else if (u < 0x80)
            result += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            result += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
    }
    return result;
}

CliContext& CliContext::shared() {
    static CliContext context;
    return context;
}

CliContext::~CliContext() = default;

void CliContext::setUp(std::unique_ptr<CliPlatform> platform) {
    if (m_platform) return;
    m_platform = std::move(platform);
    Platform& bundle = m_platform->platform();
    m_defaults = std::make_unique<linux_::FileDefaultsStore>(
        linux_::FileDefaultsStore::defaultDirectory(*bundle.environment));
    bundle.defaults = m_defaults.get();
    Platform::setCurrent(bundle);
    migrateDefaultsFromQuenlark();
}

Platform& CliContext::platform() {
    return Platform::current();
}

Settings& CliContext::settings() {
    return Settings::shared();
}

bool CliContext::hasDisplay() const {
    return m_platform && m_platform->hasDisplay();
}

ClipStore* CliContext::clipStore() {
    if (!m_clipStore)
        m_clipStore =
            std::make_unique<ClipStore>(ClipStore::defaultDirectory(platform().environment), nullptr, false,
                                        ClipStore::Services::fromPlatform(platform(), &settings()));
    return m_clipStore.get();
}

MetadataQueryFactory* CliContext::metadata() {
    if (!m_metadata) {
        m_index = FileIndexSettings::openShared(platform());
        if (!m_index) return nullptr;
        m_metadata = std::make_unique<IndexMetadataQueryFactory>(m_index, applications());
        platform().metadata = m_metadata.get();
    }
    return m_metadata.get();
}

AppCatalog* CliContext::applications() {
    if (!m_applications) {
        m_applicationSource = newApplicationSource();
        m_applications = std::make_unique<AppCatalog>(m_applicationSource.get());
        m_applications->reload();
    }
    return m_applications.get();
}

std::unique_ptr<AppBundleSource> CliContext::newApplicationSource() {
    return m_platform->applicationSource();
}

SearchModel::Services CliContext::searchServices() {
    return SearchModel::Services{platform(),  settings(), History::shared(),     Favorites::shared(),
                                 clipStore(), metadata(), platform().pasteboard, applications()};
}

} // namespace zarvo::cli
