#pragma once

#include "search/ResultItem.h"
#include "search/SearchModel.h"

#include <QCoreApplication>
#include <QUuid>
#include <optional>

namespace zarvo {

class ClipStore;
class Settings;
struct Clip;
struct PanelShell;

// The clipboard tab: switching to it and back, its rows filtered by the typed text, and what is done
// with a clip (copy, paste, pin, delete, clear).
class ClipboardTab {
    Q_DECLARE_TR_FUNCTIONS(ClipboardTab)

public:
    struct Services {
        Settings& settings;
        ClipStore* clips = nullptr;
        // What the clip rows count their age to.
        const Clock* clock = nullptr;
    };
    ClipboardTab(SearchModel& model, const PanelShell& shell, Services services);

    void switchTab(SearchModel::Tab tab);
    void openClips(const QString& text);
    void leaveClips();
    // Lists the clips matching the text, keeping the clip `keeping` selected when it is still listed.
    void filterClips(const std::optional<QUuid>& keeping);
    // The clipboard tab's standing message: none, or that history is off.
    void showClipsState();
    std::optional<Clip> selectedClip() const;
    // The clip of the row, or of the selected row.
    std::optional<Clip> clip(const std::optional<ResultItem>& item) const;
    // Puts the clip of `item` on the clipboard, as plain text or whole; refuses (saying `nothing` when
    // there is no clip) and answers none when it cannot.
    std::optional<Clip> writeClip(const std::optional<ResultItem>& item, bool plainText,
                                  const QString& nothing);
    void copyClip(const std::optional<ResultItem>& item, bool plainText, bool close);
    void pasteClip(const std::optional<ResultItem>& item, bool plainText);
    void togglePin(const std::optional<ResultItem>& item);
    void deleteClip(const std::optional<ResultItem>& item);
    // Deletes every clip but the pinned ones, and says how many went.
    void clearUnpinned();
    bool hasUnpinned() const;

private:
    void observeClips();

    SearchModel& m;
    const PanelShell& m_shell;
    Services m_services;
    bool m_clipsObserved = false;
};

} // namespace zarvo
