#include "search/SearchModel.h"

#include "clipboard/ClipStore.h"
#include "files/SpotlightSearch.h"
#include "platform/HotKeyFormat.h"
#include "platform/PlatformWords.h"
#include "search/Help.h"
#include "search/ItemActions.h"
#include "sources/PathInput.h"
#include "store/Favorites.h"
#include "store/History.h"
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

QString quoted(const QString& text) {
    return QStringLiteral("\u201C") + text + QStringLiteral("\u201D");
}

} // namespace

void SearchModel::cancelSearches() {
    m_pendingSearch.stop();
    if (m_spotlight) m_spotlight->cancel();
    ++m_searchGeneration;
    if (m_isSearching) {
        m_isSearching = false;
        publish();
    }
}

bool SearchModel::pressedTabSwitch(const KeyEvent& event) const {
    if (event.keyCode < 0 || quint32(event.keyCode) != m_services.settings.tabKeyCode()) return false;
    const quint32 wanted = m_services.settings.tabKeyModifiers();
    quint32 pressed =
        (event.shift ? HotKeyModifier::shift : 0) | (event.control ? HotKeyModifier::control : 0) |
        (event.option ? HotKeyModifier::option : 0) | (event.command ? HotKeyModifier::command : 0);
    // Shift only counts when the binding asks for it.
    if (!(wanted & HotKeyModifier::shift)) pressed &= ~HotKeyModifier::shift;
    return pressed == wanted;
}

bool SearchModel::handleKey(const KeyEvent& event) {
    const int key = event.keyCode;
    const bool isReturn = key == KeyCode::returnKey || key == KeyCode::enter;
    const bool cmd = event.command;
    const bool opt = event.option;
    const QString chars = event.characters.toLower();

    if ((m_mode == Mode::search || m_mode == Mode::clips) && pressedTabSwitch(event)) {
        switchTab(isShowingClips() ? Tab::run : Tab::clipboard);
        return true;
    }

    switch (m_mode) {
    case Mode::search:
        if (key == KeyCode::upArrow || key == KeyCode::downArrow) {
            move(key == KeyCode::upArrow ? -1 : 1);
            return true;
        }
        if (isReturn) {
            if (!cmd && !opt)
                open(target(), std::nullopt, event.isRepeat);
            else if (opt && !cmd)
                openInTerminal(target());
            else if (cmd && !opt)
                reveal(target());
            else
                pastePathIntoFrontApp(target());
            return true;
        }
        if (key == KeyCode::tab) {
            complete();
            return true;
        }
        if (key == KeyCode::escape) {
            if (m_query.isEmpty()) {
                onDismiss();
            } else {
                setQuery(QString());
                focus(false, false);
            }
            return true;
        }
        if (!cmd) return false;
        if (auto digit = digitOf(chars)) {
            openWith(*digit - 1);
            return true;
        }
        if (chars == QLatin1String("k")) {
            showActions(std::nullopt);
            return true;
        }
        if (chars == QLatin1String("y")) {
            quickLook(target());
            return true;
        }
        if (chars == QLatin1String("d")) {
            toggleFavorite(target());
            return true;
        }
        if (chars == QLatin1String("c") && event.shift) {
            copyPath(target());
            return true;
        }
        if (chars == QLatin1String(",")) {
            onOpenSettings();
            return true;
        }
        return false;

    case Mode::actions:
        if (key == KeyCode::upArrow) {
            m_actionIndex = std::max(0, m_actionIndex - 1);
            publish();
            return true;
        }
        if (key == KeyCode::downArrow) {
            m_actionIndex = std::min(m_actionIndex + 1, std::max(0, int(m_actions.size()) - 1));
            publish();
            return true;
        }
        if (isReturn) {
            performAction(m_actionIndex);
            return true;
        }
        if (key == KeyCode::tab) return true;
        if (key == KeyCode::escape || (cmd && chars == QLatin1String("k"))) {
            restoreSearch();
            return true;
        }
        return false;

    case Mode::rename:
        if (isReturn) {
            commitRename();
            return true;
        }
        if (key == KeyCode::escape) {
            restoreSearch();
            return true;
        }
        return false;

    case Mode::clips:
        return handleClipKey(key, isReturn, cmd, opt, chars);
    }
    return false;
}

bool SearchModel::handleClipKey(int key, bool isReturn, bool cmd, bool opt, const QString& chars) {
    if (key == KeyCode::tab) return true;
    if (key == KeyCode::deleteKey) {
        if (!cmd) return false;
        deleteClip(std::nullopt);
        return true;
    }
    if (key == KeyCode::escape) {
        if (!m_query.isEmpty())
            setQuery(QString());
        else
            onDismiss();
        return true;
    }
    if (key == KeyCode::upArrow || key == KeyCode::downArrow) {
        move(key == KeyCode::upArrow ? -1 : 1);
        return true;
    }
    if (isReturn) {
        if (cmd)
            pasteClip(std::nullopt, opt);
        else
            copyClip(std::nullopt, opt, true);
        return true;
    }
    if (!cmd) return false;
    if (auto digit = digitOf(chars)) {
        // Fewer clips than the digit: nothing happens, and the digit is not typed either.
        if (*digit <= int(m_results.size())) copyClip(m_results[*digit - 1], false, true);
        return true;
    }
    if (chars == QLatin1String("k")) {
        showActions(std::nullopt);
        return true;
    }
    if (chars == QLatin1String("p") || chars == QLatin1String("d")) {
        togglePin(std::nullopt);
        return true;
    }
    if (chars == QLatin1String(",")) {
        onOpenSettings();
        return true;
    }
    return false;
}

