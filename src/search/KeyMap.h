#pragma once

#include "search/KeyEvent.h"

#include <QString>

namespace zarvo {

class SearchModel;
class Settings;
struct PanelShell;

// The panel's keys, by mode: which key does what to the selected row, the text and the modes.
class KeyMap {
public:
    KeyMap(SearchModel& model, const PanelShell& shell, const Settings& settings);

    // True when the key was used; false leaves it to the text field.
    bool handleKey(const KeyEvent& event);
    // While the preview is open: the arrows move the selection and the preview follows it.
    bool handleQuickLookKey(const KeyEvent& event);

private:
    bool handleSearchKey(const KeyEvent& event, bool isReturn, const QString& chars);
    bool handleActionsKey(int key, bool isReturn, bool cmd, const QString& chars);
    bool handleClipKey(int key, bool isReturn, bool cmd, bool opt, const QString& chars);
    bool pressedTabSwitch(const KeyEvent& event) const;

    SearchModel& m;
    const PanelShell& m_shell;
    const Settings& m_settings;
};

} // namespace zarvo
