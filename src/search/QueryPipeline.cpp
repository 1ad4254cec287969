#include "search/QueryPipeline.h"

#include "clipboard/ClipStore.h"
#include "clipboard/Clipboard.h"
#include "files/AppCatalog.h"
#include "files/FolderAccess.h"
#include "files/SpotlightSearch.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/HotKeyFormat.h"
#include "platform/Platform.h"
#include "search/ClipboardTab.h"
#include "search/Fuzzy.h"
#include "search/Help.h"
#include "search/PanelModes.h"
#include "search/SearchModel.h"
#include "search/Text.h"
#include "sources/NetworkPath.h"
#include "sources/PathInput.h"
#include "sources/ShellCommand.h"
#include "sources/Shortcuts.h"
#include "sources/WebSearch.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

namespace zarvo {

namespace {

constexpr int kDebounceMs = 120;
constexpr int kMergedFileRows = 60;

using Text::trimSpacesAndTabs;

using Text::words;

// The user's keywords and the built-ins they leave.
QList<Shortcut> keywords(const QueryPipeline::Services& services) {
    return Shortcuts::all(services.platform, services.settings.customShortcuts());
}

bool everyWordMatches(const QStringList& words, const QString& name) {
    for (const QString& word : words)
        if (!Fuzzy::wordScore(word, name)) return false;
    return true;
}

QDateTime now(const Clock* clock) {
    if (clock) return clock->now();
    return QDateTime::currentDateTime();
}

ResultItem webItem(const QUrl& url, ResultItem::Source source) {
    ResultItem item;
    item.url = url;
    item.source = source;
    return item;
}

// The words that open the clipboard history row from the run tab.
bool asksForClipboardHistory(const QString& lower) {
    static const QStringList names = {QStringLiteral("clip"),          QStringLiteral("clips"),
                                      QStringLiteral("clipboard"),     QStringLiteral("clipboard history"),
                                      QStringLiteral("paste history"), QStringLiteral("copied")};
    for (const QString& name : names)
        if (lower == name || (lower.size() >= 5 && name.startsWith(lower))) return true;
    return false;
}

} // namespace

QueryPipeline::QueryPipeline(SearchModel& model, Services services) : m(model), m_services(services) {
    if (m_services.metadata) m_spotlight = std::make_unique<SpotlightSearch>(*m_services.metadata);
    if (const Environment* environment = m_services.platform.environment)
        m_noise = Ranking::Noise(*environment);
    m_pendingSearch.setSingleShot(true);
    m_pendingSearch.setInterval(kDebounceMs);
    QObject::connect(&m_pendingSearch, &QTimer::timeout, &m, [this] { runSearch(); });
}

QueryPipeline::~QueryPipeline() {
    if (m_spotlight) m_spotlight->cancel();
}

void QueryPipeline::queryChanged() {
    switch (m.m_mode) {
    case SearchModel::Mode::search:
        scheduleSearch();
        break;
    case SearchModel::Mode::actions:
        m.modes().filterActions();
        break;
    case SearchModel::Mode::rename:
        break;
    case SearchModel::Mode::clips:
        // What an earlier key did ("Deleted …") is no longer about the rows a new filter lists.
        m.clipboardTab().showClipsState();
        m.clipboardTab().filterClips(std::nullopt);
        break;
    }
}

void QueryPipeline::scheduleSearch() {
    m_pendingSearch.stop();
    m.setMessage(std::nullopt);
    m.m_pendingConfirmation.reset();
    m.setSelectedIndex(0);
    m.m_userMovedSelection = false;
    if (m.m_clipboardPrefill && *m.m_clipboardPrefill != m.m_query) m.m_clipboardPrefill.reset();

    const QString text = trimSpacesAndTabs(m.m_query);
    if (text.toLower().startsWith(QLatin1String("clip:"))) {
        m.clipboardTab().openClips(trimSpacesAndTabs(text.mid(5)));
        return;
    }
    const bool immediate = text.isEmpty() || PathInput::looksLikePath(text) || ShellCommand::parse(text) ||
                           NetworkPath::url(text) || WebSearch::parse(text) || Help::isHelpQuery(text);
    if (immediate)
        runSearch();
    else
        m_pendingSearch.start();
}

void QueryPipeline::runSearch() {
    cancelSearches();

    const QString text = m.m_query.trimmed();
    if (text.isEmpty()) {
        m.setResults(libraryItems(std::nullopt));
        return;
    }
    if (auto command = ShellCommand::parse(text)) {
        m.setResults(commandItems(*command));
        return;
    }
    if (auto url = NetworkPath::url(text)) {
        m.setResults({ResultItem::network(*url, ResultItem::Source::network)});
        return;
    }
    if (auto match = WebSearch::parse(text)) {
        if (auto item = match->engine.item(match->text, ResultItem::Source::web)) {
            m.setResults({*item});
            return;
        }
    }
    const QString lower = text.toLower();
    if (lower.startsWith(QLatin1String("http://")) || lower.startsWith(QLatin1String("https://"))) {
        if (auto url = PathInput::webURL(text)) {
            m.setResults({webItem(*url, ResultItem::Source::web)});
            return;
        }
    }
    if (PathInput::looksLikePath(text)) {
        m.setResults(
            PathInput::completions(m_services.platform, text, m_services.settings.showHiddenFiles()));
        return;
    }
    if (text == QLatin1String("??")) {
        m.setResults(Shortcuts::matches(m_services.platform, QStringLiteral("?"),
                                        ResultItem::Source::shortcut, keywords(m_services)));
        return;
    }
    if (Help::isHelpQuery(text)) {
        m.setResults(
            Help::rows(HelpContext{m_services.platform, m_services.settings, m_services.hotKeys}, text));
        return;
    }

    // A file search, with the keyword, library and web rows shown while it runs.
    const SearchQuery q = SearchQuery::parse(m_services.platform, text, now(m_services.platform.clock));
    if (q.unknownScope) {
        m.setResults({});
        m.setMessage(tr("No folder named \u201C%1\u201D. Try in:desktop, in:downloads or in:~/path")
                         .arg(*q.unknownScope));
        return;
    }
    if (q.scope && q.term.isEmpty() && q.contentTypes.isEmpty() && !q.since) {
        m.setResults(PathInput::completions(m_services.platform, *q.scope + QLatin1Char('/'),
                                            m_services.settings.showHiddenFiles()));
        return;
    }
    QList<ResultItem> baseList;
    QList<ResultItem> fallback;
    if (!q.hasFilters()) {
        if (auto url = PathInput::webURL(text)) baseList << webItem(*url, ResultItem::Source::web);
        baseList +=
            Shortcuts::matches(m_services.platform, text, ResultItem::Source::shortcut, keywords(m_services));
        baseList += libraryItems(text);
        if (asksForClipboardHistory(lower)) baseList << clipsRow();
        if (!WebSearch::engines().isEmpty())
            if (auto item = WebSearch::engines().first().item(text, ResultItem::Source::web))
                fallback << *item;
    }
    const QList<ResultItem> base = unique(baseList, m_services.applications);
    m.setResults(unique(base + fallback, m_services.applications));

    if (m_spotlight && (q.hasFilters() || q.term.size() >= 2)) startFileSearch(text, q, base, fallback);
}

void QueryPipeline::startFileSearch(const QString& text, const SearchQuery& q, const QList<ResultItem>& base,
                                    const QList<ResultItem>& fallback) {
    m.m_isSearching = true;
    m.publish();
    const QHash<QString, double> frecency = m_services.history.frecencyTable();
    const QStringList favoriteKeys = m_services.favorites.keys();
    const QSet<QString> favorites(favoriteKeys.begin(), favoriteKeys.end());
    const quint64 generation = m_searchGeneration;
    // The pipeline lives as long as its model.
    QPointer<SearchModel> model(&m);
    m_spotlight->search(q, [this, model, generation, text, q, base, fallback, frecency,
                            favorites](const QStringList& paths, bool finished) {
        if (!model || m_searchGeneration != generation) return;
        mergeFileResults(text, q, base, fallback, frecency, favorites, paths, finished);
    });
}

void QueryPipeline::mergeFileResults(const QString& text, const SearchQuery& q, const QList<ResultItem>& base,
                                     const QList<ResultItem>& fallback,
                                     const QHash<QString, double>& frecency, const QSet<QString>& favorites,
                                     const QStringList& paths, bool finished) {
    if (m.m_mode != SearchModel::Mode::search || m.m_query.trimmed() != text) return;
    const AppCatalog* applications = m_services.applications;
    QSet<QString> baseKeys;
    for (const auto& item : base) {
        baseKeys.insert(item.historyKey());
        // A keyword row that opens an application stands for it: the found row would repeat it.
        if (applications && item.url.isLocalFile() && applications->contains(item.url.toLocalFile()))
            baseKeys.insert(item.url.toLocalFile());
    }
    QStringList candidates;
    for (const QString& path : paths)
        if (!baseKeys.contains(path)) candidates << path;

    const auto boost = Ranking::pipelineBoost(frecency, favorites);
    Ranking::ApplicationLookup lookup;
    if (applications)
        lookup = [applications](const QString& path) -> std::optional<Ranking::ApplicationNames> {
            const auto names = applications->rankingNames(path);
            if (!names) return std::nullopt;
            return Ranking::ApplicationNames{names->names, names->exactCount, names->ownCount};
        };
    // Ranked against the text searched ("*d*w*n*l*" looks for dwnl): against the raw text, the names
    // found would lack the stars and every one would be dropped.
    QStringList ranked =
        Ranking::rank(candidates, SpotlightSearch::searchedText(q.term), boost, lookup, &m_noise);
    if (ranked.size() > kMergedFileRows) ranked.resize(kMergedFileRows);

    QList<ResultItem> files;
    for (const QString& path : ranked) {
        if (applications)
            if (auto app = applications->item(path, ResultItem::Source::spotlight)) {
                files << *app;
                continue;
            }
        files << ResultItem::file(m_services.platform.workspace, path, ResultItem::Source::spotlight);
    }

    std::optional<ResultItem> remembered;
    if (m.m_userMovedSelection) remembered = m.selected();
    m.setResults(unique(base + files + fallback, applications));
    bool kept = false;
    if (remembered) {
        const int index = int(m.m_results.indexOf(*remembered));
        if (index >= 0) {
            m.setSelectedIndex(index);
            kept = true;
        }
    }
    if (!kept && !m.m_userMovedSelection) m.setSelectedIndex(0);
    if (finished && m.m_isSearching) {
        m.m_isSearching = false;
        m.publish();
    }
}

QList<ResultItem> QueryPipeline::unique(const QList<ResultItem>& items, const AppCatalog* applications) {
    QList<ResultItem> out;
    QSet<QString> seen;
    QSet<QString> seenApplications;
    for (const auto& item : items) {
        const QString key = item.historyKey();
        if (seen.contains(key)) continue;
        if (applications && item.url.isLocalFile()) {
            const QString location = item.url.toLocalFile();
            if (applications->contains(location)) {
                if (seenApplications.contains(location)) continue;
                seenApplications.insert(location);
            }
        }
        seen.insert(key);
        out << item;
    }
    return out;
}

QList<ResultItem> QueryPipeline::libraryItems(const std::optional<QString>& text) const {
    const QList<History::Entry> ranked = m_services.history.byFrecency();
    if (!text) {
        QList<ResultItem> favorites;
        for (const QString& key : m_services.favorites.keys())
            if (auto item = resolve(key, ResultItem::Source::favorite)) favorites << *item;
        QList<ResultItem> clipboard;
        if (m_services.clips) {
            for (const QString& value : m_services.clips->recentPathsAndLinks(5)) {
                if (value.startsWith(QLatin1Char('/'))) {
                    if (auto item = ResultItem::existingFile(m_services.platform.workspace, value,
                                                             ResultItem::Source::clipboard))
                        clipboard << *item;
                } else if (auto url = PathInput::webURL(value)) {
                    clipboard << webItem(*url, ResultItem::Source::clipboard);
                }
            }
        }
        QList<ResultItem> history;
        for (int i = 0; i < ranked.size() && i < 40; ++i)
            if (auto item = resolve(ranked[i].key, ResultItem::Source::history)) history << *item;
        return unique(favorites + clipboard + history, m_services.applications);
    }

    const QStringList textWords = words(*text);
    const auto matches = [&](const ResultItem& item) {
        if (everyWordMatches(textWords, item.name())) return true;
        QString haystack;
        if (item.subtitle)
            haystack = *item.subtitle;
        else if (item.url.isLocalFile())
            haystack =
                PathInput::abbreviatingWithTilde(m_services.platform.environment, item.url.toLocalFile());
        else
            haystack = QCoreApplication::translate("FileOperations", "Open in browser");
        return haystack.contains(*text, Qt::CaseInsensitive);
    };
    // A path key's row is matched before the file test: its name and path do not depend on the file
    // system, and most of the 150 keys looked at on each keystroke do not match.
    const auto matching = [&](const QString& key, ResultItem::Source source) -> std::optional<ResultItem> {
        // An application is matched by its name, not by its entry's file name.
        if (m_services.applications && m_services.applications->contains(key)) {
            auto item = m_services.applications->item(key, source);
            if (item && matches(*item)) return item;
            return std::nullopt;
        }
        if (key.startsWith(QLatin1Char('/'))) {
            ResultItem provisional;
            provisional.url = QUrl::fromLocalFile(key);
            return matches(provisional) ? resolve(key, source) : std::nullopt;
        }
        auto item = resolve(key, source);
        if (item && matches(*item)) return item;
        return std::nullopt;
    };
    QList<ResultItem> out;
    for (const QString& key : m_services.favorites.keys())
        if (auto item = matching(key, ResultItem::Source::favorite)) out << *item;
    int historyMatches = 0;
    for (int i = 0; i < ranked.size() && i < 150 && historyMatches < 10; ++i) {
        if (auto item = matching(ranked[i].key, ResultItem::Source::history)) {
            out << *item;
            ++historyMatches;
        }
    }
    return unique(out, m_services.applications);
}

QList<ResultItem> QueryPipeline::commandItems(const QString& command) const {
    const QStringList commandWords = words(command);
    QList<ResultItem> past;
    for (const auto& entry : m_services.history.byFrecency()) {
        if (past.size() >= 10) break;
        if (!entry.key.startsWith(QLatin1String("run:"))) continue;
        const QString previous = entry.key.mid(4);
        if (!command.isEmpty() && (previous == command || !everyWordMatches(commandWords, previous)))
            continue;
        past << ResultItem::commandItem(m_services.platform.workspace, previous, ResultItem::Source::history);
    }
    if (command.isEmpty()) return past;
    return QList<ResultItem>{
               ResultItem::commandItem(m_services.platform.workspace, command, ResultItem::Source::command)} +
           past;
}

std::optional<ResultItem> QueryPipeline::resolve(const QString& key, ResultItem::Source source) const {
    if (key.startsWith(QLatin1String("shortcut:")))
        return Shortcuts::itemForKeyword(m_services.platform, key.mid(9), source, keywords(m_services));
    if (key.startsWith(QLatin1String("run:")))
        return ResultItem::commandItem(m_services.platform.workspace, key.mid(4), source);
    if (key == ResultItem::clipsURL().toString(QUrl::FullyEncoded)) {
        ResultItem item = clipsRow();
        item.source = source;
        return item;
    }
    // Most keys are absolute paths, which neither a share nor a web address can be: go straight to the
    // file test (this runs for the 150 most frecent keys on every keystroke).
    if (key.startsWith(QLatin1Char('/'))) {
        if (m_services.applications)
            if (auto app = m_services.applications->item(key, source)) return app;
        return ResultItem::existingFile(m_services.platform.workspace, key, source);
    }
    if (auto url = NetworkPath::url(key)) return ResultItem::network(*url, source);
    if (auto url = PathInput::webURL(key)) return webItem(*url, source);
    if (!key.isEmpty()) return ResultItem::existingFile(m_services.platform.workspace, key, source);
    return std::nullopt;
}

void QueryPipeline::move(int delta) {
    if (m.m_results.isEmpty()) return;
    m.m_userMovedSelection = true;
    const qint64 target = qint64(m.m_selectedIndex) + delta;
    m.setSelectedIndex(int(std::clamp<qint64>(target, 0, m.m_results.size() - 1)));
}

void QueryPipeline::complete() {
    const auto item = m.selected();
    if (!item || !item->url.isLocalFile()) return;
    const QString path = item->url.toLocalFile();
    QString text = (!m.m_query.startsWith(QLatin1Char('~')) && PathInput::looksLikePath(m.m_query))
                       ? path
                       : PathInput::abbreviatingWithTilde(m_services.platform.environment, path);
    if (item->isDirectory && !text.endsWith(QLatin1Char('/'))) text += QLatin1Char('/');
    m.setQuery(text);
    m.setSelectedIndex(0);
}

std::optional<QString> QueryPipeline::prefillFromPasteboard() const {
    if (!m_services.settings.prefillFromClipboard() || !m_services.pasteboard) return std::nullopt;
    return Clipboard::prefillText(m_services.platform, *m_services.pasteboard);
}

void QueryPipeline::setShowsFileSearchProgress(bool shows) {
    if (m_spotlight) m_spotlight->reportsProgress = shows;
}

void QueryPipeline::refreshFolderAccess() {
    QPointer<SearchModel> self(&m);
    // Where the folders are is asked of the platform here; only listing them happens off the main thread.
    const auto places = FolderAccess::places(m_services.platform);
    QThreadPool::globalInstance()->start([self, places] {
        const QStringList denied = FolderAccess::deniedAmong(places);
        QMetaObject::invokeMethod(
            qApp,
            [self, denied] {
                if (!self || self->m_deniedFolders == denied) return;
                self->m_deniedFolders = denied;
                self->publish();
            },
            Qt::QueuedConnection);
    });
}

ResultItem QueryPipeline::clipsRow() const {
    const Settings& settings = m_services.settings;
    return ResultItem::clipboardHistory(
        m_services.clips ? int(m_services.clips->clips().size()) : 0,
        HotKeyFormat::display(settings.clipHotKeyModifiers(), settings.clipHotKeyLabel()));
}

void QueryPipeline::cancelSearches() {
    m_pendingSearch.stop();
    if (m_spotlight) m_spotlight->cancel();
    ++m_searchGeneration;
    if (m.m_isSearching) {
        m.m_isSearching = false;
        m.publish();
    }
}

} // namespace zarvo
