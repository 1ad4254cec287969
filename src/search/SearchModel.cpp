#include "search/SearchModel.h"

#include "files/AppCatalog.h"
#include "search/Text.h"

#include "clipboard/ClipStore.h"
#include "clipboard/Clipboard.h"
#include "files/AppCatalog.h"
#include "files/FolderAccess.h"
#include "files/SpotlightSearch.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/Platform.h"
#include "search/Fuzzy.h"
#include "search/Help.h"
#include "sources/NetworkPath.h"
#include "sources/PathInput.h"
#include "sources/ShellCommand.h"
#include "sources/Shortcuts.h"
#include "sources/WebSearch.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QThreadPool>

namespace zarvo {

namespace {

constexpr int kDebounceMs = 120;
constexpr int kClearConfirmationMs = 4000;
constexpr int kMergedFileRows = 60;

using Text::trimSpacesAndTabs;

using Text::words;

bool everyWordMatches(const QStringList& words, const QString& name) {
    for (const QString& word : words)
        if (!Fuzzy::wordScore(word, name)) return false;
    return true;
}

QDateTime now() {
    if (const Clock* clock = Platform::current().clock) return clock->now();
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

SearchModel::SearchModel(Services services, QObject* parent) : QObject(parent), m_services(services) {
    if (m_services.metadata) m_spotlight = std::make_unique<SpotlightSearch>(*m_services.metadata);
    if (const Environment* environment = Platform::current().environment)
        m_noise = Ranking::Noise(*environment);
    m_pendingSearch.setSingleShot(true);
    m_pendingSearch.setInterval(kDebounceMs);
    connect(&m_pendingSearch, &QTimer::timeout, this, &SearchModel::runSearch);
    m_clearTimeout.setSingleShot(true);
    m_clearTimeout.setInterval(kClearConfirmationMs);
}

SearchModel::~SearchModel() {
    if (m_spotlight) m_spotlight->cancel();
}

// --- Published state ---------------------------------------------------------------------------

void SearchModel::setQuery(const QString& text) {
    if (text == m_query) return;
    m_query = text;
    publish();
    onQueryChanged();
}

void SearchModel::onQueryChanged() {
    switch (m_mode) {
    case Mode::search:
        scheduleSearch();
        break;
    case Mode::actions:
        filterActions();
        break;
    case Mode::rename:
        break;
    case Mode::clips:
        // What an earlier key did ("Deleted …") is no longer about the rows a new filter lists.
        showClipsState();
        filterClips(std::nullopt);
        break;
    }
}

void SearchModel::setResults(const QList<ResultItem>& items) {
    m_results = items;
    if (m_selectedIndex >= int(m_results.size()))
        setSelectedIndex(m_results.isEmpty() ? 0 : int(m_results.size()) - 1);
    updateApps();
    publish();
}

void SearchModel::setSelectedIndex(int index) {
    if (index == m_selectedIndex) return;
    m_selectedIndex = index;
    m_pendingConfirmation.reset();
    updateApps();
    publish();
}

std::optional<ResultItem> SearchModel::selected() const {
    if (m_selectedIndex >= 0 && m_selectedIndex < int(m_results.size())) return m_results[m_selectedIndex];
    return std::nullopt;
}

void SearchModel::setMessage(const std::optional<QString>& text) {
    if (text == m_message) return;
    m_message = text;
    publish();
}

bool SearchModel::isShowingClips() const {
    return m_mode == Mode::clips ||
           ((m_mode == Mode::actions || m_mode == Mode::rename) && m_actionReturnMode == Mode::clips);
}

void SearchModel::updateApps() {
    // Listing a type's handlers reads the system's application database: left to apps(), which a
    // one-shot query from the command line never calls. Both callers publish the change.
    m_appsStale = true;
}

const QList<AppChoice>& SearchModel::apps() const {
    if (!m_appsStale) return m_apps;
    m_appsStale = false;
    m_apps.clear();
    // Browsers for a web address; for a file its applications, but none for an application's row: it
    // is run, not opened with something (candidates() knows the entries the catalogue does not list).
    if (auto item = selected()) {
        const QString scheme = item->url.scheme().toLower();
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
            m_apps = AppChoice::browsers(item->url);
        else if (item->url.isLocalFile() &&
                 !(m_services.applications && m_services.applications->contains(item->url.toLocalFile())))
            m_apps = AppChoice::candidates(*item);
    }
    return m_apps;
}

// --- The search pipeline ----------------------------------------------------------------------

void SearchModel::scheduleSearch() {
    m_pendingSearch.stop();
    setMessage(std::nullopt);
    m_pendingConfirmation.reset();
    setSelectedIndex(0);
    m_userMovedSelection = false;
    if (m_clipboardPrefill && *m_clipboardPrefill != m_query) m_clipboardPrefill.reset();

    const QString text = trimSpacesAndTabs(m_query);
    if (text.toLower().startsWith(QLatin1String("clip:"))) {
        openClips(trimSpacesAndTabs(text.mid(5)));
        return;
    }
    const bool immediate = text.isEmpty() || PathInput::looksLikePath(text) || ShellCommand::parse(text) ||
                           NetworkPath::url(text) || WebSearch::parse(text) ||
                           text.startsWith(QLatin1Char('?')) ||
                           text.compare(QLatin1String("help"), Qt::CaseInsensitive) == 0;
    if (immediate)
        runSearch();
    else
        m_pendingSearch.start();
}

void SearchModel::runSearch() {
    cancelSearches();

    const QString text = m_query.trimmed();
    if (text.isEmpty()) {
        setResults(libraryItems(std::nullopt));
        return;
    }
    if (auto command = ShellCommand::parse(text)) {
        setResults(commandItems(*command));
        return;
    }
    if (auto url = NetworkPath::url(text)) {
        setResults({ResultItem::network(*url, ResultItem::Source::network)});
        return;
    }
    if (auto match = WebSearch::parse(text)) {
        if (auto item = match->engine.item(match->text, ResultItem::Source::web)) {
            setResults({*item});
            return;
        }
    }
    const QString lower = text.toLower();
    if (lower.startsWith(QLatin1String("http://")) || lower.startsWith(QLatin1String("https://"))) {
        if (auto url = PathInput::webURL(text)) {
            setResults({webItem(*url, ResultItem::Source::web)});
            return;
        }
    }
    if (PathInput::looksLikePath(text)) {
        setResults(PathInput::completions(text, m_services.settings.showHiddenFiles()));
        return;
    }
    if (text == QLatin1String("??")) {
        setResults(Shortcuts::matches(QStringLiteral("?"), ResultItem::Source::shortcut));
        return;
    }
    if (text.startsWith(QLatin1Char('?')) || lower == QLatin1String("help")) {
        setResults(Help::rows(text));
        return;
    }

    // A file search, with the keyword, library and web rows shown while it runs.
    const SearchQuery q = SearchQuery::parse(text, now());
    if (q.unknownScope) {
        setResults({});
        setMessage(QStringLiteral("No folder named \u201C") + *q.unknownScope +
                   QStringLiteral("\u201D. Try in:desktop, in:downloads or in:~/path"));
        return;
    }
    if (q.scope && q.term.isEmpty() && q.contentTypes.isEmpty() && !q.since) {
        setResults(
            PathInput::completions(*q.scope + QLatin1Char('/'), m_services.settings.showHiddenFiles()));
        return;
    }
    QList<ResultItem> baseList;
    QList<ResultItem> fallback;
    if (!q.hasFilters()) {
        if (auto url = PathInput::webURL(text)) baseList << webItem(*url, ResultItem::Source::web);
        baseList += Shortcuts::matches(text, ResultItem::Source::shortcut);
        baseList += libraryItems(text);
        if (asksForClipboardHistory(lower)) baseList << ResultItem::clipboardHistory(clipCount());
        if (!WebSearch::engines().isEmpty())
            if (auto item = WebSearch::engines().first().item(text, ResultItem::Source::web))
                fallback << *item;
    }
    const QList<ResultItem> base = unique(baseList, m_services.applications);
    setResults(unique(base + fallback, m_services.applications));

    if (m_spotlight && (q.hasFilters() || q.term.size() >= 2)) startFileSearch(text, q, base, fallback);
}

void SearchModel::startFileSearch(const QString& text, const SearchQuery& q, const QList<ResultItem>& base,
                                  const QList<ResultItem>& fallback) {
    m_isSearching = true;
    publish();
    const QHash<QString, double> frecency = m_services.history.frecencyTable();
    const QStringList favoriteKeys = m_services.favorites.keys();
    const QSet<QString> favorites(favoriteKeys.begin(), favoriteKeys.end());
    const quint64 generation = m_searchGeneration;
    QPointer<SearchModel> self(this);
    m_spotlight->search(q, [self, generation, text, q, base, fallback, frecency,
                            favorites](const QStringList& paths, bool finished) {
        if (!self || self->m_searchGeneration != generation) return;
        self->mergeFileResults(text, q, base, fallback, frecency, favorites, paths, finished);
    });
}

void SearchModel::mergeFileResults(const QString& text, const SearchQuery& q, const QList<ResultItem>& base,
                                   const QList<ResultItem>& fallback, const QHash<QString, double>& frecency,
                                   const QSet<QString>& favorites, const QStringList& paths, bool finished) {
    if (m_mode != Mode::search || m_query.trimmed() != text) return;
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

    const auto boost = [&](const QString& path) {
        int value = 0;
        if (auto it = frecency.constFind(path); it != frecency.constEnd())
            value += int(std::min(*it, 400.0) / 10.0);
        if (favorites.contains(path)) value += 30;
        return value;
    };
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
        files << ResultItem::file(path, ResultItem::Source::spotlight);
    }

    std::optional<ResultItem> remembered;
    if (m_userMovedSelection) remembered = selected();
    setResults(unique(base + files + fallback, applications));
    bool kept = false;
    if (remembered) {
        const int index = int(m_results.indexOf(*remembered));
        if (index >= 0) {
            setSelectedIndex(index);
            kept = true;
        }
    }
    if (!kept && !m_userMovedSelection) setSelectedIndex(0);
    if (finished && m_isSearching) {
        m_isSearching = false;
        publish();
    }
}

QList<ResultItem> SearchModel::unique(const QList<ResultItem>& items) {
    return unique(items, nullptr);
}

QList<ResultItem> SearchModel::unique(const QList<ResultItem>& items, const AppCatalog* applications) {
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

QList<ResultItem> SearchModel::libraryItems(const std::optional<QString>& text) const {
    const QList<History::Entry> ranked = m_services.history.byFrecency();
    if (!text) {
        QList<ResultItem> favorites;
        for (const QString& key : m_services.favorites.keys())
            if (auto item = resolve(key, ResultItem::Source::favorite)) favorites << *item;
        QList<ResultItem> clipboard;
        if (m_services.clips) {
            for (const QString& value : m_services.clips->recentPathsAndLinks(5)) {
                if (value.startsWith(QLatin1Char('/'))) {
                    if (auto item = ResultItem::existingFile(value, ResultItem::Source::clipboard))
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
            haystack = PathInput::abbreviatingWithTilde(item.url.toLocalFile());
        else
            haystack = QStringLiteral("Open in browser");
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

QList<ResultItem> SearchModel::commandItems(const QString& command) const {
    const QStringList commandWords = words(command);
    QList<ResultItem> past;
    for (const auto& entry : m_services.history.byFrecency()) {
        if (past.size() >= 10) break;
        if (!entry.key.startsWith(QLatin1String("run:"))) continue;
        const QString previous = entry.key.mid(4);
        if (!command.isEmpty() && (previous == command || !everyWordMatches(commandWords, previous)))
            continue;
        past << ResultItem::commandItem(previous, ResultItem::Source::history);
    }
    if (command.isEmpty()) return past;
    return QList<ResultItem>{ResultItem::commandItem(command, ResultItem::Source::command)} + past;
}

std::optional<ResultItem> SearchModel::resolve(const QString& key, ResultItem::Source source) const {
    if (key.startsWith(QLatin1String("shortcut:"))) return Shortcuts::itemForKeyword(key.mid(9), source);
    if (key.startsWith(QLatin1String("run:"))) return ResultItem::commandItem(key.mid(4), source);
    if (key == ResultItem::clipsURL().toString(QUrl::FullyEncoded)) {
        ResultItem item = ResultItem::clipboardHistory(clipCount());
        item.source = source;
        return item;
    }
    // Most keys are absolute paths, which neither a share nor a web address can be: go straight to the
    // file test (this runs for the 150 most frecent keys on every keystroke).
    if (key.startsWith(QLatin1Char('/'))) {
        if (m_services.applications)
            if (auto app = m_services.applications->item(key, source)) return app;
        return ResultItem::existingFile(key, source);
    }
    if (auto url = NetworkPath::url(key)) return ResultItem::network(*url, source);
    if (auto url = PathInput::webURL(key)) return webItem(*url, source);
    if (!key.isEmpty()) return ResultItem::existingFile(key, source);
    return std::nullopt;
}

void SearchModel::move(int delta) {
    if (m_results.isEmpty()) return;
    m_userMovedSelection = true;
    const qint64 target = qint64(m_selectedIndex) + delta;
    setSelectedIndex(int(std::clamp<qint64>(target, 0, m_results.size() - 1)));
}

void SearchModel::complete() {
    const auto item = selected();
    if (!item || !item->url.isLocalFile()) return;
    const QString path = item->url.toLocalFile();
    QString text = (!m_query.startsWith(QLatin1Char('~')) && PathInput::looksLikePath(m_query))
                       ? path
                       : PathInput::abbreviatingWithTilde(path);
    if (item->isDirectory && !text.endsWith(QLatin1Char('/'))) text += QLatin1Char('/');
    setQuery(text);
    setSelectedIndex(0);
}

std::optional<QString> SearchModel::prefillFromPasteboard() const {
    if (!m_services.settings.prefillFromClipboard() || !m_services.pasteboard) return std::nullopt;
    return Clipboard::prefillText(*m_services.pasteboard);
}

void SearchModel::prepareForShow(bool clips) {
    if (isShowingClips())
        setQuery(QString());
    else if (m_mode != Mode::search)
        setQuery(m_savedQuery);
    // The mode changes only after the text is restored, so the text change above runs no search of
    // the old mode's kind; the search below covers it.
    m_pendingSearch.stop();
    m_mode = Mode::search;
    m_actionReturnMode = Mode::search;
    m_actionTarget.reset();
    setMessage(std::nullopt);
    m_pendingConfirmation.reset();
    refreshFolderAccess();
    m_clipboardPrefill.reset();
    cancelClearConfirmation();
    publish();
    if (clips) {
        openClips(QString());
        return;
    }
    if (auto text = prefillFromPasteboard()) {
        m_clipboardPrefill = *text;
        setQuery(*text);
    }
    runSearch();
    setSelectedIndex(0);
    focus(false, false);
}

void SearchModel::restoreSearch() {
    m_mode = m_actionReturnMode;
    m_actionReturnMode = Mode::search;
    std::optional<QUuid> clipID;
    if (m_actionTarget) clipID = m_actionTarget->clipID;
    m_actionTarget.reset();
    std::optional<ResultItem> remembered;
    if (m_query != m_savedQuery) remembered = selected();
    setQuery(m_savedQuery);
    if (m_mode == Mode::clips)
        filterClips(clipID);
    else
        runSearch();
    if (remembered) {
        const int index = int(m_results.indexOf(*remembered));
        if (index >= 0) setSelectedIndex(index);
    }
    focus(false, false);
}

void SearchModel::focus(bool baseName, bool caretAtEnd) {
    m_selectBaseNameOnFocus = baseName;
    m_caretAtEndOnFocus = caretAtEnd;
    ++m_focusToken;
    publish();
}

void SearchModel::refreshFolderAccess() {
    QPointer<SearchModel> self(this);
    // Where the folders are is asked of the platform here; only listing them happens off the main thread.
    const auto places = FolderAccess::places();
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

// --- The clipboard tab ------------------------------------------------------------------------

int SearchModel::clipCount() const {
    return m_services.clips ? int(m_services.clips->clips().size()) : 0;
}

void SearchModel::switchTab(Tab tab) {
    if (m_mode == Mode::actions || m_mode == Mode::rename) restoreSearch();
    if (tab == Tab::run) {
        if (m_mode == Mode::clips) leaveClips();
        return;
    }
    if (m_mode != Mode::search) return;
    if (m_clipboardPrefill && *m_clipboardPrefill == m_query)
        openClips(QString());
    else
        openClips(m_query);
}

void SearchModel::openClips(const QString& text) {
    cancelSearches();
    if (m_services.clips) m_services.clips->poll();
    observeClips();
    cancelClearConfirmation();
    m_clipboardPrefill.reset();
    m_pendingConfirmation.reset();
    showClipsState();
    m_mode = Mode::clips;
    // Set the text without running the clips-mode change handling twice.
    m_query = text;
    filterClips(std::nullopt);
    focus(false, !text.isEmpty());
}

void SearchModel::showClipsState() {
    if (!m_services.settings.keepClipboardHistory())
        setMessage(QStringLiteral("Clipboard history is off. Turn it on in Settings (\u2318,)"));
    else
        setMessage(std::nullopt);
}

void SearchModel::leaveClips() {
    cancelClearConfirmation();
    m_mode = Mode::search;
    setMessage(std::nullopt);
    QString text = m_query;
    if (text.toLower().startsWith(QLatin1String("clip:"))) text = text.mid(5).trimmed();
    bool prefilled = false;
    if (text.isEmpty()) {
        if (auto prefill = prefillFromPasteboard()) {
            m_clipboardPrefill = *prefill;
            text = *prefill;
            prefilled = true;
        }
    }
    m_query = text;
    m_pendingSearch.stop();
    runSearch();
    setSelectedIndex(0);
    focus(false, !prefilled);
}

void SearchModel::filterClips(const std::optional<QUuid>& keeping) {
    QString filter = trimSpacesAndTabs(m_query);
    if (filter.toLower().startsWith(QLatin1String("clip:"))) filter = filter.mid(5);
    QList<ResultItem> rows;
    if (m_services.clips)
        for (const Clip& clip : m_services.clips->matching(filter))
            rows << ResultItem::clip(clip);
    setResults(rows);
    int index = 0;
    if (keeping) {
        for (int i = 0; i < rows.size(); ++i) {
            if (rows[i].clipID == keeping) {
                index = i;
                break;
            }
        }
    }
    setSelectedIndex(index);
}

void SearchModel::observeClips() {
    if (m_clipsObserved || !m_services.clips) return;
    m_clipsObserved = true;
    connect(
        m_services.clips, &ClipStore::clipsChanged, this,
        [this] {
            if (m_mode != Mode::clips) return;
            std::optional<QUuid> keep;
            if (auto item = selected()) keep = item->clipID;
            filterClips(keep);
        },
        Qt::QueuedConnection);
}

std::optional<Clip> SearchModel::clip(const std::optional<ResultItem>& item) const {
    const auto row = item ? item : selected();
    if (!row || !row->clipID || !m_services.clips) return std::nullopt;
    for (const Clip& clip : m_services.clips->clips())
        if (clip.id == *row->clipID) return clip;
    return std::nullopt;
}

std::optional<Clip> SearchModel::selectedClip() const {
    return clip(std::nullopt);
}

void SearchModel::cancelClearConfirmation() {
    m_clearTimeout.stop();
    if (m_confirmingClear) {
        m_confirmingClear = false;
        publish();
    }
}

void SearchModel::filterActions() {
    const QString filter = trimSpacesAndTabs(m_query);
    if (filter.isEmpty()) {
        m_actions = m_allActions;
    } else {
        QList<QPair<int, int>> scored; // score, index in allActions
        for (int i = 0; i < m_allActions.size(); ++i)
            if (auto score = Fuzzy::score(filter, m_allActions[i].title)) scored.append({*score, i});
        std::stable_sort(scored.begin(), scored.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        m_actions.clear();
        for (const auto& entry : scored)
            m_actions << m_allActions[entry.second];
    }
    m_actionIndex = 0;
    publish();
}

} // namespace zarvo
