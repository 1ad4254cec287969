// What a screen reader is told about the panel: names of the parts that show no text of their own, and
// after each redraw the row the keyboard moved to and each new message. The text box keeps the focus.
#include "ui/SearchView.h"

#include "search/SearchModel.h"
#include "ui/Accessibility.h"
#include "ui/ActionList.h"
#include "ui/ResultList.h"
#include "ui/SearchField.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTimer>

namespace zarvo::ui {

namespace {
// Long enough to fall between typed letters, short enough to read the row while the typing stops.
constexpr int kTypingPauseMs = 600;
} // namespace

void SearchView::nameParts() {
    m_speakAfterTyping = new QTimer(this);
    m_speakAfterTyping->setSingleShot(true);
    m_speakAfterTyping->setInterval(kTypingPauseMs);
    connect(m_speakAfterTyping, &QTimer::timeout, this, [this] {
        auto* list = qobject_cast<QAbstractItemView*>(m_spokenList);
        if (!isActiveWindow()) return;
        if (list)
            Accessibility::followRow(list, m_spokenRow, true);
        else if (!emptyTextShown().isEmpty()) // "No matches" once the typing stops
            Accessibility::announce(m_body->currentWidget() == m_clipsPage ? m_clipsEmpty : m_empty);
    });
    // The pages are plain groups to a screen reader: it would read "layered pane" before each row.
    for (QWidget* pages : {static_cast<QWidget*>(m_body), static_cast<QWidget*>(m_resultsPage),
                           static_cast<QWidget*>(m_clipsPage)})
        Accessibility::setRole(pages, QAccessible::Client);
    Accessibility::setRole(m_footerMessage, QAccessible::Notification);
    Accessibility::setRole(m_empty, QAccessible::Notification);
    Accessibility::setRole(m_clipsEmpty, QAccessible::Notification);
    m_field->setAccessibleName(tr("Search"));
    m_results->setAccessibleName(tr("Results"));
    m_actionTarget->setAccessibleName(tr("Actions for"));
    m_actions->setAccessibleName(tr("Actions"));
    m_renameTarget->setAccessibleName(tr("Rename"));
    m_clipList->setAccessibleName(tr("Clipboard history"));
}

void SearchView::speakChanges() {
    // Read once the model's operation is over: one that hides the panel leaves nothing to read.
    QTimer::singleShot(0, this, [this] { speakSelectedRow(); });
}

void SearchView::speakSelectedRow() {
    const SearchModel& model = m_s.model;
    QAbstractItemView* list = nullptr;
    int row = -1;
    switch (model.mode()) {
    case SearchModel::Mode::search:
        if (m_resultsPage->currentWidget() == m_results) list = m_results;
        row = model.selectedIndex();
        break;
    case SearchModel::Mode::actions:
        list = m_actions;
        row = model.actionIndex();
        break;
    case SearchModel::Mode::clips:
        list = m_clipList;
        row = model.selectedIndex();
        break;
    case SearchModel::Mode::rename:
        // The row being renamed; the text box holds its new name.
        list = m_renameTarget;
        row = 0;
        break;
    }
    // A list the model has not filled yet is spoken once it has the row.
    if (!list || row < 0 || row >= list->model()->rowCount()) {
        list = nullptr;
        row = -1;
    }
    // Typing keeps the keyboard on the first row: only a move, another list or another tab is read, so
    // the typed letters are not talked over.
    const bool moved = list != m_spokenList || row != m_spokenRow || model.isShowingClips() != m_spokenClips;
    const QModelIndex index = list ? list->model()->index(row, 0) : QModelIndex();
    const QString text = list ? index.data(Qt::AccessibleTextRole).toString() + QLatin1Char('\n') +
                                    index.data(Qt::AccessibleDescriptionRole).toString()
                              : emptyTextShown();
    const bool changed = text != m_spokenText;
    m_spokenList = list;
    m_spokenRow = row;
    m_spokenClips = model.isShowingClips();
    m_spokenText = text;
    if (!isActiveWindow()) return;
    if (!list) {
        // No rows: what the empty list says is read once the typing stops, like a row.
        if (changed && !text.isEmpty()) m_speakAfterTyping->start();
        return;
    }
    if (moved) {
        m_speakAfterTyping->stop();
        Accessibility::followRow(list, row, true);
    } else if (changed) {
        m_speakAfterTyping->start();
    }
}

} // namespace zarvo::ui
