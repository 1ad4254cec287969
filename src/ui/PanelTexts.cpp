#include "ui/PanelTexts.h"

#include "platform/HotKeyFormat.h"
#include "platform/HotKeyManager.h"
#include "platform/Platform.h"
#include "platform/PlatformWords.h"
#include "platform/Workspace.h"
#include "search/PanelModes.h"
#include "store/Settings.h"

#include <QFileInfo>

namespace zarvo::ui::PanelTexts {

QString placeholder(const SearchModel& model) {
    switch (model.mode()) {
    case SearchModel::Mode::search:
        return QStringLiteral("Path, file name, URL, google:\u2026, > command, keyword, or ? for help");
    case SearchModel::Mode::actions: {
        const auto& target = model.actionTarget();
        if (!target) return {};
        QString name;
        if (target->title)
            name = *target->title;
        else if (target->url.isLocalFile())
            name = QFileInfo(target->url.toLocalFile()).fileName();
        else
            name = target->url.toString();
        if (name.isEmpty()) name = target->url.toString();
        return QStringLiteral("Search actions for \u201C") + name + QStringLiteral("\u201D\u2026");
    }
    case SearchModel::Mode::rename:
        return QStringLiteral("New name");
    case SearchModel::Mode::clips:
        return QStringLiteral("Search clipboard history");
    }
    return {};
}

QStringList placeholders(const SearchModel& model) {
    if (model.mode() == SearchModel::Mode::search)
        return {placeholder(model), QStringLiteral("Path, file name, URL, > command, or ? for help"),
                QStringLiteral("Path, URL, or ? for help"), QStringLiteral("? for help")};
    return {placeholder(model)};
}

QString emptyText(const SearchModel& model, const Settings& settings) {
    if (model.mode() != SearchModel::Mode::clips) {
        if (!model.query().isEmpty())
            return model.isSearching() ? QStringLiteral("Searching\u2026") : QStringLiteral("No matches");
        return QStringLiteral(
            "Type a path, a file name, a URL, google:text, > command, or a keyword like control, cmd, lock.\n"
            "Filters: in:desktop img: pdf: folder: today: week:   \u00B7   Type ? for help, ?? for every "
            "keyword.");
    }
    if (!settings.keepClipboardHistory())
        return QStringLiteral("Clipboard history is off.\nTurn it on in Settings (\u2318,).");
    if (!model.query().isEmpty())
        return QStringLiteral("No clips match \u201C") + model.query() + QStringLiteral("\u201D");
    return QStringLiteral("Nothing copied yet.\nText, images, links and files you copy show up here.");
}

QString modeSymbol(SearchModel::Mode mode) {
    switch (mode) {
    case SearchModel::Mode::search:
        return QStringLiteral("arrow.right.circle");
    case SearchModel::Mode::actions:
        return QStringLiteral("command");
    case SearchModel::Mode::rename:
        return QStringLiteral("pencil");
    case SearchModel::Mode::clips:
        return QStringLiteral("doc.on.clipboard");
    }
    return {};
}

QList<Hint> hints(SearchModel::Mode mode) {
    switch (mode) {
    case SearchModel::Mode::search:
        return {{QStringLiteral("\u21A9"), QStringLiteral("Open")},
                {QStringLiteral("\u2318K"), QStringLiteral("Actions")},
                {QStringLiteral("\u2318Y"), QStringLiteral("Preview")},
                {QStringLiteral("\u2325\u21A9"), QStringLiteral("Terminal")},
                {QStringLiteral("\u2318D"), QStringLiteral("Favorite")},
                {QStringLiteral("\u2318\u21A9"), QStringLiteral("Show in Finder")}};
    case SearchModel::Mode::actions:
        return {{QStringLiteral("\u21A9"), QStringLiteral("Run action")},
                {QStringLiteral("esc"), QStringLiteral("Back")}};
    case SearchModel::Mode::rename:
        return {{QStringLiteral("\u21A9"), QStringLiteral("Rename")},
                {QStringLiteral("esc"), QStringLiteral("Cancel")}};
    case SearchModel::Mode::clips:
        return {{QStringLiteral("\u21A9"), QStringLiteral("Copy")},
                {QStringLiteral("\u2325\u21A9"), QStringLiteral("As plain text")},
                {QStringLiteral("\u2318\u21A9"), QStringLiteral("Paste in app")},
                {QStringLiteral("\u2318P"), QStringLiteral("Pin")},
                {QStringLiteral("\u2318\u232B"), QStringLiteral("Delete")},
                {QStringLiteral("\u2318K"), QStringLiteral("More")}};
    }
    return {};
}

QString clearTitle(const SearchModel& model) {
    if (model.confirmingClear()) return QStringLiteral("Click to Confirm");
    return model.isShowingClips() ? QStringLiteral("Clear Clips") : QStringLiteral("Clear Recent");
}

QString clearHelp(const SearchModel& model) {
    return model.isShowingClips() ? QStringLiteral("Delete all clips except pinned ones")
                                  : QStringLiteral("Forget the places you've opened (favorites stay)");
}

namespace {

QString shownKey(bool clips, const Settings& settings, const HotKeyManager* keys) {
    const PlatformWords& words = PlatformWords::current();
    const QString name = clips ? words.hotKey(settings.clipHotKeyModifiers(), settings.clipHotKeyLabel())
                               : words.hotKey(settings.hotKeyModifiers(), settings.hotKeyLabel());
    if (!keys) return name;
    return keys->shownKey(clips ? HotKeyManager::Slot::clipboard : HotKeyManager::Slot::main, name);
}

} // namespace

QString tabHelp(SearchModel::Tab tab, const Settings& settings, const HotKeyManager* keys) {
    const bool clips = tab == SearchModel::Tab::clipboard;
    return (clips ? QStringLiteral("Clipboard (") : QStringLiteral("Run (")) +
           shownKey(clips, settings, keys) + QLatin1Char(')');
}

QString tabHotKey(const SearchModel& model, const Settings& settings, const HotKeyManager* keys) {
    return shownKey(model.mode() == SearchModel::Mode::clips, settings, keys);
}

QString switchHint(const Settings& settings) {
    // The tab-switch key works inside the panel only, so it reads like the panel's other keys.
    return PlatformWords::current().keys(
               HotKeyFormat::display(settings.tabKeyModifiers(), settings.tabKeyLabel())) +
           QStringLiteral(" to switch");
}

} // namespace zarvo::ui::PanelTexts
