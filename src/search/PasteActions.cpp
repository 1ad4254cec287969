#include "clipboard/ClipStore.h"
#include "platform/HotKeys.h"
#include "platform/Pasteboard.h"
#include "platform/Platform.h"
#include "platform/Workspace.h"
#include "search/ClipboardTab.h"
#include "search/FileOperations.h"
#include "search/PanelShell.h"
#include "search/ResultActions.h"
#include "search/SearchModel.h"
#include "store/History.h"

#include <QTimer>
#include <memory>

namespace zarvo {

namespace {

constexpr int kPasteDelayMs = 150;
constexpr int kRestoreDelayMs = 800;

// The keys as glyphs, which the platform's words spell ("Ctrl+Shift+V" on Linux).
QString glyphs(PasteKeys keys) {
    switch (keys) {
    case PasteKeys::standard:
        return QStringLiteral("\u2318V");
    case PasteKeys::shifted:
        return QStringLiteral("\u21E7\u2318V");
    case PasteKeys::shiftInsert:
        return QStringLiteral("\u21E7Insert");
    }
    return QStringLiteral("\u2318V");
}

} // namespace

QString ResultActions::copiedForPasting(const std::optional<PasteKeys>& keys) {
    if (!keys)
        return tr("Copied \u2014 press %1 to paste (%2 in a terminal)")
            .arg(glyphs(PasteKeys::standard), glyphs(PasteKeys::shifted));
    return tr("Copied \u2014 press %1 to paste").arg(glyphs(*keys));
}

bool ResultActions::canSendPaste() {
    KeySynth* synth = m_services.platform.keySynth;
    return synth && synth->isTrusted(true);
}

std::optional<PasteKeys> ResultActions::frontPasteKeys() const {
    Workspace* space = m_services.platform.workspace;
    const auto front = space ? space->frontmostApplication() : std::nullopt;
    if (!front) return std::nullopt;
    return front->pasteKeys;
}

void ResultActions::sendPasteKeystroke(PasteKeys keys, std::function<void()> failed) {
    // Sent once the panel is gone and the application in front has the keyboard again.
    QTimer::singleShot(kPasteDelayMs, this, [this, keys, failed = std::move(failed)] {
        KeySynth* synth = m_services.platform.keySynth;
        if ((!synth || !synth->postPaste(keys)) && failed) failed();
    });
}

void ResultActions::offerSelection(const std::optional<PasteKeys>& keys, const QString& text) {
    // xterm pastes the primary selection, not the clipboard.
    if (keys == PasteKeys::shiftInsert && !text.isEmpty())
        if (Pasteboard* board = pasteboard()) board->setSelectionText(text);
}

void ResultActions::pastePathIntoFrontApp(const std::optional<ResultItem>& item) {
    if (!item || item->url == ResultItem::clipsURL()) {
        m.refuse(tr("Nothing to paste"));
        return;
    }
    Pasteboard* board = pasteboard();
    if (!board) {
        m.refuse(tr("Nothing to paste"));
        return;
    }
    const auto keys = frontPasteKeys();
    const QString text = copiedText(*item);
    m_services.history.add(item->historyKey());
    if (m_services.clips) m_services.clips->poll();
    if (!canSendPaste()) {
        // Nothing can press the keys for the user: the text stays, a copy of ours, for them to paste.
        board->clearContents();
        board->setString(text);
        markOwnChange();
        offerSelection(keys, text);
        m.setMessage(copiedForPasting(keys));
        return;
    }
    const QList<PasteboardItem> snapshot = board->items();
    board->clearContents();
    board->setString(text, {PasteboardType::transient});
    offerSelection(keys, text);
    const qint64 ours = board->changeCount();
    if (m_services.clips) m_services.clips->setLastChangeCount(ours);
    m_shell.onDismiss();
    auto delivered = std::make_shared<bool>(true);
    sendPasteKeystroke(keys.value_or(PasteKeys::standard), [delivered] { *delivered = false; });
    beginOperation();
    QTimer::singleShot(kRestoreDelayMs, this, [this, snapshot, ours, delivered] {
        Pasteboard* board = pasteboard();
        // Someone copied something else meanwhile: theirs stays, the old content is in the history anyway.
        // A paste that could not be posted leaves the text for the user to paste.
        if (board && board->changeCount() == ours && *delivered) {
            QList<PasteboardItem> items = snapshot;
            board->clearContents();
            if (!items.isEmpty()) items.first().setData(PasteboardType::restored, {});
            board->writeItems(items);
            if (m_services.clips) m_services.clips->setLastChangeCount(board->changeCount());
        }
        endOperation();
    });
}

} // namespace zarvo
