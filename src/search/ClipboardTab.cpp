#include "search/ClipboardTab.h"

#include "clipboard/ClipStore.h"
#include "platform/Pasteboard.h"
#include "search/PanelModes.h"
#include "search/PanelShell.h"
#include "search/QueryPipeline.h"
#include "search/ResultActions.h"
#include "search/Text.h"
#include "store/Settings.h"

namespace zarvo {

namespace {

constexpr int kClipTitleLength = 60;

using Text::quoted;
using Text::trimSpacesAndTabs;

QString clipTitle(const Clip& clip) {
    return Clip::prefix(clip.shownTitle(), kClipTitleLength);
}

} // namespace

ClipboardTab::ClipboardTab(SearchModel& model, const PanelShell& shell, Services services)
    : m(model), m_shell(shell), m_services(services) {}

void ClipboardTab::switchTab(SearchModel::Tab tab) {
    if (m.m_mode == SearchModel::Mode::actions || m.m_mode == SearchModel::Mode::rename)
        m.modes().restoreSearch();
    if (tab == SearchModel::Tab::run) {
        if (m.m_mode == SearchModel::Mode::clips) leaveClips();
        return;
    }
    if (m.m_mode != SearchModel::Mode::search) return;
    if (m.m_clipboardPrefill && *m.m_clipboardPrefill == m.m_query)
        openClips(QString());
    else
        openClips(m.m_query);
}

void ClipboardTab::openClips(const QString& text) {
    m.pipeline().cancelSearches();
    if (m_services.clips) m_services.clips->poll();
    observeClips();
    m.modes().cancelClearConfirmation();
    m.m_clipboardPrefill.reset();
    m.m_pendingConfirmation.reset();
    showClipsState();
    m.m_mode = SearchModel::Mode::clips;
    // Set the text without running the clips-mode change handling twice.
    m.m_query = text;
    filterClips(std::nullopt);
    m.modes().focus(false, !text.isEmpty());
}

void ClipboardTab::showClipsState() {
    if (!m_services.settings.keepClipboardHistory())
        m.setMessage(tr("Clipboard history is off. Turn it on in Settings (\u2318,)"));
    else
        m.setMessage(std::nullopt);
}

void ClipboardTab::leaveClips() {
    m.modes().cancelClearConfirmation();
    m.m_mode = SearchModel::Mode::search;
    m.setMessage(std::nullopt);
    QString text = m.m_query;
    if (text.toLower().startsWith(QLatin1String("clip:"))) text = text.mid(5).trimmed();
    bool prefilled = false;
    if (text.isEmpty()) {
        if (auto prefill = m.pipeline().prefillFromPasteboard()) {
            m.m_clipboardPrefill = *prefill;
            text = *prefill;
            prefilled = true;
        }
    }
    m.m_query = text;
    m.pipeline().stopPendingSearch();
    m.pipeline().runSearch();
    m.setSelectedIndex(0);
    m.modes().focus(false, !prefilled);
}

void ClipboardTab::filterClips(const std::optional<QUuid>& keeping) {
    QString filter = trimSpacesAndTabs(m.m_query);
    if (filter.toLower().startsWith(QLatin1String("clip:"))) filter = filter.mid(5);
    QList<ResultItem> rows;
    if (m_services.clips)
        for (const Clip& clip : m_services.clips->matching(filter))
            rows << ResultItem::clip(m_services.clock, clip);
    m.setResults(rows);
    int index = 0;
    if (keeping) {
        for (int i = 0; i < rows.size(); ++i) {
            if (rows[i].clipID == keeping) {
                index = i;
                break;
            }
        }
    }
    m.setSelectedIndex(index);
}

void ClipboardTab::observeClips() {
    if (m_clipsObserved || !m_services.clips) return;
    m_clipsObserved = true;
    QObject::connect(
        m_services.clips, &ClipStore::clipsChanged, &m,
        [this] {
            if (m.m_mode != SearchModel::Mode::clips) return;
            std::optional<QUuid> keep;
            if (auto item = m.selected()) keep = item->clipID;
            filterClips(keep);
        },
        Qt::QueuedConnection);
}

std::optional<Clip> ClipboardTab::clip(const std::optional<ResultItem>& item) const {
    const auto row = item ? item : m.selected();
    if (!row || !row->clipID || !m_services.clips) return std::nullopt;
    for (const Clip& clip : m_services.clips->clips())
        if (clip.id == *row->clipID) return clip;
    return std::nullopt;
}

std::optional<Clip> ClipboardTab::selectedClip() const {
    return clip(std::nullopt);
}

std::optional<Clip> ClipboardTab::writeClip(const std::optional<ResultItem>& item, bool plainText,
                                            const QString& nothing) {
    const auto found = clip(item);
    if (!found || !m_services.clips) {
        m.refuse(nothing);
        return std::nullopt;
    }
    if (!m_services.clips->write(*found, plainText)) {
        m.refuse(plainText ? tr("This clip has no text") : tr("This clip's data is missing"));
        return std::nullopt;
    }
    return found;
}

void ClipboardTab::copyClip(const std::optional<ResultItem>& item, bool plainText, bool close) {
    const auto found = writeClip(item, plainText, tr("Nothing to copy"));
    if (!found) return;
    if (close) {
        m_shell.onDismiss();
        return;
    }
    filterClips(found->id);
    m.setMessage(tr("Copied %1. Press \u2318V to paste it").arg(quoted(clipTitle(*found))));
}

void ClipboardTab::togglePin(const std::optional<ResultItem>& item) {
    const auto found = clip(item);
    if (!found || !m_services.clips) {
        m.refuse(tr("Nothing to pin"));
        return;
    }
    m_services.clips->togglePin(found->id);
    filterClips(found->id);
    m.setMessage(found->pinned ? tr("Unpinned %1").arg(quoted(clipTitle(*found)))
                               : tr("Pinned %1. Pinned clips are kept").arg(quoted(clipTitle(*found))));
}

void ClipboardTab::deleteClip(const std::optional<ResultItem>& item) {
    const auto found = clip(item);
    if (!found || !m_services.clips) {
        m.refuse(tr("Nothing to delete"));
        return;
    }
    const int remembered = m.m_selectedIndex;
    m_services.clips->deleteClip(found->id);
    filterClips(std::nullopt);
    m.setSelectedIndex(std::max(0, std::min(remembered, int(m.m_results.size()) - 1)));
    m.setMessage(tr("Deleted %1").arg(quoted(clipTitle(*found))));
}

void ClipboardTab::pasteClip(const std::optional<ResultItem>& item, bool plainText) {
    ResultActions& actions = m.resultActions();
    const auto found = writeClip(item, plainText, tr("Nothing to paste"));
    if (!found) return;
    const auto keys = actions.frontPasteKeys();
    const Pasteboard* board = actions.pasteboard();
    actions.offerSelection(keys, board ? board->string(PasteboardType::plainText).value_or(found->text)
                                       : found->text);
    if (!actions.canSendPaste()) {
        filterClips(found->id);
        m.setMessage(ResultActions::copiedForPasting(keys));
        return;
    }
    m_shell.onDismiss();
    actions.sendPasteKeystroke(keys.value_or(PasteKeys::standard));
}

void ClipboardTab::clearUnpinned() {
    const int before = m_services.clips ? int(m_services.clips->clips().size()) : 0;
    if (m_services.clips) m_services.clips->clearUnpinned();
    filterClips(std::nullopt);
    const int after = m_services.clips ? int(m_services.clips->clips().size()) : 0;
    const int removed = before - after;
    m.setMessage(after > 0 ? tr("Cleared %Ln clip(s). Pinned clips stay", nullptr, removed)
                           : tr("Cleared %Ln clip(s)", nullptr, removed));
}

bool ClipboardTab::hasUnpinned() const {
    if (!m_services.clips) return false;
    for (const Clip& clip : m_services.clips->clips())
        if (!clip.pinned) return true;
    return false;
}

} // namespace zarvo
