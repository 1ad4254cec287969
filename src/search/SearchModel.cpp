#include "search/SearchModel.h"

#include "platform/Platform.h"

#include "search/ClipboardTab.h"
#include "search/KeyMap.h"
#include "search/PanelModes.h"
#include "search/PanelShell.h"
#include "search/QueryPipeline.h"
#include "search/ResultActions.h"

namespace zarvo {

SearchModel::SearchModel(Services services, QObject* parent)
    : QObject(parent), m_shell(std::make_unique<PanelShell>()) {
    m_pipeline = std::make_unique<QueryPipeline>(*this, services);
    m_resultActions = std::make_unique<ResultActions>(
        *this, *m_shell,
        ResultActions::Services{services.platform, services.settings, services.history, services.favorites,
                                services.clips, services.pasteboard, services.applications});
    m_clipboardTab = std::make_unique<ClipboardTab>(
        *this, *m_shell, ClipboardTab::Services{services.settings, services.clips, services.platform.clock});
    m_modes = std::make_unique<PanelModes>(*this, *m_shell,
                                           PanelModes::Services{services.history, services.favorites});
    m_keyMap = std::make_unique<KeyMap>(*this, *m_shell, services.settings);
}

SearchModel::~SearchModel() = default;

void SearchModel::setQuery(const QString& text) {
    if (text == m_query) return;
    m_query = text;
    publish();
    m_pipeline->queryChanged();
}

bool SearchModel::isShowingClips() const {
    return m_mode == Mode::clips ||
           ((m_mode == Mode::actions || m_mode == Mode::rename) && m_actionReturnMode == Mode::clips);
}

void SearchModel::setResults(const QList<ResultItem>& items) {
    m_results = items;
    if (m_selectedIndex >= int(m_results.size()))
        setSelectedIndex(m_results.isEmpty() ? 0 : int(m_results.size()) - 1);
    publish();
}

void SearchModel::setSelectedIndex(int index, bool byUser) {
    if (byUser) m_userMovedSelection = true;
    if (index == m_selectedIndex) return;
    m_selectedIndex = index;
    m_pendingConfirmation.reset();
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

void SearchModel::refuse(const QString& text) {
    setMessage(text);
    if (m_shell->onBeep) m_shell->onBeep();
}

} // namespace zarvo
