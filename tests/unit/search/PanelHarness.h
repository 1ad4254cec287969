#pragma once

// A panel model on the fakes with a real clip store in the temporary home, driven by key presses; with
// file search on, its queries and the installed applications are the test's to answer.

#include "clipboard/ClipStore.h"
#include "fakes/EventLoop.h"
#include "fakes/FakeAppBundleSource.h"
#include "fakes/FakeMetadataQuery.h"
#include "fakes/FakePlatform.h"
#include "fakes/Files.h"
#include "files/AppCatalog.h"
#include "search/ClipboardTab.h"
#include "search/KeyEvent.h"
#include "search/KeyMap.h"
#include "search/PanelModes.h"
#include "search/PanelShell.h"
#include "search/QueryPipeline.h"
#include "search/ResultActions.h"
#include "search/SearchModel.h"
#include "sources/PathInput.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"
#include "store/UserDefaults.h"

#include <QThreadPool>
#include <QTimer>

namespace zarvo::testing {

// The Clear control's confirmation timer, which the tests fire early instead of waiting seconds.
inline QTimer& clearTimeout(SearchModel& model) {
    return *model.findChild<QTimer*>("clearConfirmation");
}

// The rows' names, for comparing lists.
inline QStringList rowNames(const QList<ResultItem>& rows) {
    QStringList out;
    for (const auto& row : rows)
        out << row.name();
    return out;
}

struct Panel {
    fakes::FakePlatform p;
    fakes::FakeMetadataQueryFactory metadata;
    fakes::FakeAppBundleSource appSource;
    AppCatalog apps{&appSource};
    UserDefaults defaults{p.defaults, QString::fromLatin1(fakes::kTestIdentifier)};
    Settings settings{defaults, &p.platform};
    History history{defaults, p.clock};
    Favorites favorites{defaults};
    ClipStore clips{p.root.path() + "/clips", &p.pasteboard, false,
                    ClipStore::Services::fromPlatform(p.platform, &settings)};
    SearchModel model;
    int beeps = 0;
    int dismissed = 0;
    int settingsOpened = 0;
    int quickLooks = 0;

    explicit Panel(bool fileSearch = false)
        : model(SearchModel::Services{p.platform, settings, history, favorites, &clips,
                                      fileSearch ? &metadata : nullptr, &p.pasteboard,
                                      fileSearch ? &apps : nullptr}) {
        Settings::resetShared();
        model.shell().onBeep = [this] { ++beeps; };
        model.shell().onDismiss = [this] { ++dismissed; };
        model.shell().onOpenSettings = [this] { ++settingsOpened; };
        model.shell().onQuickLook = [this] { ++quickLooks; };
    }

    // The model's background work (a shown panel's folder probe, copies) reads the fakes: it ends first.
    ~Panel() {
        QThreadPool::globalInstance()->waitForDone();
        Settings::resetShared();
    }

    // "cmd+shift+c", "return", "opt+return", "down", "cmd+5" …
    static KeyEvent event(const QString& combination, bool repeat = false) {
        KeyEvent e;
        e.isRepeat = repeat;
        const QStringList parts = combination.split(QLatin1Char('+'));
        for (int i = 0; i + 1 < parts.size(); ++i) {
            const QString& m = parts[i];
            e.command |= m == QLatin1String("cmd");
            e.option |= m == QLatin1String("opt");
            e.shift |= m == QLatin1String("shift");
            e.control |= m == QLatin1String("ctrl");
        }
        const QString& key = parts.last();
        // The key codes the key map reads (KeyCode's for the named keys), in the order of the names.
        static const QStringList keys =
            QStringLiteral("return esc tab delete up down . k c d p y , a 1 2 3 4 5 6 7 8 9 0").split(' ');
        static const QList<int> codes = {36, 53, 48, 51, 126, 125, 47, 40, 8,  2,  35, 16,
                                         43, 0,  18, 19, 20,  21,  23, 22, 26, 28, 25, 29};
        e.keyCode = keys.contains(key) ? codes[keys.indexOf(key)] : 99;
        if (key.size() == 1) e.characters = key;
        return e;
    }

    bool press(const QString& combination, bool repeat = false) {
        return model.keyMap().handleKey(event(combination, repeat));
    }

    // Typing into the box, then waiting out the debounce.
    void type(const QString& text) {
        model.setQuery(text);
        if (model.pipeline().hasPendingSearch()) model.pipeline().runSearch();
    }

    bool waitForOperations() {
        return waitUntil([this] { return model.resultActions().pendingOperations() == 0; });
    }

    // The message once the background work is done.
    QString settled() {
        return waitForOperations() ? message() : QStringLiteral("<still running: %1>").arg(message());
    }

    QStringList titles() const {
        QStringList out;
        for (const auto& action : model.actions())
            out << action.title;
        return out;
    }

    QString message() const { return model.message().value_or(QString()); }

    ResultItem fileRow(const QString& path, ResultItem::Source source = ResultItem::Source::path) const {
        return ResultItem::file(&p.workspace, path, source);
    }

    static ResultItem webRow(const QString& url) {
        ResultItem web;
        web.url = QUrl(url);
        web.source = ResultItem::Source::web;
        return web;
    }

    // The file queries of the latest search.
    QList<fakes::FakeMetadataQuery*> live() const {
        QList<fakes::FakeMetadataQuery*> out;
        for (const auto& q : metadata.created)
            if (q && q->started && !q->stopped) out << q.data();
        return out;
    }

    // Copies made in another application, filed synchronously.
    void addTextClip(const QString& text) {
        PasteboardItem item;
        item.setString(PasteboardType::plainText, text);
        clips.capture({PasteboardType::plainText}, {item}, "Editor", "org.example.editor");
        p.clock.advance(1);
    }

    // Copies seen by the store's poll, filed.
    void fileClips() {
        clips.poll();
        clips.flush();
        QCoreApplication::processEvents();
    }
};

} // namespace zarvo::testing
