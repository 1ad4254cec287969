#include "search/ResultActions.h"

#include "clipboard/ClipStore.h"
#include "platform/PlatformWords.h"
#include "platform/Workspace.h"
#include "search/ClipboardTab.h"
#include "search/FileOperations.h"
#include "search/PanelModes.h"
#include "search/SearchModel.h"
#include "sources/PathInput.h"
#include "sources/SystemAction.h"
#include "store/Favorites.h"
#include "store/History.h"

#include <QPointer>

// The rows of the actions menu, for a result and for a clip.

namespace zarvo {

namespace {

bool isWeb(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

} // namespace

QList<ItemAction> ResultActions::buildActions(const ResultItem& item) {
    QList<ItemAction> out = rowActions(item);
    // Shown, filtered and printed by zarvo-cli alike, so spelled for this desktop once, here.
    const PlatformWords& words = PlatformWords::of(m_services.platform);
    for (ItemAction& action : out) {
        action.title = words.text(action.title);
        if (action.shortcut) action.shortcut = words.keys(*action.shortcut);
    }
    return out;
}

QList<ItemAction> ResultActions::rowActions(const ResultItem& item) {
    if (item.clipID)
        if (auto found = m.clipboardTab().clip(item)) return clipActions(item, *found);
    QPointer<ResultActions> self(this);
    // Each action holds its own copy of the item and the model weakly.
    const auto act = [self, item](void (ResultActions::*operation)(const std::optional<ResultItem>&)) {
        return [self, item, operation] {
            if (self) (self.data()->*operation)(item);
        };
    };
    const auto run = [self](std::function<void(ResultActions&)> body) {
        return [self, body] {
            if (self) body(*self);
        };
    };
    using S = std::optional<QString>;
    if (item.url == ResultItem::clipsURL())
        return {ItemAction{tr("Show Clipboard History"), QStringLiteral("doc.on.clipboard"),
                           S(QStringLiteral("\u21A9")), false,
                           run([item](ResultActions& a) { a.open(item); })}};

    QList<ItemAction> out;
    const bool file = item.url.isLocalFile();
    const bool web = !file && isWeb(item.url);
    const QString openTitle = item.command         ? tr("Run in Terminal")
                              : !item.systemAction ? tr("Open", "verb")
                                                   : SystemActions::title(*item.systemAction);
    out << ItemAction{openTitle, QStringLiteral("arrow.up.forward.app"), S(QStringLiteral("\u21A9")), false,
                      run([item](ResultActions& a) { a.open(item); })};
    if (web) {
        out << ItemAction{tr("Copy URL"), QStringLiteral("link"), S(QStringLiteral("\u2318\u21E7C")), false,
                          act(&ResultActions::copyPath)};
        const QString label = item.url.host().isEmpty() ? item.name() : item.url.host();
        const QString link = QLatin1Char('[') + label + QStringLiteral("](") +
                             item.url.toString(QUrl::FullyEncoded) + QLatin1Char(')');
        out << ItemAction{tr("Copy as Markdown Link"),
                          QStringLiteral("chevron.left.forwardslash.chevron.right"), S(), false,
                          run([link](ResultActions& a) { a.copyText(link); })};
    }
    if (!file && !web && item.command)
        out << ItemAction{tr("Copy Command"), QStringLiteral("doc.on.doc"),
                          S(QStringLiteral("\u2318\u21E7C")), false, act(&ResultActions::copyPath)};
    if (file) {
        const QString name = PathInput::lastPathComponent(item.url.toLocalFile());
        const QString link = QLatin1Char('[') + item.name() + QStringLiteral("](") +
                             item.url.toString(QUrl::FullyEncoded) + QLatin1Char(')');
        out << ItemAction{tr("Reveal in Finder"), QStringLiteral("folder"), S(QStringLiteral("\u2318\u21A9")),
                          false, act(&ResultActions::reveal)}
            << ItemAction{tr("Quick Look"), QStringLiteral("eye"), S(QStringLiteral("\u2318Y")), false,
                          act(&ResultActions::quickLook)}
            << ItemAction{tr("Open in Terminal"), QStringLiteral("terminal"),
                          S(QStringLiteral("\u2325\u21A9")), false, act(&ResultActions::openInTerminal)}
            << ItemAction{tr("Paste Path into %1").arg(frontAppName(tr("Front App"))),
                          QStringLiteral("text.insert"), S(QStringLiteral("\u2325\u2318\u21A9")), false,
                          act(&ResultActions::pastePathIntoFrontApp)}
            << ItemAction{tr("Copy File"), QStringLiteral("doc.on.doc"), S(), false,
                          act(&ResultActions::copyFile)}
            << ItemAction{tr("Copy Path"), QStringLiteral("link"), S(QStringLiteral("\u2318\u21E7C")), false,
                          act(&ResultActions::copyPath)}
            << ItemAction{tr("Copy Name"), QStringLiteral("textformat"), S(), false,
                          run([name](ResultActions& a) { a.copyText(name); })}
            << ItemAction{tr("Copy as Markdown Link"),
                          QStringLiteral("chevron.left.forwardslash.chevron.right"), S(), false,
                          run([link](ResultActions& a) { a.copyText(link); })};
    }
    const bool favorite = m_services.favorites.contains(item.historyKey());
    out << ItemAction{favorite ? tr("Remove from Favorites") : tr("Add to Favorites"),
                      favorite ? QStringLiteral("star.slash") : QStringLiteral("star"),
                      S(QStringLiteral("\u2318D")), false, act(&ResultActions::toggleFavorite)};
    if (file) {
        out << ItemAction{tr("Rename\u2026"), QStringLiteral("pencil"), S(), false,
                          run([item](ResultActions& a) { a.m.modes().startRename(item); })}
            << ItemAction{tr("Duplicate"), QStringLiteral("plus.square.on.square"), S(), false,
                          act(&ResultActions::duplicate)}
            << ItemAction{tr("Compress to ZIP"), QStringLiteral("doc.zipper"), S(), false,
                          act(&ResultActions::compress)}
            << ItemAction{tr("Move to\u2026"), QStringLiteral("folder.badge.plus"), S(), false,
                          act(&ResultActions::moveTo)}
            << ItemAction{tr("Get Info"), QStringLiteral("info.circle"), S(), false,
                          run([item](ResultActions& a) { a.getInfo(item); })}
            << ItemAction{tr("Move to Trash"), QStringLiteral("trash"), S(), true,
                          act(&ResultActions::moveToTrash)};
    }
    const QString key = item.historyKey();
    for (const History::Entry& entry : m_services.history.entries()) {
        if (entry.key == key) {
            out << ItemAction{tr("Remove from History"), QStringLiteral("clock.arrow.circlepath"), S(), false,
                              run([item](ResultActions& a) { a.removeFromHistory(item); })};
            break;
        }
    }
    return out;
}

QList<ItemAction> ResultActions::clipActions(const ResultItem& item, const Clip& clip) {
    QPointer<ResultActions> self(this);
    const auto run = [self](std::function<void(ResultActions&)> body) {
        return [self, body] {
            if (self) body(*self);
        };
    };
    using S = std::optional<QString>;
    QList<ItemAction> out;
    out << ItemAction{tr("Copy"), QStringLiteral("doc.on.doc"), S(QStringLiteral("\u21A9")), false,
                      run([item](ResultActions& a) { a.m.clipboardTab().copyClip(item, false, true); })};
    if (clip.kind != Clip::Kind::image)
        out << ItemAction{tr("Copy as Plain Text"), QStringLiteral("textformat"),
                          S(QStringLiteral("\u2325\u21A9")), false,
                          run([item](ResultActions& a) { a.m.clipboardTab().copyClip(item, true, true); })};
    out << ItemAction{tr("Paste into %1").arg(frontAppName(tr("Front App"))), QStringLiteral("text.insert"),
                      S(QStringLiteral("\u2318\u21A9")), false,
                      run([item](ResultActions& a) { a.m.clipboardTab().pasteClip(item, false); })};
    if (clip.kind == Clip::Kind::link) {
        if (auto url = PathInput::webURL(clip.text.trimmed()))
            out << ItemAction{tr("Open Link"), QStringLiteral("safari"), S(), false,
                              [space = workspace(), url = *url] {
                                  if (space) space->openURL(url);
                              }};
    }
    if (clip.kind == Clip::Kind::files) {
        QList<QUrl> existing;
        for (const QString& path : clip.paths())
            if (FileOperations::existsAt(path)) existing << QUrl::fromLocalFile(path);
        if (!existing.isEmpty())
            out << ItemAction{tr("Reveal in Finder"), QStringLiteral("folder"), S(), false,
                              [space = workspace(), existing] {
                                  if (space) space->revealInFileManager(existing);
                              }};
    }
    out << ItemAction{clip.pinned ? tr("Unpin") : tr("Pin"),
                      clip.pinned ? QStringLiteral("pin.slash") : QStringLiteral("pin"),
                      S(QStringLiteral("\u2318P")), false,
                      run([item](ResultActions& a) { a.m.clipboardTab().togglePin(item); })};
    out << ItemAction{tr("Delete from Clipboard History"), QStringLiteral("trash"),
                      S(QStringLiteral("\u2318\u232B")), true,
                      run([item](ResultActions& a) { a.m.clipboardTab().deleteClip(item); })};
    return out;
}

} // namespace zarvo

namespace zarvo {

QList<ItemAction> ResultActions::contextActions(const ResultItem& item) {
    QPointer<ResultActions> self(this);
    const auto run = [self](std::function<void(ResultActions&)> body) {
        return [self, body] {
            if (self) body(*self);
        };
    };
    using S = std::optional<QString>;
    const auto entry = [](const QString& title, std::function<void()> perform, bool startsGroup = false) {
        return ItemAction{title, QString(), S(), false, std::move(perform), startsGroup};
    };
    QList<ItemAction> out;
    if (item.clipID) {
        out << entry(tr("Copy"),
                     run([item](ResultActions& a) { a.m.clipboardTab().copyClip(item, false, false); }))
            << entry(tr("Copy as Plain Text"),
                     run([item](ResultActions& a) { a.m.clipboardTab().copyClip(item, true, false); }))
            << entry(tr("Paste into Front App"),
                     run([item](ResultActions& a) { a.m.clipboardTab().pasteClip(item, false); }))
            << entry(item.isPinned ? tr("Unpin") : tr("Pin"),
                     run([item](ResultActions& a) { a.m.clipboardTab().togglePin(item); }))
            << entry(tr("Delete from Clipboard History"),
                     run([item](ResultActions& a) { a.m.clipboardTab().deleteClip(item); }), true);
    } else {
        out << entry(tr("Open", "verb"), run([item](ResultActions& a) { a.open(item, std::nullopt, false); }))
            << entry(tr("Actions\u2026"), run([item](ResultActions& a) { a.m.modes().showActions(item); }));
        if (item.url.isLocalFile())
            out << entry(tr("Reveal in Finder"), run([item](ResultActions& a) { a.reveal(item); }))
                << entry(tr("Quick Look"), run([item](ResultActions& a) { a.quickLook(item); }));
        out << entry(tr("Copy Path"), run([item](ResultActions& a) { a.copyPath(item); }));
        const bool favorite = m_services.favorites.contains(item.historyKey());
        out << entry(favorite ? tr("Remove from Favorites") : tr("Add to Favorites"),
                     run([item](ResultActions& a) { a.toggleFavorite(item); }));
        if (item.source == ResultItem::Source::history)
            out << entry(tr("Remove from History"),
                         run([item](ResultActions& a) { a.removeFromHistory(item); }), true);
    }
    const PlatformWords& words = PlatformWords::of(m_services.platform);
    for (ItemAction& action : out)
        action.title = words.text(action.title);
    return out;
}

} // namespace zarvo
