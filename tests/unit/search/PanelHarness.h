#pragma once

// A panel model on the fakes with a real clip store in the temporary home, driven by key presses.

#include "clipboard/ClipStore.h"
#include "fakes/FakePlatform.h"
#include "search/KeyEvent.h"
#include "search/SearchModel.h"
#include "sources/PathInput.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"
#include "store/UserDefaults.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QThreadPool>
#include <functional>

namespace zarvo::testing {

// Reaches the model's timers, which the tests fire early instead of waiting seconds.
class TestModel : public SearchModel {
public:
    using SearchModel::m_clearTimeout;
    using SearchModel::SearchModel;
};

inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 20000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

inline void pump(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

inline ClipStore::Services clipServices(fakes::FakePlatform& p, const Settings& settings) {
    ClipStore::Services services = ClipStore::Services::fromPlatform();
    // The store reads this harness's settings, as the application's reads the shared ones.
    services.policy = [&settings] {
        return ClipPolicy{settings.keepClipboardHistory(), settings.clipRetentionDays(),
                          settings.clipIgnoredApps()};
    };
    services.workspace = &p.workspace;
    services.clock = &p.clock;
    services.webURL = [](const QString& text) { return PathInput::webURL(text); };
    services.expandPath = [](const QString& text) { return PathInput::expand(text); };
    return services;
}

struct Panel {
    fakes::FakePlatform p;
    UserDefaults defaults{p.defaults, QString::fromLatin1(fakes::kTestIdentifier)};
    Settings settings{defaults};
    History history{defaults, p.clock};
    Favorites favorites{defaults};
    ClipStore clips{p.root.path() + QStringLiteral("/clips"), &p.pasteboard, false, clipServices(p, settings)};
    TestModel model{SearchModel::Services{settings, history, favorites, &clips, nullptr, &p.pasteboard}};
    int beeps = 0;
    int dismissed = 0;
    int settingsOpened = 0;
    int quickLooks = 0;

    Panel() {
        model.onBeep = [this] { ++beeps; };
        model.onDismiss = [this] { ++dismissed; };
        model.onOpenSettings = [this] { ++settingsOpened; };
        model.onQuickLook = [this] { ++quickLooks; };
    }

    // Background work started by the model (the folder-access probe of a shown panel, copies) reads the
    // current platform: it ends before the fakes go.
    ~Panel() { QThreadPool::globalInstance()->waitForDone(); }

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
        const QString key = parts.last();
        static const QHash<QString, int> named = {
            {QStringLiteral("return"), KeyCode::returnKey},
            {QStringLiteral("enter"), KeyCode::enter},
            {QStringLiteral("esc"), KeyCode::escape},
            {QStringLiteral("tab"), KeyCode::tab},
            {QStringLiteral("delete"), KeyCode::deleteKey},
            {QStringLiteral("up"), KeyCode::upArrow},
            {QStringLiteral("down"), KeyCode::downArrow},
            {QStringLiteral("."), 47},
            {QStringLiteral("k"), 40},
            {QStringLiteral("c"), 8},
            {QStringLiteral("d"), 2},
            {QStringLiteral("p"), 35},
            {QStringLiteral("y"), 16},
            {QStringLiteral(","), 43},
            {QStringLiteral("a"), 0},
            {QStringLiteral("v"), KeyCode::v},
        };
        static const QHash<QString, int> digits = {{"1", 18}, {"2", 19}, {"3", 20}, {"4", 21}, {"5", 23},
                                                   {"6", 22}, {"7", 26}, {"8", 28}, {"9", 25}, {"0", 29}};
        if (named.contains(key))
            e.keyCode = named.value(key);
        else
            e.keyCode = digits.value(key, 99);
        if (key.size() == 1) e.characters = key;
        return e;
    }

    bool press(const QString& combination, bool repeat = false) {
        return model.handleKey(event(combination, repeat));
    }

    // Typing into the box, then waiting out the debounce.
    void type(const QString& text) {
        model.setQuery(text);
        if (model.hasPendingSearch()) model.runSearch();
    }

    bool waitForOperations() {
        return waitUntil([this] { return model.pendingOperations() == 0; });
    }

    QStringList titles() const {
        QStringList out;
        for (const auto& action : model.actions())
            out << action.title;
        return out;
    }

    QString message() const { return model.message().value_or(QString()); }

    // Copies made in another application, filed synchronously.
    void addTextClip(const QString& text) {
        PasteboardItem item;
        item.setString(PasteboardType::plainText, text);
        clips.capture({PasteboardType::plainText}, {item}, QStringLiteral("Editor"),
                      QStringLiteral("org.example.editor"));
        p.clock.advance(1);
    }
};

} // namespace zarvo::testing
