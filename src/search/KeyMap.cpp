#include "search/KeyMap.h"

#include "platform/HotKeyFormat.h"
#include "search/ClipboardTab.h"
#include "search/PanelModes.h"
#include "search/PanelShell.h"
#include "search/QueryPipeline.h"
#include "search/ResultActions.h"
#include "search/SearchModel.h"
#include "store/Settings.h"

#include <QRegularExpression>

namespace zarvo {

namespace {

// ⌘ with a digit key: the digit typed, when it is a whole number from 1 to 9.
std::optional<int> digitOf(const QString& characters) {
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    if (!integer.match(characters).hasMatch()) return std::nullopt;
    bool ok = false;
    const int value = characters.toInt(&ok);
    if (!ok || value < 1 || value > 9) return std::nullopt;
    return value;
}

} // namespace

KeyMap::KeyMap(SearchModel& model, const PanelShell& shell, const Settings& settings)
    : m(model), m_shell(shell), m_settings(settings) {}

bool KeyMap::pressedTabSwitch(const KeyEvent& event) const {
    if (event.keyCode < 0 || quint32(event.keyCode) != m_settings.tabKeyCode()) return false;
    const quint32 wanted = m_settings.tabKeyModifiers();
    quint32 pressed =
        (event.shift ? HotKeyModifier::shift : 0) | (event.control ? HotKeyModifier::control : 0) |
        (event.option ? HotKeyModifier::option : 0) | (event.command ? HotKeyModifier::command : 0);
    // Shift only counts when the binding asks for it.
    if (!(wanted & HotKeyModifier::shift)) pressed &= ~HotKeyModifier::shift;
    return pressed == wanted;
}

bool KeyMap::handleKey(const KeyEvent& event) {
    const int key = event.keyCode;
    const bool isReturn = key == KeyCode::returnKey || key == KeyCode::enter;
    const bool cmd = event.command;
    const QString chars = event.characters.toLower();
    const SearchModel::Mode mode = m.mode();

    if ((mode == SearchModel::Mode::search || mode == SearchModel::Mode::clips) && pressedTabSwitch(event)) {
        m.clipboardTab().switchTab(m.isShowingClips() ? SearchModel::Tab::run : SearchModel::Tab::clipboard);
        return true;
    }

    switch (mode) {
    case SearchModel::Mode::search:
        return handleSearchKey(event, isReturn, chars);
    case SearchModel::Mode::actions:
        return handleActionsKey(key, isReturn, cmd, chars);
    case SearchModel::Mode::rename:
        if (isReturn) {
            m.modes().commitRename();
            return true;
        }
        if (key == KeyCode::escape) {
            m.modes().restoreSearch();
            return true;
        }
        return false;
    case SearchModel::Mode::clips:
        return handleClipKey(key, isReturn, cmd, event.option, chars);
    }
    return false;
}

bool KeyMap::handleSearchKey(const KeyEvent& event, bool isReturn, const QString& chars) {
    const int key = event.keyCode;
    const bool cmd = event.command;
    const bool opt = event.option;
    ResultActions& actions = m.resultActions();
    if (key == KeyCode::upArrow || key == KeyCode::downArrow) {
        m.pipeline().move(key == KeyCode::upArrow ? -1 : 1);
        return true;
    }
    if (isReturn) {
        if (!cmd && !opt)
            actions.open(actions.target(), std::nullopt, event.isRepeat);
        else if (opt && !cmd)
            actions.openInTerminal(actions.target());
        else if (cmd && !opt)
            actions.reveal(actions.target());
        else
            actions.pastePathIntoFrontApp(actions.target());
        return true;
    }
    if (key == KeyCode::tab) {
        m.pipeline().complete();
        return true;
    }
    if (key == KeyCode::escape) {
        if (m.query().isEmpty()) {
            m_shell.onDismiss();
        } else {
            m.setQuery(QString());
            m.modes().focus(false, false);
        }
        return true;
    }
    if (!cmd) return false;
    if (auto digit = digitOf(chars)) {
        actions.openWith(*digit - 1);
        return true;
    }
    if (chars == QLatin1String("k")) {
        m.modes().showActions(std::nullopt);
        return true;
    }
    if (chars == QLatin1String("y")) {
        actions.quickLook(actions.target());
        return true;
    }
    if (chars == QLatin1String("d")) {
        actions.toggleFavorite(actions.target());
        return true;
    }
    if (chars == QLatin1String("c") && event.shift) {
        actions.copyPath(actions.target());
        return true;
    }
    if (chars == QLatin1String(",")) {
        m_shell.onOpenSettings();
        return true;
    }
    return false;
}

bool KeyMap::handleActionsKey(int key, bool isReturn, bool cmd, const QString& chars) {
    if (key == KeyCode::upArrow || key == KeyCode::downArrow) {
        m.modes().moveActionIndex(key == KeyCode::upArrow ? -1 : 1);
        return true;
    }
    if (isReturn) {
        m.modes().performAction(m.actionIndex());
        return true;
    }
    if (key == KeyCode::tab) return true;
    if (key == KeyCode::escape || (cmd && chars == QLatin1String("k"))) {
        m.modes().restoreSearch();
        return true;
    }
    return false;
}

bool KeyMap::handleClipKey(int key, bool isReturn, bool cmd, bool opt, const QString& chars) {
    if (key == KeyCode::tab) return true;
    if (key == KeyCode::deleteKey) {
        if (!cmd) return false;
        m.clipboardTab().deleteClip(std::nullopt);
        return true;
    }
    if (key == KeyCode::escape) {
        if (!m.m_query.isEmpty())
            m.setQuery(QString());
        else
            m_shell.onDismiss();
        return true;
    }
    if (key == KeyCode::upArrow || key == KeyCode::downArrow) {
        m.pipeline().move(key == KeyCode::upArrow ? -1 : 1);
        return true;
    }
    if (isReturn) {
        if (cmd)
            m.clipboardTab().pasteClip(std::nullopt, opt);
        else
            m.clipboardTab().copyClip(std::nullopt, opt, true);
        return true;
    }
    if (!cmd) return false;
    if (auto digit = digitOf(chars)) {
        // Fewer clips than the digit: nothing happens, and the digit is not typed either.
        if (*digit <= int(m.m_results.size()))
            m.clipboardTab().copyClip(m.m_results[*digit - 1], false, true);
        return true;
    }
    if (chars == QLatin1String("k")) {
        m.modes().showActions(std::nullopt);
        return true;
    }
    if (chars == QLatin1String("p") || chars == QLatin1String("d")) {
        m.clipboardTab().togglePin(std::nullopt);
        return true;
    }
    if (chars == QLatin1String(",")) {
        m_shell.onOpenSettings();
        return true;
    }
    return false;
}

bool KeyMap::handleQuickLookKey(const KeyEvent& event) {
    if (event.keyCode != KeyCode::upArrow && event.keyCode != KeyCode::downArrow) return false;
    m.pipeline().move(event.keyCode == KeyCode::upArrow ? -1 : 1);
    if (auto item = m.selected(); item && item->url.isLocalFile()) m.resultActions().setPreviewURL(item->url);
    return true;
}

} // namespace zarvo