bool SearchModel::handleQuickLookKey(const KeyEvent& event) {
    if (event.keyCode != KeyCode::upArrow && event.keyCode != KeyCode::downArrow) return false;
    move(event.keyCode == KeyCode::upArrow ? -1 : 1);
    if (auto item = selected(); item && item->url.isLocalFile()) {
        m_previewURL = item->url;
        publish();
    }
    return true;
}

// --- The actions menu --------------------------------------------------------------------------------

void SearchModel::showActions(const std::optional<ResultItem>& item) {
    std::optional<ResultItem> chosen;
    if (m_mode == Mode::search || m_mode == Mode::clips)
        chosen = item ? item : (m_mode == Mode::clips ? selected() : target());
    if (!chosen || chosen->source == ResultItem::Source::help) {
        refuse(QStringLiteral("Select a result first"));
        return;
    }
    cancelSearches();
    m_actionTarget = chosen;
    m_allActions = buildActions(*chosen);
    // Shown, filtered and printed by zarvo-cli alike, so spelled for this desktop once, here.
    const PlatformWords& words = PlatformWords::current();
    for (ItemAction& action : m_allActions) {
        action.title = words.text(action.title);
        if (action.shortcut) action.shortcut = words.keys(*action.shortcut);
    }
    m_actionReturnMode = m_mode;
    m_savedQuery = m_query;
    m_mode = Mode::actions;
    setQuery(QString());
    filterActions();
    focus(false, false);
}

void SearchModel::performAction(int index) {
    if (index < 0 || index >= int(m_actions.size())) return;
    const ItemAction action = m_actions[index];
    restoreSearch();
    if (action.perform) action.perform();
}

// --- Rename ------------------------------------------------------------------------------------------

void SearchModel::startRename(const ResultItem& item) {
    if (!item.url.isLocalFile()) {
        refuse(QStringLiteral("Only files and folders can be renamed"));
        return;
    }
    if (m_mode == Mode::search) m_savedQuery = m_query;
    cancelSearches();
    m_actionTarget = item;
    m_mode = Mode::rename;
    const QString name = PathInput::lastPathComponent(item.url.toLocalFile());
    setQuery(name);
    setMessage(QStringLiteral("Renaming ") + quoted(name) +
               QStringLiteral(". \u21A9 to save, esc to cancel"));
    focus(true, false);
}

void SearchModel::commitRename() {
    if (!m_actionTarget) {
        restoreSearch();
        return;
    }
    const QString name = m_query.trimmed();
    // A NUL would silently cut the name short at the system call.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QChar(0)) ||
        name == QLatin1String(".") || name == QLatin1String("..")) {
        refuse(QStringLiteral("That isn't a valid name"));
        return;
    }
    const QString path = m_actionTarget->url.toLocalFile();
    if (name == PathInput::lastPathComponent(path)) {
        restoreSearch();
        return;
    }
    const QString destination =
        PathInput::appendingPathComponent(PathInput::deletingLastPathComponent(path), name);
    // A change of letter case only is allowed where the volume sees the same item under both names; an
    // existing different item is never replaced.
    const bool caseOnly = destination.compare(path, Qt::CaseInsensitive) == 0;
    if (FileOperations::existsAt(destination) &&
        !(caseOnly && FileOperations::isSameFile(path, destination))) {
        refuse(quoted(name) + QStringLiteral(" already exists here"));
        return;
    }
    if (auto error = FileOperations::moveItem(path, destination)) {
        refuse(*error);
        return;
    }
    m_services.history.replace(path, destination);
    m_services.favorites.replace(path, destination);
    m_savedQuery = destination;
    restoreSearch();
    setMessage(QStringLiteral("Renamed to ") + quoted(name));
}

// --- Clearing the history ----------------------------------------------------------------------------

void SearchModel::clearHistory() {
    if (!m_confirmingClear) {
        m_confirmingClear = true;
        const QString prompt =
            isShowingClips()
                ? QStringLiteral(
                      "Click Clear again to delete all clips except pinned ones. This can't be undone.")
                : QStringLiteral("Click Clear again to forget the places you've opened. Favorites stay.");
        setMessage(prompt);
        QObject::disconnect(m_clearTimeoutConnection);
        m_clearTimeoutConnection = connect(&m_clearTimeout, &QTimer::timeout, this, [this, prompt] {
            m_confirmingClear = false;
            if (m_message == prompt) setMessage(std::nullopt);
            publish();
        });
        m_clearTimeout.start();
        publish();
        return;
    }
    cancelClearConfirmation();
    if (isShowingClips()) {
        const int before = m_services.clips ? int(m_services.clips->clips().size()) : 0;
        if (m_services.clips) m_services.clips->clearUnpinned();
        filterClips(std::nullopt);
        const int after = m_services.clips ? int(m_services.clips->clips().size()) : 0;
        const int removed = before - after;
        setMessage(QStringLiteral("Cleared %1 clip%2%3")
                       .arg(removed)
                       .arg(removed == 1 ? QString() : QStringLiteral("s"))
                       .arg(after > 0 ? QStringLiteral(". Pinned clips stay") : QString()));
    } else {
        m_services.history.clear();
        runSearch();
        setMessage(QStringLiteral("Cleared recent history"));
    }
    focus(false, true);
}

bool SearchModel::canClearHistory() const {
    if (!isShowingClips()) return !m_services.history.entries().isEmpty();
    if (!m_services.clips) return false;
    for (const Clip& clip : m_services.clips->clips())
        if (!clip.pinned) return true;
    return false;
}

// --- Help --------------------------------------------------------------------------------------------

void SearchModel::tryHelp(const ResultItem& item) {
    if (!item.example)
        setMessage(QStringLiteral("Use these keys on any search result"));
    else if (*item.example == Help::settingsSentinel())
        onOpenSettings();
    else
        setQuery(*item.example);
}

} // namespace zarvo
