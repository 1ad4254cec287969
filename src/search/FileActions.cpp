#include "search/ResultActions.h"

#include "platform/Platform.h"
#include "platform/Processes.h"
#include "platform/Workspace.h"
#include "search/ActionHelpers.h"
#include "search/FileOperations.h"
#include "search/PanelShell.h"
#include "search/QueryPipeline.h"
#include "search/SearchModel.h"
#include "search/Text.h"
#include "sources/PathInput.h"
#include "store/Favorites.h"
#include "store/History.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QStandardPaths>
#include <QThreadPool>

// The result actions that change files: duplicate, compress, move and trash.

namespace zarvo {

namespace {

using Text::quoted;

using actions::lastComponent;

} // namespace

void ResultActions::finishBackgroundOperation(const QUrl& url, const QString& text) {
    if (m.m_mode == SearchModel::Mode::search) m.setQuery(url.toLocalFile());
    m.setMessage(text);
}

void ResultActions::duplicate(const std::optional<ResultItem>& item) {
    if (!isFile(item)) {
        m.refuse(tr("Select a file or folder"));
        return;
    }
    const QString path = item->url.toLocalFile();
    const QString candidate = FileOperations::duplicateCandidate(path, item->isDirectory);
    m.setMessage(tr("Duplicating %1\u2026").arg(quoted(lastComponent(*item))));
    beginOperation();
    QPointer<ResultActions> self(this);
    QCoreApplication* app = QCoreApplication::instance();
    QThreadPool::globalInstance()->start([self, app, path, candidate] {
        const auto error = FileOperations::copyItem(path, candidate, QStringLiteral("duplicated"));
        QMetaObject::invokeMethod(
            app,
            [self, error, candidate] {
                if (!self) return;
                if (error)
                    self->m.refuse(*error);
                else
                    self->finishBackgroundOperation(
                        QUrl::fromLocalFile(candidate),
                        tr("Duplicated as %1").arg(quoted(PathInput::lastPathComponent(candidate))));
                self->endOperation();
            },
            Qt::QueuedConnection);
    });
}

void ResultActions::compress(const std::optional<ResultItem>& item) {
    if (!isFile(item)) {
        m.refuse(tr("Select a file or folder"));
        return;
    }
    const QString path = item->url.toLocalFile();
    const QString name = lastComponent(*item);
    const QString folder = PathInput::deletingLastPathComponent(path);
    Processes* processes = m_services.platform.processes;
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("bsdtar"));
    if (!processes || tool.isEmpty()) {
        m.refuse(tr("Couldn't compress %1: the archiver bsdtar (libarchive-tools) is not installed")
                     .arg(quoted(name)));
        return;
    }
    // Claim the archive's name before the archiver runs, so a file that appears meanwhile is never replaced.
    QString archive;
    for (int attempt = 0; attempt < 100; ++attempt) {
        archive = FileOperations::archiveCandidate(path);
        QFile placeholder(archive);
        if (placeholder.open(QIODevice::WriteOnly | QIODevice::NewOnly)) break;
        if (FileOperations::existsAt(archive)) continue;
        m.refuse(tr("Couldn't compress %1: %2").arg(quoted(name), placeholder.errorString()));
        return;
    }
    m.setMessage(tr("Compressing %1\u2026").arg(quoted(name)));
    beginOperation();
    QPointer<ResultActions> self(this);
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
                self->finishBackgroundOperation(
                    QUrl::fromLocalFile(archive),
                    tr("Compressed to %1").arg(quoted(PathInput::lastPathComponent(archive))));
            else if (result.error && result.exitCode == -1 && result.standardError.isEmpty())
                self->m.refuse(*result.error);
            else
                self->m.refuse(tr("Couldn't compress %1").arg(quoted(name)));
            self->endOperation();
        },
        folder);
}

std::optional<QString> ResultActions::moveInto(const ResultItem& item, const QString& folder) {
    const QString path = item.url.toLocalFile();
    const QString name = PathInput::lastPathComponent(path);
    const QString destination = PathInput::appendingPathComponent(folder, name);
    if (FileOperations::existsAt(destination))
        return tr("%1 already exists in %2").arg(quoted(name), PathInput::lastPathComponent(folder));
    if (auto error = FileOperations::moveItem(path, destination)) return error;
    m_services.history.replace(path, destination);
    m_services.favorites.replace(path, destination);
    return std::nullopt;
}

void ResultActions::moveTo(const std::optional<ResultItem>& item) {
    if (!isFile(item)) {
        m.refuse(tr("Select a file or folder"));
        return;
    }
    const QString path = item->url.toLocalFile();
    const QString name = lastComponent(*item);
    m_shell.onDismiss();
    const auto folder = m_shell.chooseFolder(
        PanelShell::FolderRequest{//: The button of the folder chooser.
                                  tr("Move", "verb"), tr("Move %1 to\u2026").arg(quoted(name)),
                                  PathInput::deletingLastPathComponent(path)});
    if (!folder) {
        m_shell.onHideApplication();
        return;
    }
    if (auto error = moveInto(*item, *folder)) {
        m_shell.showAlert(*error);
        m_shell.onHideApplication();
        return;
    }
    if (Workspace* space = workspace())
        space->revealInFileManager({QUrl::fromLocalFile(PathInput::appendingPathComponent(*folder, name))});
}

void ResultActions::moveToTrash(const std::optional<ResultItem>& item) {
    if (!isFile(item)) {
        m.refuse(tr("Select a file or folder"));
        return;
    }
    Workspace* space = workspace();
    if (!space) return;
    const QString key = item->historyKey();
    const QString name = lastComponent(*item);
    beginOperation();
    QPointer<ResultActions> self(this);
    space->recycle(item->url, [self, key, name](std::optional<QString> error) {
        if (!self) return;
        if (error) {
            self->m.refuse(*error);
        } else {
            self->m_services.history.remove(key);
            self->m_services.favorites.remove(key);
            self->m.pipeline().runSearch();
            self->m.setMessage(tr("Moved %1 to Trash").arg(quoted(name)));
        }
        self->endOperation();
    });
}

} // namespace zarvo
