#include "search/ItemActions.h"

#include "clipboard/ClipStore.h"
#include "platform/Environment.h"
#include "platform/Pasteboard.h"
#include "platform/Platform.h"
#include "platform/Processes.h"
#include "platform/Workspace.h"
#include "search/SearchModel.h"
#include "sources/PathInput.h"
#include "sources/ShellCommand.h"
#include "sources/SystemAction.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QPointer>
#include <QStandardPaths>
#include <QThreadPool>

namespace zarvo {

namespace {

constexpr int kClipTitleLength = 60;

QString quoted(const QString& text) {
    return QStringLiteral("\u201C") + text + QStringLiteral("\u201D");
}

bool isFile(const std::optional<ResultItem>& item) {
    return item && item->url.isLocalFile();
}

QString pathOf(const ResultItem& item) {
    return item.url.toLocalFile();
}

QString lastComponent(const ResultItem& item) {
    return PathInput::lastPathComponent(pathOf(item));
}

bool isWeb(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

QString clipTitle(const Clip& clip) {
    return Clip::prefix(clip.title(), kClipTitleLength);
}

Workspace* workspace() {
    return Platform::current().workspace;
}

} // namespace

QString copiedText(const ResultItem& item) {
    if (item.command) return *item.command;
    if (item.url.isLocalFile()) return pathOf(item);
    return item.url.toString(QUrl::FullyEncoded);
}

// --- Plumbing ----------------------------------------------------------------------------------------

void SearchModel::refuse(const QString& text) {
    setMessage(text);
    if (onBeep) onBeep();
}

void SearchModel::beginOperation() {
    ++m_pendingOperations;
}

void SearchModel::endOperation() {
    if (m_pendingOperations > 0 && --m_pendingOperations == 0) emit operationsFinished();
}

Pasteboard* SearchModel::pasteboard() const {
    return m_services.pasteboard ? m_services.pasteboard : Platform::current().pasteboard;
}

void SearchModel::markOwnChange() {
    if (m_services.clips)
        if (Pasteboard* board = pasteboard()) m_services.clips->setOwnChangeCount(board->changeCount());
}

QString SearchModel::frontAppName(const QString& fallback) const {
    Workspace* space = workspace();
    const auto front = space ? space->frontmostApplication() : std::nullopt;
    if (!front || !front->name || front->name->isEmpty()) return fallback;
    const Environment* environment = Platform::current().environment;
    if (environment && front->bundleIdentifier && *front->bundleIdentifier == environment->appIdentifier())
        return fallback;
    return *front->name;
}

std::optional<ResultItem> SearchModel::target() const {
    if (auto item = selected()) return item;
    const QString text = m_query.trimmed();
    if (text.isEmpty()) return std::nullopt;
    if (auto url = PathInput::webURL(text)) {
        ResultItem item;
        item.url = *url;
        item.source = ResultItem::Source::web;
        return item;
    }
    const QString path = PathInput::expand(text);
    if (path.isEmpty()) return std::nullopt;
    return ResultItem::existingFile(path, ResultItem::Source::path);
}

// --- Opening -----------------------------------------------------------------------------------------

void SearchModel::open(const std::optional<ResultItem>& item, const std::optional<QString>& application,
                       bool isKeyRepeat) {
    if (!item) {
        refuse(QStringLiteral("Nothing to open \u2014 path not found"));
        return;
    }
    if (item->source == ResultItem::Source::help) {
        tryHelp(*item);
        return;
    }
    if (item->clipID) {
        copyClip(item, false, true);
        return;
    }
    if (item->url == ResultItem::clipsURL()) {
        switchTab(Tab::clipboard);
        return;
    }
    const QString key = item->historyKey();
    const auto confirmed = [&](const QString& prompt) { return confirm(key, prompt, isKeyRepeat); };
    // A path another program put on the clipboard (a web page can) is asked about wherever its row
    // stands: the prefilled query, the clipboard rows of the empty query.
    const bool fromClipboard = m_clipboardPrefill || item->source == ResultItem::Source::clipboard;
    if (fromClipboard && item->url.isLocalFile() && FileOperations::isRunnable(pathOf(*item), 0)) {
        if (!confirmed(
                quoted(lastComponent(*item)) +
                QStringLiteral(" came from the clipboard and runs code. Press \u21A9 again to open it.")))
            return;
    }
    if (!item->systemAction) {
        m_services.history.add(key);
        onDismiss();
        if (item->command) {
            const Environment* environment = Platform::current().environment;
            const QString home = environment ? environment->homePath() : QString();
            if (auto error = ShellCommand::run(*item->command, home))
                qWarning().noquote() << QStringLiteral("Zarvo: run failed: ") + *error;
        } else if (Workspace* space = workspace()) {
            if (application)
                space->openURLWithApplication(item->url, *application, {});
            else
                space->openURL(item->url);
        }
        return;
    }
    openSystemAction(*item, isKeyRepeat);
}

void SearchModel::openWith(int index) {
    if (index < 0 || index >= int(m_apps.size())) return;
    open(target(), m_apps[index].url, false);
}

void SearchModel::reveal(const std::optional<ResultItem>& item) {
    if (!isFile(item)) {
        refuse(QStringLiteral("Nothing to reveal"));
        return;
    }
    m_services.history.add(item->historyKey());
    onDismiss();
    if (Workspace* space = workspace()) space->revealInFileManager({item->url});
}

void SearchModel::quickLook(const std::optional<ResultItem>& item) {
    if (!isFile(item)) {
        refuse(QStringLiteral("Nothing to preview"));
        return;
    }
    m_previewURL = item->url;
    publish();
    onQuickLook();
}

void SearchModel::openInTerminal(const std::optional<ResultItem>& item) {
    if (!isFile(item)) {
        refuse(QStringLiteral("Select a file or folder"));
        return;
    }
    const QString path = pathOf(*item);
    const QString folder = item->isDirectory ? path : PathInput::deletingLastPathComponent(path);
    const auto terminal = m_services.settings.terminalAppURL();
    if (!terminal) {
        refuse(QStringLiteral("No terminal app found"));
        return;
    }
    m_services.history.add(item->historyKey());
    onDismiss();
    if (Workspace* space = workspace())
        space->openURLWithApplication(QUrl::fromLocalFile(folder), *terminal, {});
}

void SearchModel::getInfo(const ResultItem& item) {
    onDismiss();
    // The file manager's properties window stands in for the Finder's information window here.
    if (Workspace* space = workspace()) space->showInfo(item.url);
}

// --- Copying -----------------------------------------------------------------------------------------

namespace {

// Lets the history take in the current content first, then writes; true when there is a pasteboard.
template <typename Write> bool writePasteboard(ClipStore* clips, Pasteboard* board, Write write) {
    if (!board) return false;
    if (clips) clips->poll();
    board->clearContents();
    write(*board);
    return true;
}

} // namespace

void SearchModel::copyPath(const std::optional<ResultItem>& item) {
    if (!item || item->url == ResultItem::clipsURL()) {
        refuse(QStringLiteral("Nothing to copy"));
        return;
    }
    const QString text = copiedText(*item);
    if (!writePasteboard(m_services.clips, pasteboard(), [&](Pasteboard& board) { board.setString(text); })) {
        refuse(QStringLiteral("Nothing to copy"));
        return;
    }
    markOwnChange();
    setMessage(QStringLiteral("Copied ") +
               (item->command ? *item->command : FileOperations::displaySubtitle(*item)));
}

void SearchModel::copyFile(const std::optional<ResultItem>& item) {
    if (!isFile(item) || !writePasteboard(m_services.clips, pasteboard(),
                                          [&](Pasteboard& board) { board.writeFileURLs({item->url}); })) {
        refuse(QStringLiteral("Nothing to copy"));
        return;
    }
    markOwnChange();
    setMessage(QStringLiteral("Copied file ") + quoted(lastComponent(*item)));
}

void SearchModel::copyText(const QString& text) {
    if (!writePasteboard(m_services.clips, pasteboard(), [&](Pasteboard& board) { board.setString(text); })) {
        refuse(QStringLiteral("Nothing to copy"));
        return;
    }
    markOwnChange();
    setMessage(QStringLiteral("Copied ") + text);
}

// --- File operations ---------------------------------------------------------------------------------

void SearchModel::finishBackgroundOperation(const QUrl& url, const QString& text) {
    if (m_mode == Mode::search) setQuery(url.toLocalFile());
    setMessage(text);
}

void SearchModel::duplicate(const std::optional<ResultItem>& item) {
    if (!isFile(item)) {
        refuse(QStringLiteral("Select a file or folder"));
        return;
    }
    const QString path = pathOf(*item);
    const QString candidate = FileOperations::duplicateCandidate(path, item->isDirectory);
    setMessage(QStringLiteral("Duplicating ") + quoted(lastComponent(*item)) + QStringLiteral("\u2026"));
    beginOperation();
    QPointer<SearchModel> self(this);
    QCoreApplication* app = QCoreApplication::instance();
    QThreadPool::globalInstance()->start([self, app, path, candidate] {
        const auto error = FileOperations::copyItem(path, candidate, QStringLiteral("duplicated"));
        QMetaObject::invokeMethod(
            app,
            [self, error, candidate] {
                if (!self) return;
                if (error)
                    self->refuse(*error);
                else
                    self->finishBackgroundOperation(QUrl::fromLocalFile(candidate),
                                                    QStringLiteral("Duplicated as ") +
                                                        quoted(PathInput::lastPathComponent(candidate)));
                self->endOperation();
            },
            Qt::QueuedConnection);
    });
}

void SearchModel::compress(const std::optional<ResultItem>& item) {
    if (!isFile(item)) {
        refuse(QStringLiteral("Select a file or folder"));
        return;
    }
    const QString path = pathOf(*item);
    const QString name = lastComponent(*item);
    const QString folder = PathInput::deletingLastPathComponent(path);
    Processes* processes = Platform::current().processes;
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("bsdtar"));
    if (!processes || tool.isEmpty()) {
        refuse(QStringLiteral("Couldn't compress ") + quoted(name) +
               QStringLiteral(": the archiver bsdtar (libarchive-tools) is not installed"));
        return;
    }
    // Claim the archive's name before the archiver runs, so a file that appears meanwhile is never replaced.
    QString archive;
    for (int attempt = 0; attempt < 100; ++attempt) {
        archive = FileOperations::archiveCandidate(path);
        QFile placeholder(archive);
        if (placeholder.open(QIODevice::WriteOnly | QIODevice::NewOnly)) break;
        if (FileOperations::existsAt(archive)) continue;
        refuse(QStringLiteral("Couldn't compress ") + quoted(name) + QStringLiteral(": ") +
               placeholder.errorString());
        return;
    }
    setMessage(QStringLiteral("Compressing ") + quoted(name) + QStringLiteral("\u2026"));
    beginOperation();
    QPointer<SearchModel> self(this);
    // -a picks the format from the .zip suffix; -C and the relative name keep the item's own folder in
    // the archive. bsdtar reads "@x" as another archive's entries even after "--", so the operand is
    // "./NAME" (never an option nor an archive reference) and -s takes the "./" off the stored names
    // again (not off link targets, which are stored as they are).
    processes->run(
        tool,
        {QStringLiteral("-a"), QStringLiteral("-cf"), archive, QStringLiteral("-C"), folder,
         QStringLiteral("-s"), QStringLiteral(",^\\./,,S"), QStringLiteral("--"),
         QStringLiteral("./") + name},
        [self, archive, name](const Processes::Result& result) {
            const bool ok = !result.error && result.exitCode == 0;
            if (!ok) QFile::remove(archive);
            if (!self) return;
            if (ok)
                self->finishBackgroundOperation(QUrl::fromLocalFile(archive),
                                                QStringLiteral("Compressed to ") +
                                                    quoted(PathInput::lastPathComponent(archive)));
            else if (result.error && result.exitCode == -1 && result.standardError.isEmpty())
                self->refuse(*result.error);
            else
                self->refuse(QStringLiteral("Couldn't compress ") + quoted(name));
            self->endOperation();
        },
        folder);
}

std::optional<QString> SearchModel::moveInto(const ResultItem& item, const QString& folder) {
    const QString path = pathOf(item);
    const QString name = PathInput::lastPathComponent(path);
    const QString destination = PathInput::appendingPathComponent(folder, name);
    if (FileOperations::existsAt(destination))
        return quoted(name) + QStringLiteral(" already exists in ") + PathInput::lastPathComponent(folder);
    if (auto error = FileOperations::moveItem(path, destination)) return error;
    m_services.history.replace(path, destination);
    m_services.favorites.replace(path, destination);
    return std::nullopt;
}

void SearchModel::moveTo(const std::optional<ResultItem>& item) {
    if (!isFile(item)) {
        refuse(QStringLiteral("Select a file or folder"));
        return;
    }
    const QString path = pathOf(*item);
    const QString name = lastComponent(*item);
    onDismiss();
    onActivateApplication();
    const auto folder = chooseFolder(FolderRequest{
        QStringLiteral("Move"), QStringLiteral("Move ") + quoted(name) + QStringLiteral(" to\u2026"),
        PathInput::deletingLastPathComponent(path)});
    if (!folder) {
        onHideApplication();
        return;
    }
    if (auto error = moveInto(*item, *folder)) {
        showAlert(*error);
        onHideApplication();
        return;
    }
    if (Workspace* space = workspace())
        space->revealInFileManager({QUrl::fromLocalFile(PathInput::appendingPathComponent(*folder, name))});
}

void SearchModel::moveToTrash(const std::optional<ResultItem>& item) {
    if (!isFile(item)) {
        refuse(QStringLiteral("Select a file or folder"));
        return;
    }
    Workspace* space = workspace();
    if (!space) return;
    const QString key = item->historyKey();
    const QString name = lastComponent(*item);
    beginOperation();
    QPointer<SearchModel> self(this);
    space->recycle(item->url, [self, key, name](std::optional<QString> error) {
        if (!self) return;
        if (error) {
            self->refuse(*error);
        } else {
            self->m_services.history.remove(key);
            self->m_services.favorites.remove(key);
            self->runSearch();
            self->setMessage(QStringLiteral("Moved ") + quoted(name) + QStringLiteral(" to Trash"));
        }
        self->endOperation();
    });
}

void SearchModel::toggleFavorite(const std::optional<ResultItem>& item) {
    if (!item) {
        refuse(QStringLiteral("Nothing to favorite"));
        return;
    }
    const QString key = item->historyKey();
    const bool added = m_services.favorites.toggle(key);
    if (m_query.isEmpty()) runSearch();
    for (int i = 0; i < m_results.size(); ++i) {
        if (m_results[i].historyKey() == key) {
            setSelectedIndex(i);
            break;
        }
    }
    setMessage(added
                   ? QStringLiteral("\u2605 Added ") + quoted(item->name()) + QStringLiteral(" to favorites")
                   : QStringLiteral("Removed ") + quoted(item->name()) + QStringLiteral(" from favorites"));
}

void SearchModel::removeFromHistory(const ResultItem& item) {
    m_services.history.remove(item.historyKey());
    runSearch();
}

// --- Clips -------------------------------------------------------------------------------------------

std::optional<Clip> SearchModel::writeClip(const std::optional<ResultItem>& item, bool plainText,
                                           const QString& nothing) {
    const auto found = clip(item);
    if (!found || !m_services.clips) {
        refuse(nothing);
        return std::nullopt;
    }
    if (!m_services.clips->write(*found, plainText)) {
        refuse(plainText ? QStringLiteral("This clip has no text")
                         : QStringLiteral("This clip's data is missing"));
        return std::nullopt;
    }
    return found;
}

void SearchModel::copyClip(const std::optional<ResultItem>& item, bool plainText, bool close) {
    const auto found = writeClip(item, plainText, QStringLiteral("Nothing to copy"));
    if (!found) return;
    if (close) {
        onDismiss();
        return;
    }
    filterClips(found->id);
    setMessage(QStringLiteral("Copied ") + quoted(clipTitle(*found)) +
               QStringLiteral(". Press \u2318V to paste it"));
}

void SearchModel::togglePin(const std::optional<ResultItem>& item) {
    const auto found = clip(item);
    if (!found || !m_services.clips) {
        refuse(QStringLiteral("Nothing to pin"));
        return;
    }
    m_services.clips->togglePin(found->id);
    filterClips(found->id);
    setMessage(found->pinned ? QStringLiteral("Unpinned ") + quoted(clipTitle(*found))
                             : QStringLiteral("Pinned ") + quoted(clipTitle(*found)) +
                                   QStringLiteral(". Pinned clips are kept"));
}

void SearchModel::deleteClip(const std::optional<ResultItem>& item) {
    const auto found = clip(item);
    if (!found || !m_services.clips) {
        refuse(QStringLiteral("Nothing to delete"));
        return;
    }
    const int remembered = m_selectedIndex;
    m_services.clips->deleteClip(found->id);
    filterClips(std::nullopt);
    setSelectedIndex(std::max(0, std::min(remembered, int(m_results.size()) - 1)));
    setMessage(QStringLiteral("Deleted ") + quoted(clipTitle(*found)));
}

// --- The actions menu --------------------------------------------------------------------------------

QList<ItemAction> SearchModel::buildActions(const ResultItem& item) {
    if (item.clipID)
        if (auto found = clip(item)) return clipActions(item, *found);
    QPointer<SearchModel> self(this);
    // Each action holds its own copy of the item and the model weakly.
    const auto act = [self, item](void (SearchModel::*operation)(const std::optional<ResultItem>&)) {
        return [self, item, operation] {
            if (self) (self.data()->*operation)(item);
        };
    };
    const auto run = [self](std::function<void(SearchModel&)> body) {
        return [self, body] {
            if (self) body(*self);
        };
    };
    using S = std::optional<QString>;
    if (item.url == ResultItem::clipsURL())
        return {ItemAction{QStringLiteral("Show Clipboard History"), QStringLiteral("doc.on.clipboard"),
                           S(QStringLiteral("\u21A9")), false,
                           run([item](SearchModel& m) { m.open(item); })}};

    QList<ItemAction> out;
    const bool file = item.url.isLocalFile();
    const bool web = !file && isWeb(item.url);
    const QString openTitle = item.command         ? QStringLiteral("Run in Terminal")
                              : !item.systemAction ? QStringLiteral("Open")
                                                   : SystemActions::title(*item.systemAction);
    out << ItemAction{openTitle, QStringLiteral("arrow.up.forward.app"), S(QStringLiteral("\u21A9")), false,
                      run([item](SearchModel& m) { m.open(item); })};
    if (web) {
        out << ItemAction{QStringLiteral("Copy URL"), QStringLiteral("link"),
                          S(QStringLiteral("\u2318\u21E7C")), false, act(&SearchModel::copyPath)};
        const QString label = item.url.host().isEmpty() ? item.name() : item.url.host();
        const QString link = QLatin1Char('[') + label + QStringLiteral("](") +
                             item.url.toString(QUrl::FullyEncoded) + QLatin1Char(')');
        out << ItemAction{QStringLiteral("Copy as Markdown Link"),
                          QStringLiteral("chevron.left.forwardslash.chevron.right"), S(), false,
                          run([link](SearchModel& m) { m.copyText(link); })};
    }
    if (!file && !web && item.command)
        out << ItemAction{QStringLiteral("Copy Command"), QStringLiteral("doc.on.doc"),
                          S(QStringLiteral("\u2318\u21E7C")), false, act(&SearchModel::copyPath)};
    if (file) {
        const QString name = lastComponent(item);
        const QString link = QLatin1Char('[') + item.name() + QStringLiteral("](") +
                             item.url.toString(QUrl::FullyEncoded) + QLatin1Char(')');
        out << ItemAction{QStringLiteral("Reveal in Finder"), QStringLiteral("folder"),
                          S(QStringLiteral("\u2318\u21A9")), false, act(&SearchModel::reveal)}
            << ItemAction{QStringLiteral("Quick Look"), QStringLiteral("eye"), S(QStringLiteral("\u2318Y")),
                          false, act(&SearchModel::quickLook)}
            << ItemAction{QStringLiteral("Open in Terminal"), QStringLiteral("terminal"),
                          S(QStringLiteral("\u2325\u21A9")), false, act(&SearchModel::openInTerminal)}
            << ItemAction{QStringLiteral("Paste Path into ") + frontAppName(QStringLiteral("Front App")),
                          QStringLiteral("text.insert"), S(QStringLiteral("\u2325\u2318\u21A9")), false,
                          act(&SearchModel::pastePathIntoFrontApp)}
            << ItemAction{QStringLiteral("Copy File"), QStringLiteral("doc.on.doc"), S(), false,
                          act(&SearchModel::copyFile)}
            << ItemAction{QStringLiteral("Copy Path"), QStringLiteral("link"),
                          S(QStringLiteral("\u2318\u21E7C")), false, act(&SearchModel::copyPath)}
            << ItemAction{QStringLiteral("Copy Name"), QStringLiteral("textformat"), S(), false,
                          run([name](SearchModel& m) { m.copyText(name); })}
            << ItemAction{QStringLiteral("Copy as Markdown Link"),
                          QStringLiteral("chevron.left.forwardslash.chevron.right"), S(), false,
                          run([link](SearchModel& m) { m.copyText(link); })};
    }
    const bool favorite = m_services.favorites.contains(item.historyKey());
    out << ItemAction{favorite ? QStringLiteral("Remove from Favorites") : QStringLiteral("Add to Favorites"),
                      favorite ? QStringLiteral("star.slash") : QStringLiteral("star"),
                      S(QStringLiteral("\u2318D")), false, act(&SearchModel::toggleFavorite)};
    if (file) {
        out << ItemAction{QStringLiteral("Rename\u2026"), QStringLiteral("pencil"), S(), false,
                          run([item](SearchModel& m) { m.startRename(item); })}
            << ItemAction{QStringLiteral("Duplicate"), QStringLiteral("plus.square.on.square"), S(), false,
                          act(&SearchModel::duplicate)}
            << ItemAction{QStringLiteral("Compress to ZIP"), QStringLiteral("doc.zipper"), S(), false,
                          act(&SearchModel::compress)}
            << ItemAction{QStringLiteral("Move to\u2026"), QStringLiteral("folder.badge.plus"), S(), false,
                          act(&SearchModel::moveTo)}
            << ItemAction{QStringLiteral("Get Info"), QStringLiteral("info.circle"), S(), false,
                          run([item](SearchModel& m) { m.getInfo(item); })}
            << ItemAction{QStringLiteral("Move to Trash"), QStringLiteral("trash"), S(), true,
                          act(&SearchModel::moveToTrash)};
    }
    const QString key = item.historyKey();
    for (const History::Entry& entry : m_services.history.entries()) {
        if (entry.key == key) {
            out << ItemAction{QStringLiteral("Remove from History"), QStringLiteral("clock.arrow.circlepath"),
                              S(), false, run([item](SearchModel& m) { m.removeFromHistory(item); })};
            break;
        }
    }
    return out;
}

QList<ItemAction> SearchModel::clipActions(const ResultItem& item, const Clip& clip) {
    QPointer<SearchModel> self(this);
    const auto run = [self](std::function<void(SearchModel&)> body) {
        return [self, body] {
            if (self) body(*self);
        };
    };
    using S = std::optional<QString>;
    QList<ItemAction> out;
    out << ItemAction{QStringLiteral("Copy"), QStringLiteral("doc.on.doc"), S(QStringLiteral("\u21A9")),
                      false, run([item](SearchModel& m) { m.copyClip(item, false, true); })};
    if (clip.kind != Clip::Kind::image)
        out << ItemAction{QStringLiteral("Copy as Plain Text"), QStringLiteral("textformat"),
                          S(QStringLiteral("\u2325\u21A9")), false,
                          run([item](SearchModel& m) { m.copyClip(item, true, true); })};
    out << ItemAction{QStringLiteral("Paste into ") + frontAppName(QStringLiteral("Front App")),
                      QStringLiteral("text.insert"), S(QStringLiteral("\u2318\u21A9")), false,
                      run([item](SearchModel& m) { m.pasteClip(item, false); })};
    if (clip.kind == Clip::Kind::link) {
        if (auto url = PathInput::webURL(clip.text.trimmed()))
            out << ItemAction{QStringLiteral("Open Link"), QStringLiteral("safari"), S(), false,
                              [url = *url] {
                                  if (Workspace* space = workspace()) space->openURL(url);
                              }};
    }
    if (clip.kind == Clip::Kind::files) {
        QList<QUrl> existing;
        for (const QString& path : clip.paths())
            if (FileOperations::existsAt(path)) existing << QUrl::fromLocalFile(path);
        if (!existing.isEmpty())
            out << ItemAction{QStringLiteral("Reveal in Finder"), QStringLiteral("folder"), S(), false,
                              [existing] {
                                  if (Workspace* space = workspace()) space->revealInFileManager(existing);
                              }};
    }
    out << ItemAction{clip.pinned ? QStringLiteral("Unpin") : QStringLiteral("Pin"),
                      clip.pinned ? QStringLiteral("pin.slash") : QStringLiteral("pin"),
                      S(QStringLiteral("\u2318P")), false,
                      run([item](SearchModel& m) { m.togglePin(item); })};
    out << ItemAction{QStringLiteral("Delete from Clipboard History"), QStringLiteral("trash"),
                      S(QStringLiteral("\u2318\u232B")), true,
                      run([item](SearchModel& m) { m.deleteClip(item); })};
    return out;
}

} // namespace zarvo
