#pragma once

#include "search/ResultItem.h"

#include <QCoreApplication>
#include <QList>
#include <QTimer>
#include <optional>

namespace zarvo {

class Favorites;
class History;
class SearchModel;
struct PanelShell;

// The modes of the text box besides the search: the actions menu, rename, and the way back; showing
// the panel afresh; the Clear control; the help rows.
class PanelModes {
    Q_DECLARE_TR_FUNCTIONS(PanelModes)

public:
    struct Services {
        History& history;
        Favorites& favorites;
    };
    PanelModes(SearchModel& model, const PanelShell& shell, Services services);

    // Asks the view to focus the text box, selecting the base name or with the caret at the end.
    void focus(bool baseName, bool caretAtEnd);
    // The panel is about to show: back to the search (or to the clipboard tab), the text restored.
    void prepareForShow(bool clips);
    // Leaves the actions menu or rename for the mode and text they were opened from.
    void restoreSearch();

    void showActions(const std::optional<ResultItem>& item);
    // Narrows the menu's actions by fuzzy score of the typed text, best first.
    void filterActions();
    void moveActionIndex(int delta);
    void performAction(int index);

    void startRename(const ResultItem& item);
    void commitRename();

    // The Clear control: the first call asks for confirmation (for 4 seconds), the second clears.
    void clearHistory();
    bool canClearHistory() const;
    void cancelClearConfirmation();

    // Opening a help row.
    void tryHelp(const ResultItem& item);

private:
    SearchModel& m;
    const PanelShell& m_shell;
    Services m_services;
    // Every action of the menu's row; the model publishes those the typed text keeps.
    QList<ItemAction> m_allActions;
    QTimer m_clearTimeout;
    QMetaObject::Connection m_clearTimeoutConnection;
};

} // namespace zarvo
