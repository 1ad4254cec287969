#include "search/PanelModes.h"

#include "search/ClipboardTab.h"
#include "search/FileOperations.h"
#include "search/Fuzzy.h"
#include "search/Help.h"
#include "search/PanelShell.h"
#include "search/QueryPipeline.h"
#include "search/ResultActions.h"
#include "search/SearchModel.h"
#include "search/Text.h"
#include "sources/PathInput.h"
#include "store/Favorites.h"
#include "store/History.h"

namespace zarvo {

namespace {

constexpr int kClearConfirmationMs = 4000;

using Text::quoted;
using Text::trimSpacesAndTabs;

} // namespace

PanelModes::PanelModes(SearchModel& model, const PanelShell& shell, Services services)
    : m(model), m_shell(shell), m_services(services) {
    m_clearTimeout.setSingleShot(true);
    m_clearTimeout.setInterval(kClearConfirmationMs);
    // Found by tests, which fire it early instead of waiting.
    m_clearTimeout.setObjectName(QStringLiteral("clearConfirmation"));
    m_clearTimeout.setParent(&model);
}

void PanelModes::focus(bool baseName, bool caretAtEnd) {
    m.m_focus.selectBaseName = baseName;
    m.m_focus.caretAtEnd = caretAtEnd;
    ++m.m_focus.token;
    m.publish();
}

void PanelModes::prepareForShow(bool clips) {
    if (m.isShowingClips())
        m.setQuery(QString());
    else if (m.m_mode != SearchModel::Mode::search)
        m.setQuery(m.m_savedQuery);
    // The mode changes only after the text is restored, so the text change above runs no search of
    // the old mode's kind; the search below covers it.
    m.pipeline().stopPendingSearch();
    m.m_mode = SearchModel::Mode::search;
    m.m_actionReturnMode = SearchModel::Mode::search;
    m.m_actionTarget.reset();
    m.setMessage(std::nullopt);
    m.m_pendingConfirmation.reset();
    m.pipeline().refreshFolderAccess();
    m.m_clipboardPrefill.reset();
    cancelClearConfirmation();
    m.publish();
    if (clips) {
        m.clipboardTab().openClips(QString());
        return;
    }
    if (auto text = m.pipeline().prefillFromPasteboard()) {
        m.m_clipboardPrefill = *text;
        m.setQuery(*text);
    }
    m.pipeline().runSearch();
    m.setSelectedIndex(0);
    focus(false, false);
}

void PanelModes::restoreSearch() {
    m.m_mode = m.m_actionReturnMode;
    m.m_actionReturnMode = SearchModel::Mode::search;
    std::optional<QUuid> clipID;
    if (m.m_actionTarget) clipID = m.m_actionTarget->clipID;
    m.m_actionTarget.reset();
    std::optional<ResultItem> remembered;
    if (m.m_query != m.m_savedQuery) remembered = m.selected();
    m.setQuery(m.m_savedQuery);
    if (m.m_mode == SearchModel::Mode::clips)
        m.clipboardTab().filterClips(clipID);
    else
        m.pipeline().runSearch();
    if (remembered) {
        const int index = int(m.m_results.indexOf(*remembered));
        if (index >= 0) m.setSelectedIndex(index);
    }
    focus(false, false);
}

// --- The actions menu --------------------------------------------------------------------------------

void PanelModes::showActions(const std::optional<ResultItem>& item) {
    std::optional<ResultItem> chosen;
    if (m.m_mode == SearchModel::Mode::search || m.m_mode == SearchModel::Mode::clips)
        chosen =
            item ? item : (m.m_mode == SearchModel::Mode::clips ? m.selected() : m.resultActions().target());
    if (!chosen || chosen->source == ResultItem::Source::help) {
        m.refuse(tr("Select a result first"));
        return;
    }
    m.pipeline().cancelSearches();
    m.m_actionTarget = chosen;
    m_allActions = m.resultActions().buildActions(*chosen);
    m.m_actionReturnMode = m.m_mode;
    m.m_savedQuery = m.m_query;
    m.m_mode = SearchModel::Mode::actions;
    m.setQuery(QString());
    filterActions();
    focus(false, false);
}

void PanelModes::performAction(int index) {
    if (index < 0 || index >= int(m.m_actions.size())) return;
    const ItemAction action = m.m_actions[index];
    restoreSearch();
    if (action.perform) action.perform();
}
void PanelModes::moveActionIndex(int delta) {
    m.m_actionIndex = std::clamp(m.m_actionIndex + delta, 0, std::max(0, int(m.m_actions.size()) - 1));
    m.publish();
}

void PanelModes::cancelClearConfirmation() {
    m_clearTimeout.stop();
    if (m.m_confirmingClear) {
        m.m_confirmingClear = false;
        m.publish();
    }
}

void PanelModes::filterActions() {
    const QString filter = trimSpacesAndTabs(m.m_query);
    if (filter.isEmpty()) {
        m.m_actions = m_allActions;
    } else {
        QList<QPair<int, int>> scored; // score, index in allActions
        for (int i = 0; i < m_allActions.size(); ++i)
            if (auto score = Fuzzy::score(filter, m_allActions[i].title)) scored.append({*score, i});
        std::stable_sort(scored.begin(), scored.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        m.m_actions.clear();
        for (const auto& entry : scored)
            m.m_actions << m_allActions[entry.second];
    }
    m.m_actionIndex = 0;
    m.publish();
}

// --- Rename ------------------------------------------------------------------------------------------

void PanelModes::startRename(const ResultItem& item) {
    if (!item.url.isLocalFile()) {
        m.refuse(tr("Only files and folders can be renamed"));
        return;
    }
    if (m.m_mode == SearchModel::Mode::search) m.m_savedQuery = m.m_query;
    m.pipeline().cancelSearches();
    m.m_actionTarget = item;
    m.m_mode = SearchModel::Mode::rename;
    const QString name = PathInput::lastPathComponent(item.url.toLocalFile());
    m.setQuery(name);
    m.setMessage(tr("Renaming %1. \u21A9 to save, esc to cancel").arg(quoted(name)));
    focus(true, false);
}

void PanelModes::commitRename() {
    if (!m.m_actionTarget) {
        restoreSearch();
        return;
    }
    const QString name = m.m_query.trimmed();
    // A NUL would silently cut the name short at the system call.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QChar(0)) ||
        name == QLatin1String(".") || name == QLatin1String("..")) {
        m.refuse(tr("That isn't a valid name"));
        return;
    }
    const QString path = m.m_actionTarget->url.toLocalFile();
    if (name == PathInput::lastPathComponent(path)) {
        restoreSearch();
        return;
    }
    const QString destination =
        PathInput::appendingPathComponent(PathInput::deletingLastPathComponent(path), name);
    // A change of letter case only is allowed where the volume sees the same item under both names; an
    // existing different item is never replaced.
    const bool caseOnly = destination.compare(path, Qt::CaseInsensitive) == 0;
    if (FileOperations::existsAt(destination) &&
        !(caseOnly && FileOperations::isSameFile(path, destination))) {
        m.refuse(tr("%1 already exists here").arg(quoted(name)));
        return;
    }
    if (auto error = FileOperations::moveItem(path, destination)) {
        m.refuse(*error);
        return;
    }
    m_services.history.replace(path, destination);
    m_services.favorites.replace(path, destination);
    m.m_savedQuery = destination;
    restoreSearch();
    m.setMessage(tr("Renamed to %1").arg(quoted(name)));
}

// --- Clearing the history ----------------------------------------------------------------------------

void PanelModes::clearHistory() {
    if (!m.m_confirmingClear) {
        m.m_confirmingClear = true;
        const QString prompt =
            m.isShowingClips()
                //: "Clear" is the label of the panel's button that empties the list.
                ? tr("Click Clear again to delete all clips except pinned ones. This can't be undone.")
                //: "Clear" is the label of the panel's button that empties the list.
                : tr("Click Clear again to forget the places you've opened. Favorites stay.");
        m.setMessage(prompt);
        QObject::disconnect(m_clearTimeoutConnection);
        m_clearTimeoutConnection = QObject::connect(&m_clearTimeout, &QTimer::timeout, &m, [this, prompt] {
            m.m_confirmingClear = false;
            if (m.m_message == prompt) m.setMessage(std::nullopt);
            m.publish();
        });
        m_clearTimeout.start();
        m.publish();
        return;
    }
    cancelClearConfirmation();
    if (m.isShowingClips()) {
        m.clipboardTab().clearUnpinned();
    } else {
        m_services.history.clear();
        m.pipeline().runSearch();
        m.setMessage(tr("Cleared recent history"));
    }
    focus(false, true);
}

bool PanelModes::canClearHistory() const {
    if (!m.isShowingClips()) return !m_services.history.entries().isEmpty();
    return m.clipboardTab().hasUnpinned();
}

// --- Help --------------------------------------------------------------------------------------------

void PanelModes::tryHelp(const ResultItem& item) {
    if (!item.example)
        m.setMessage(tr("Use these keys on any search result"));
    else if (*item.example == Help::settingsSentinel())
        m_shell.onOpenSettings();
    else
        m.setQuery(*item.example);
}

} // namespace zarvo
