#include "ui/PanelTexts.h"

#include "platform/HotKeyFormat.h"
#include "platform/HotKeyManager.h"
#include "platform/Platform.h"
#include "platform/PlatformWords.h"
#include "platform/Workspace.h"
#include "search/PanelModes.h"
#include "store/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zarvo::ui::PanelTexts {

QString placeholder(const SearchModel& model) {
    switch (model.mode()) {
    case SearchModel::Mode::search:
        return QCoreApplication::translate(
            "PanelTexts", "Path, file name, URL, google:\u2026, > command, keyword, or ? for help");
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
        return QCoreApplication::translate("PanelTexts", "Search actions for \u201C%1\u201D\u2026").arg(name);
    }
    case SearchModel::Mode::rename:
        return QCoreApplication::translate("PanelTexts", "New name");
    case SearchModel::Mode::clips:
        return QCoreApplication::translate("PanelTexts", "Search clipboard history");
    }
    return {};
}

QStringList placeholders(const SearchModel& model) {
    if (model.mode() == SearchModel::Mode::search)
        return {placeholder(model),
                QCoreApplication::translate("PanelTexts", "Path, file name, URL, > command, or ? for help"),
                QCoreApplication::translate("PanelTexts", "Path, URL, or ? for help"),
                QCoreApplication::translate("PanelTexts", "? for help")};
    return {placeholder(model)};
}

QString emptyText(const SearchModel& model, const Settings& settings) {
    if (model.mode() != SearchModel::Mode::clips) {
        if (!model.query().isEmpty())
            return model.isSearching() ? QCoreApplication::translate("PanelTexts", "Searching\u2026")
                                       : QCoreApplication::translate("PanelTexts", "No matches");
        //: Keep the typed words as they are: google:, control, cmd, lock, in:desktop, img:, pdf:, folder:,
        //: today:, week:.
        return QCoreApplication::translate(
            "PanelTexts",
            "Type a path, a file name, a URL, google:text, > command, or a keyword like control, cmd, lock.\n"
            "Filters: in:desktop img: pdf: folder: today: week:   \u00B7   Type ? for help, ?? for every "
            "keyword.");
    }
    if (!settings.keepClipboardHistory())
        return QCoreApplication::translate("PanelTexts",
                                           "Clipboard history is off.\nTurn it on in Settings (\u2318,).");
    if (!model.query().isEmpty())
        return QCoreApplication::translate("PanelTexts", "No clips match \u201C%1\u201D").arg(model.query());
    return QCoreApplication::translate(
        "PanelTexts", "Nothing copied yet.\nText, images, links and files you copy show up here.");
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
        return {
            {QStringLiteral("\u21A9"), QCoreApplication::translate("PanelTexts", "Open", "verb")},
            {QStringLiteral("\u2318K"), QCoreApplication::translate("PanelTexts", "Actions")},
            {QStringLiteral("\u2318Y"), QCoreApplication::translate("PanelTexts", "Preview")},
            {QStringLiteral("\u2325\u21A9"), QCoreApplication::translate("PanelTexts", "Terminal")},
            {QStringLiteral("\u2318D"), QCoreApplication::translate("PanelTexts", "Favorite")},
            {QStringLiteral("\u2318\u21A9"), QCoreApplication::translate("PanelTexts", "Show in Finder")}};
    case SearchModel::Mode::actions:
        return {{QStringLiteral("\u21A9"), QCoreApplication::translate("PanelTexts", "Run action")},
                {QStringLiteral("esc"), QCoreApplication::translate("PanelTexts", "Back")}};
    case SearchModel::Mode::rename:
        return {{QStringLiteral("\u21A9"), QCoreApplication::translate("PanelTexts", "Rename")},
                {QStringLiteral("esc"), QCoreApplication::translate("PanelTexts", "Cancel")}};
    case SearchModel::Mode::clips:
        return {{QStringLiteral("\u21A9"), QCoreApplication::translate("PanelTexts", "Copy")},
                {QStringLiteral("\u2325\u21A9"), QCoreApplication::translate("PanelTexts", "As plain text")},
                {QStringLiteral("\u2318\u21A9"), QCoreApplication::translate("PanelTexts", "Paste in app")},
                {QStringLiteral("\u2318P"), QCoreApplication::translate("PanelTexts", "Pin")},
                {QStringLiteral("\u2318\u232B"), QCoreApplication::translate("PanelTexts", "Delete")},
                {QStringLiteral("\u2318K"), QCoreApplication::translate("PanelTexts", "More")}};
    }
    return {};
}

QString clearTitle(const SearchModel& model) {
    if (model.confirmingClear()) return QCoreApplication::translate("PanelTexts", "Click to Confirm");
    return model.isShowingClips() ? QCoreApplication::translate("PanelTexts", "Clear Clips")
                                  : QCoreApplication::translate("PanelTexts", "Clear Recent");
}

QString clearHelp(const SearchModel& model) {
    return model.isShowingClips()
               ? QCoreApplication::translate("PanelTexts", "Delete all clips except pinned ones")
               : QCoreApplication::translate("PanelTexts",
                                             "Forget the places you've opened (favorites stay)");
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
    return (clips ? QCoreApplication::translate("PanelTexts", "Clipboard (%1)")
                  : QCoreApplication::translate("PanelTexts", "Run (%1)"))
        .arg(shownKey(clips, settings, keys));
}

QString tabHotKey(const SearchModel& model, const Settings& settings, const HotKeyManager* keys) {
    return shownKey(model.mode() == SearchModel::Mode::clips, settings, keys);
}

QString switchHint(const Settings& settings) {
    // The tab-switch key works inside the panel only, so it reads like the panel's other keys.
    return QCoreApplication::translate("PanelTexts", "%1 to switch")
        .arg(PlatformWords::current().keys(
            HotKeyFormat::display(settings.tabKeyModifiers(), settings.tabKeyLabel())));
}

} // namespace zarvo::ui::PanelTexts
