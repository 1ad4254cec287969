#include "search/ResultActions.h"

#include "clipboard/ClipStore.h"
#include "files/AppCatalog.h"
#include "platform/Environment.h"
#include "platform/Pasteboard.h"
#include "platform/Platform.h"
#include "platform/Processes.h"
#include "platform/Workspace.h"
#include "search/ActionHelpers.h"
#include "search/ClipboardTab.h"
#include "search/FileOperations.h"
#include "search/PanelModes.h"
#include "search/PanelShell.h"
#include "search/QueryPipeline.h"
#include "search/SearchModel.h"
#include "search/Text.h"
#include "sources/PathInput.h"
#include "sources/ShellCommand.h"
#include "sources/SystemAction.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"

#include <QDebug>

namespace zarvo {

namespace {

using Text::quoted;

using actions::lastComponent;

// Lets the history take in the current content first, then writes; true when there is a pasteboard.
template <typename Write> bool writePasteboard(ClipStore* clips, Pasteboard* board, Write write) {
    if (!board) return false;
    if (clips) clips->poll();
    board->clearContents();
    write(*board);
    return true;
}

} // namespace

ResultActions::ResultActions(SearchModel& model, const PanelShell& shell, Services services)
    : m(model), m_shell(shell), m_services(services) {}

// --- Plumbing ----------------------------------------------------------------------------------------

void ResultActions::beginOperation() {
    ++m_pendingOperations;
}

void ResultActions::endOperation() {
    if (m_pendingOperations > 0 && --m_pendingOperations == 0) emit operationsFinished();
}

Pasteboard* ResultActions::pasteboard() const {
    return m_services.pasteboard ? m_services.pasteboard : m_services.platform.pasteboard;
}

Workspace* ResultActions::workspace() const {
    return m_services.platform.workspace;
}

void ResultActions::markOwnChange() {
    if (m_services.clips)
        if (Pasteboard* board = pasteboard()) m_services.clips->setOwnChangeCount(board->changeCount());
}

QString ResultActions::frontAppName(const QString& fallback) const {
    Workspace* space = workspace();
    const auto front = space ? space->frontmostApplication() : std::nullopt;
    if (!front || !front->name || front->name->isEmpty()) return fallback;
    const Environment* environment = m_services.platform.environment;
    if (environment && front->bundleIdentifier && *front->bundleIdentifier == environment->appIdentifier())
        return fallback;
    return *front->name;
}

std::optional<ResultItem> ResultActions::target() const {
    if (auto item = m.selected()) return item;
    const QString text = m.m_query.trimmed();
    if (text.isEmpty()) return std::nullopt;
    if (auto url = PathInput::webURL(text)) {
        ResultItem item;
        item.url = *url;
        item.source = ResultItem::Source::web;
        return item;
    }
    const QString path = PathInput::expand(m_services.platform, text);
    if (path.isEmpty()) return std::nullopt;
    return ResultItem::existingFile(workspace(), path, ResultItem::Source::path);
}

const QList<AppChoice>& ResultActions::apps() const {
    // Listing a type's handlers reads the system's application database: worked out when read, which a
    // one-shot query from the command line never does.
    const auto item = m.selected();
    if (m_appsFor == item) return m_apps;
    m_appsFor = item;
    m_apps.clear();
    // Browsers for a web address; for a file its applications, but none for an application's row: it
    // is run, not opened with something (candidates() knows the entries the catalogue does not list).
    if (item) {
        const QString scheme = item->url.scheme().toLower();
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
            m_apps = AppChoice::browsers(workspace(), item->url);
        else if (item->url.isLocalFile() &&
                 !(m_services.applications && m_services.applications->contains(item->url.toLocalFile())))
            m_apps = AppChoice::candidates(workspace(), *item);
    }
    return m_apps;
}

// --- Opening -----------------------------------------------------------------------------------------

void ResultActions::open(const std::optional<ResultItem>& item, const std::optional<QString>& application,
                         bool isKeyRepeat) {
    if (!item) {
        m.refuse(tr("Nothing to open \u2014 path not found"));
        return;
    }
    if (item->source == ResultItem::Source::help) {
        m.modes().tryHelp(*item);
        return;
    }
    if (item->clipID) {
        m.clipboardTab().copyClip(item, false, true);
        return;
    }
    if (item->url == ResultItem::clipsURL()) {
        m.clipboardTab().switchTab(SearchModel::Tab::clipboard);
        return;
    }
    const QString key = item->historyKey();
    const auto confirmed = [&](const QString& prompt) { return confirm(key, prompt, isKeyRepeat); };
    // A path another program put on the clipboard (a web page can) is asked about wherever its row
    // stands: the prefilled query, the clipboard rows of the empty query.
    const bool fromClipboard = m.m_clipboardPrefill || item->source == ResultItem::Source::clipboard;
    if (fromClipboard && item->url.isLocalFile() &&
        FileOperations::isRunnable(workspace(), item->url.toLocalFile())) {
        if (!confirmed(tr("%1 came from the clipboard and runs code. Press \u21A9 again to open it.")
                           .arg(quoted(lastComponent(*item)))))
            return;
    }
    if (!item->systemAction) {
        if (item->command) {
            // In the terminal chosen for Open in Terminal; a command that cannot start is said, and the
            // panel stays.
            const Environment* environment = m_services.platform.environment;
            const QString home = environment ? environment->homePath() : QString();
            if (auto error = ShellCommand::run(m_services.platform, *item->command, home,
                                               m_services.settings.terminalAppURL())) {
                m.refuse(*error);
                return;
            }
            m_services.history.add(key);
            m_shell.onDismiss();
            return;
        }
        m_services.history.add(key);
        m_shell.onDismiss();
        if (Workspace* space = workspace()) {
            if (application)
                space->openURLWithApplication(item->url, *application, {});
            else
                space->openURL(item->url);
        }
        return;
    }
    openSystemAction(*item, isKeyRepeat);
}

void ResultActions::openWith(int index) {
    if (index < 0 || index >= int(m_apps.size())) return;
    open(target(), m_apps[index].url, false);
}

void ResultActions::reveal(const std::optional<ResultItem>& item) {
    if (!isFile(item)) {
        m.refuse(tr("Nothing to reveal"));
        return;
    }
    m_services.history.add(item->historyKey());
    m_shell.onDismiss();
    if (Workspace* space = workspace()) space->revealInFileManager({item->url});
}

void ResultActions::quickLook(const std::optional<ResultItem>& item) {
    if (!isFile(item)) {
        m.refuse(tr("Nothing to preview"));
        return;
    }
    m_previewURL = item->url;
    m.publish();
    m_shell.onQuickLook();
}

void ResultActions::openInTerminal(const std::optional<ResultItem>& item) {
    if (!isFile(item)) {
        m.refuse(tr("Select a file or folder"));
        return;
    }
    const QString path = item->url.toLocalFile();
    const QString folder = item->isDirectory ? path : PathInput::deletingLastPathComponent(path);
    const auto terminal = m_services.settings.terminalAppURL();
    if (!terminal) {
        m.refuse(tr("No terminal app found"));
        return;
    }
    m_services.history.add(item->historyKey());
    m_shell.onDismiss();
    if (Workspace* space = workspace())
        space->openURLWithApplication(QUrl::fromLocalFile(folder), *terminal, {});
}

void ResultActions::getInfo(const ResultItem& item) {
    m_shell.onDismiss();
    // The file manager's properties window stands in for the Finder's information window here.
    if (Workspace* space = workspace()) space->showInfo(item.url);
}

// --- Copying -----------------------------------------------------------------------------------------

void ResultActions::copyPath(const std::optional<ResultItem>& item) {
    if (!item || item->url == ResultItem::clipsURL()) {
        m.refuse(tr("Nothing to copy"));
        return;
    }
    const QString text = copiedText(*item);
    if (!writePasteboard(m_services.clips, pasteboard(), [&](Pasteboard& board) { board.setString(text); })) {
        m.refuse(tr("Nothing to copy"));
        return;
    }
    markOwnChange();
    m.setMessage(tr("Copied %1")
                     .arg(item->command
                              ? *item->command
                              : FileOperations::displaySubtitle(m_services.platform.environment, *item)));
}

void ResultActions::copyFile(const std::optional<ResultItem>& item) {
    if (!isFile(item) || !writePasteboard(m_services.clips, pasteboard(),
                                          [&](Pasteboard& board) { board.writeFileURLs({item->url}); })) {
        m.refuse(tr("Nothing to copy"));
        return;
    }
    markOwnChange();
    m.setMessage(tr("Copied file %1").arg(quoted(lastComponent(*item))));
}

void ResultActions::copyText(const QString& text) {
    if (!writePasteboard(m_services.clips, pasteboard(), [&](Pasteboard& board) { board.setString(text); })) {
        m.refuse(tr("Nothing to copy"));
        return;
    }
    markOwnChange();
    m.setMessage(tr("Copied %1").arg(text));
}

void ResultActions::toggleFavorite(const std::optional<ResultItem>& item) {
    if (!item) {
        m.refuse(tr("Nothing to favorite"));
        return;
    }
    const QString key = item->historyKey();
    const bool added = m_services.favorites.toggle(key);
    if (m.m_query.isEmpty()) m.pipeline().runSearch();
    for (int i = 0; i < m.m_results.size(); ++i) {
        if (m.m_results[i].historyKey() == key) {
            m.setSelectedIndex(i);
            break;
        }
    }
    m.setMessage(added ? tr("\u2605 Added %1 to favorites").arg(quoted(item->name()))
                       : tr("Removed %1 from favorites").arg(quoted(item->name())));
}

void ResultActions::removeFromHistory(const ResultItem& item) {
    m_services.history.remove(item.historyKey());
    m.pipeline().runSearch();
}

void ResultActions::setPreviewURL(const QUrl& url) {
    m_previewURL = url;
    m.publish();
}

} // namespace zarvo
