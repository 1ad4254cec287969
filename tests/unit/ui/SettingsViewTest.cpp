#include "../search/PanelHarness.h"
#include "fakes/Printers.h"

#include "platform/HotKeyManager.h"
#include "platform/SessionReport.h"
#include "store/HotKeyRegistration.h"
#include "ui/SettingsControls.h"
#include "ui/SettingsView.h"
#include "ui/SettingsWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zarvo;
using namespace zarvo::ui;
using zarvo::testing::Panel;
using Shortcut = ShortcutRecorder::Shortcut;

namespace {

// The back end's word on this session, as a test sets it.
class FakeSession : public SessionInfo {
public:
    SessionFacts now{"Wayland (sway), panel on XWayland", "clipboard through data-control", {}};
    SessionFacts facts() const override { return now; }
};

struct Window {
    Panel f;
    HotKeyManager keys{&f.p.hotKeys, &f.p.desktopShortcuts};
    HotKeyRegistration registration{f.settings, keys};
    FakeSession session;
    // A build without an update feed, as one from source; a test may change these before open().
    SettingsView::Services services{f.settings, f.history, &f.clips,     &f.p.workspace, registration, {},
                                    "1.2",      "zarvo",   std::nullopt, QString(),      &session};
    std::unique_ptr<SettingsWindow> window;
    SettingsView* view = nullptr;

    explicit Window(bool open = true) {
        services.platform = &f.p.platform;
        registration.start();
        // As the application's store does: a retention chosen here prunes at once.
        f.clips.followRetention(f.settings);
        if (open) this->open();
    }
    void open() {
        window = std::make_unique<SettingsWindow>(services);
        view = window->view();
        window->show();
    }
    // A key pressed while the window has the keyboard, through the application as a person's would go.
    void press(int key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QKeyEvent override(QEvent::ShortcutOverride, key, modifiers, text);
        QApplication::sendEvent(target, &override);
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &event);
    }
    template <typename W> W* find(const std::function<bool(W*)>& match) const {
        for (W* w : window->findChildren<W*>())
            if (match(w)) return w;
        return nullptr;
    }
    QPushButton* button(const QString& text) const {
        return find<QPushButton>([&](QPushButton* b) { return b->text() == text; });
    }
    QLabel* labelStartingWith(const QString& start) const {
        return find<QLabel>([&](QLabel* l) { return l->text().startsWith(start); });
    }
    QString error() const { return view->recorder().hotKeyError().value_or(QString()); }
    QPair<quint32, quint32> registered(HotKeyManager::Slot slot) const {
        return f.p.hotKeys.registered.value(int(slot), {0, 0});
    }
    bool defaultKeysActive() const {
        return registered(HotKeyManager::Slot::main) == qMakePair(15u, 0x100u) &&
               registered(HotKeyManager::Slot::clipboard) == qMakePair(9u, 0x300u);
    }
};

} // namespace

TEST(SettingsViewTest, RecorderRefusesWhatCannotWorkAndKeepsTheOldKeysActive) {
    Window w;
    ShortcutRecorder& r = w.view->recorder();
    w.button("⌘R")->click();
    EXPECT_EQ(r.recording(), Shortcut::main);
    EXPECT_TRUE(w.f.p.hotKeys.registered.isEmpty()) << "the current keys must be pressable while recording";
    EXPECT_TRUE(w.button("Press keys… (esc to cancel)"));

    w.press(Qt::Key_A, Qt::ShiftModifier, "A");
    EXPECT_EQ(w.error(), "Include ⌘, ⌥ or ⌃ in the shortcut.");
    EXPECT_EQ(r.recording(), Shortcut::main);
    // ⇧⌘V is the clipboard key.
    w.press(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier, "\x16");
    EXPECT_EQ(w.error(), "⇧⌘V is already another Zarvo shortcut.");
    // Esc cancels: the window stays open and the former keys work again.
    w.press(Qt::Key_Escape, Qt::NoModifier, "\x1b");
    EXPECT_FALSE(r.recording());
    EXPECT_TRUE(w.window->isVisible());
    EXPECT_TRUE(w.defaultKeysActive());

    // ⌘K belongs to the panel: refused for the tab key, fine for the main key.
    w.button("⌘.")->click();
    w.press(Qt::Key_K, Qt::ControlModifier, "\x0b");
    EXPECT_EQ(w.error(), "⌘K already does something in the Zarvo panel. Try another key.");
    w.press(Qt::Key_Escape, Qt::NoModifier);
    w.button("⌘R")->click();
    w.press(Qt::Key_K, Qt::ControlModifier, "\x0b");
    EXPECT_FALSE(r.recording());
    EXPECT_TRUE(w.error().isEmpty());
    EXPECT_EQ(w.f.settings.hotKeyLabel(), "K");
    EXPECT_EQ(w.registered(HotKeyManager::Slot::main), qMakePair(40u, 0x100u));

    // Labels come from the key pressed: ⌘⇥ and ⌃F5.
    w.button("⌘K")->click();
    w.press(Qt::Key_Tab, Qt::ControlModifier, "\t");
    EXPECT_EQ(r.displayName(Shortcut::main), "⌘⇥");
    w.button("⌘⇥")->click();
    w.press(Qt::Key_F5, Qt::MetaModifier);
    EXPECT_EQ(r.displayName(Shortcut::main), "⌃F5");

    // A combination another program holds: the message, and the former key stays stored and active.
    w.f.p.hotKeys.taken.insert(qMakePair(40u, 0x900u));
    w.button("⌃F5")->click();
    w.press(Qt::Key_K, Qt::ControlModifier | Qt::AltModifier, "\x0b");
    EXPECT_EQ(w.error(), "⌥⌘K is already used by another app.");
    EXPECT_EQ(r.displayName(Shortcut::main), "⌃F5");
    EXPECT_EQ(w.registered(HotKeyManager::Slot::main), qMakePair(96u, 0x1000u));

    // Reset brings the default back; closing while recording registers the keys again.
    w.button("Reset")->click();
    EXPECT_EQ(r.displayName(Shortcut::main), "⌘R");
    w.button("⇧⌘V")->click();
    w.window->close();
    EXPECT_FALSE(r.recording());
    EXPECT_TRUE(w.defaultKeysActive());

    // Ctrl+W closes the window, as Esc does, except while it is being recorded as a key.
    w.window->show();
    w.button("⇧⌘V")->click();
    w.press(Qt::Key_W, Qt::ControlModifier, "\x17");
    EXPECT_TRUE(w.window->isVisible());
    EXPECT_EQ(r.displayName(Shortcut::clipboard), "⌘W");
    w.press(Qt::Key_W, Qt::ControlModifier, "\x17");
    EXPECT_FALSE(w.window->isVisible());
}

TEST(SettingsViewTest, UnderTheHotKeysItSaysWhatWorksOnThisSessionAndFollowsALoss) {
    Window w;
    auto* status = w.window->findChild<QLabel*>("sessionStatus");
    ASSERT_TRUE(status);
    EXPECT_EQ(status->text(), QStringLiteral("Wayland (sway), panel on XWayland: hot keys grabbed on X11\n"
                                             "Clipboard through data-control"));
    w.session.now.clipboard = "clipboard capture stopped: the Wayland connection was lost";
    emit w.session.changed();
    EXPECT_TRUE(status->text().endsWith("\nClipboard capture stopped: the Wayland connection was lost"))
        << status->text().toStdString();
}

TEST(SettingsViewTest, AKeyTheDesktopHoldsSaysSoAndIsBoundThroughTheDesktopOnlyWithAYes) {
    Window w;
    const auto superR = qMakePair(15u, 0x100u);
    w.f.p.hotKeys.taken.insert(superR);
    w.f.p.desktopShortcuts.holders.insert(superR, {"Xfce"});
    w.keys.registerKey(HotKeyManager::Slot::main, 15, 0x100);
    auto* error = w.window->findChild<QLabel*>("hotKeyError");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->text(), "⌘R is used by Xfce \u2014 choose another key");
    EXPECT_TRUE(error->isVisible());
    QPushButton* offer = w.button("Let Xfce Open Zarvo with ⌘R…");
    ASSERT_TRUE(offer);
    EXPECT_TRUE(offer->isVisible());

    // Nothing of the desktop's changes without a yes.
    QStringList asked;
    bool yes = false;
    w.view->confirm = [&](const QString& title, const QString& text) {
        asked << title + '|' + text;
        return yes;
    };
    offer->click();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].startsWith("Change Xfce's Shortcuts?|"));
    EXPECT_TRUE(asked[0].contains("⌘R runs \u201Czarvo --toggle\u201D"));
    EXPECT_TRUE(w.f.p.desktopShortcuts.bound.isEmpty());

    yes = true;
    offer->click();
    EXPECT_EQ(w.f.p.desktopShortcuts.bound, QStringList{"15 256 zarvo --toggle"});
    EXPECT_TRUE(w.keys.works(HotKeyManager::Slot::main));
    EXPECT_FALSE(error->isVisible());
    EXPECT_FALSE(offer->isVisible());

    // Recording the desktop's key anew says who holds it.
    w.f.p.desktopShortcuts.holders.insert(qMakePair(40u, 0x100u), {"Xfce"});
    w.f.p.hotKeys.taken.insert(qMakePair(40u, 0x100u));
    w.view->recorder().startRecording(Shortcut::main);
    w.press(Qt::Key_K, Qt::ControlModifier, "\x0b");
    EXPECT_EQ(w.error(), "⌘K is used by Xfce \u2014 choose another key.");
}

TEST(SettingsViewTest, SystemWideKeysReadSuperAsCommandWhereTheDesktopDoes) {
    Window w;
    w.f.p.hotKeys.superCommand = true;
    ShortcutRecorder& r = w.view->recorder();
    // Ctrl+Alt+K in our window is a system-wide ⌃⌥K here.
    r.startRecording(Shortcut::main);
    w.press(Qt::Key_K, Qt::ControlModifier | Qt::AltModifier, "\x0b");
    EXPECT_EQ(w.f.settings.hotKeyModifiers(), 0x1800u);
    EXPECT_EQ(w.registered(HotKeyManager::Slot::main), qMakePair(40u, 0x1800u));
    // Super+V as the tab key is the same keys as the system-wide ⇧⌘V minus shift: free; Super+Shift+V is not.
    r.startRecording(Shortcut::tabs);
    w.press(Qt::Key_V, Qt::MetaModifier | Qt::ShiftModifier, "V");
    EXPECT_EQ(w.error(), "⌃⇧V is already another Zarvo shortcut.");
    w.press(Qt::Key_V, Qt::MetaModifier, "v");
    EXPECT_FALSE(r.recording());
    EXPECT_EQ(w.f.settings.tabKeyModifiers(), 0x1000u);
}

TEST(SettingsViewTest, ClipboardHistoryCountsClearsPrunesAndIgnoresApps) {
    Window w;
    for (int i = 0; i < 4; ++i)
        w.f.addTextClip(QString("clip %1").arg(i));
    for (const Clip& clip : QList<Clip>(w.f.clips.clips()))
        w.f.clips.togglePin(clip.id);
    QPushButton* clear = w.button("Clear Clipboard History");
    ASSERT_TRUE(clear);
    EXPECT_TRUE(w.labelStartingWith("4 clips, 4 pinned"));
    EXPECT_FALSE(clear->isEnabled());
    w.f.addTextClip("loose");
    EXPECT_TRUE(w.labelStartingWith("5 clips, 4 pinned"));
    EXPECT_TRUE(clear->isEnabled());
    clear->click();
    EXPECT_EQ(w.f.clips.clips().size(), 4);

    // A retention change prunes at once; "Up to 500 clips" is stored as 0.
    w.f.addTextClip("old");
    w.f.p.clock.advance(3 * 86400);
    w.f.addTextClip("new");
    auto* retention = w.window->findChildren<QComboBox*>().last();
    const auto choose = [retention](const QString& title) {
        const int index = retention->findText(title);
        retention->setCurrentIndex(index);
        emit retention->activated(index);
    };
    choose("1 day");
    EXPECT_EQ(w.f.settings.clipRetentionDays(), 1);
    ASSERT_EQ(w.f.clips.clips().size(), 5);
    EXPECT_EQ(w.f.clips.clips().first().text, "new"); // "old" went, the four pinned stay
    choose("Up to 500 clips");
    EXPECT_EQ(w.f.settings.clipRetentionDays(), 0);

    // Ignored applications: added once, shown by name, removed by their button.
    const QStringList before = w.f.settings.clipIgnoredApps();
    w.f.p.workspace.applications.insert("org.example.Vault", "/apps/org.example.Vault.desktop");
    w.f.p.workspace.applicationNames.insert("/apps/org.example.Vault.desktop", "Vault.app");
    w.view->chooseApplication = [] { return std::optional<QString>("/apps/org.example.Vault.desktop"); };
    w.view->addIgnoredApp();
    w.view->addIgnoredApp();
    EXPECT_EQ(w.f.settings.clipIgnoredApps(), before + QStringList{"org.example.Vault"});
    auto* ignored = w.window->findChildren<Disclosure*>().last();
    EXPECT_EQ(ignored->title(), QString("Never save copies from (%1 apps)").arg(before.size() + 1));
    ignored->setExpanded(true);
    EXPECT_TRUE(w.labelStartingWith("Vault"));
    EXPECT_FALSE(w.labelStartingWith("Vault.app"));
    w.view->chooseApplication = [] { return std::optional<QString>(); };
    w.view->addIgnoredApp();
    EXPECT_EQ(w.f.settings.clipIgnoredApps().size(), before.size() + 1);
}

TEST(SettingsViewTest, KeywordsWriteThroughAsTypedAndFollowChangesMadeElsewhere) {
    Window w;
    w.button("Add Shortcut")->click();
    ASSERT_EQ(w.f.settings.customShortcuts().size(), 1);
    QLineEdit* keyword = w.find<QLineEdit>([](QLineEdit* e) { return e->placeholderText() == "keyword"; });
    ASSERT_TRUE(keyword);
    EXPECT_TRUE(keyword->hasFocus() || !w.window->isActiveWindow());
    for (const char* c : {"n", "o"}) {
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString::fromLatin1(c));
        QApplication::sendEvent(keyword, &typed);
    }
    EXPECT_EQ(w.f.settings.customShortcuts().first().keyword, "no");

    // Stored as typed, however long, with quotes and variables.
    QLineEdit* target = keyword->parentWidget()->findChildren<QLineEdit*>().last();
    const QString longTarget = "\"%TEMP%\\" + QString(10000, 'x') + "\"";
    target->setFocus();
    target->insert(longTarget);
    EXPECT_EQ(w.f.settings.customShortcuts().first().target, longTarget);

    // A change made elsewhere (zarvo-cli settings set) updates the row in place.
    QList<CustomShortcut> list = w.f.settings.customShortcuts();
    list.first().keyword = "notes";
    w.f.settings.setCustomShortcuts(list);
    EXPECT_EQ(keyword->text(), "notes");
    list.append({QUuid::createUuid(), "dl", "~/Downloads"});
    w.f.settings.setCustomShortcuts(list);
    QApplication::processEvents(); // new rows are shown by the layout on the next turn of the loop
    int rows = 0;
    for (QLineEdit* e : w.window->findChildren<QLineEdit*>())
        rows += e->placeholderText() == "keyword" && e->isVisibleTo(w.window.get());
    EXPECT_EQ(rows, 2);

    QPushButton* clearHistory = w.button("Clear History");
    EXPECT_FALSE(clearHistory->isEnabled());
    w.f.history.add("/tmp/a");
    EXPECT_TRUE(w.labelStartingWith("1 remembered item"));
    clearHistory->click();
    EXPECT_TRUE(w.f.history.entries().isEmpty());
    EXPECT_FALSE(clearHistory->isEnabled());
    EXPECT_TRUE(w.window->findChildren<Disclosure*>().first()->title().startsWith("Built-in shortcuts ("));
    // Updates say why this build does not check instead of pretending.
    EXPECT_TRUE(w.labelStartingWith("Update checks are not set up for this build"));
    EXPECT_TRUE(w.labelStartingWith("Version 1.2"));
}

TEST(SettingsViewTest, TabVisitsEverySectionInOrderAndBringsTheFocusIntoView) {
    Window w(false);
    bool automaticChecks = false;
    w.services.updates = SettingsView::Updates{
        [&] { return automaticChecks; }, [&](bool on) { automaticChecks = on; }, [] {}, {}, "example.org"};
    w.open();
    w.f.history.add("/tmp/remembered");
    w.f.addTextClip("loose");
    w.window->activateWindow();
    QApplication::processEvents();
    const QList<SettingsSection*> sections = w.window->findChildren<SettingsSection*>();
    ASSERT_EQ(sections.size(), 7);
    QScrollArea* area = w.window->findChild<QScrollArea*>();
    ASSERT_TRUE(area);
    ASSERT_GT(area->verticalScrollBar()->maximum(), 0) << "the form is taller than the window";
    if (!QApplication::focusWidget()) w.press(Qt::Key_Tab, Qt::NoModifier);
    QWidget* first = QApplication::focusWidget();
    ASSERT_TRUE(first);

    QList<int> visited;
    int presses = 0;
    do {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_TRUE(focused);
        int section = -1;
        for (int i = 0; i < sections.size(); ++i)
            if (sections[i]->isAncestorOf(focused)) section = i;
        if (visited.isEmpty() || visited.last() != section) visited << section;
        QApplication::processEvents();
        const QRect shown(focused->mapTo(area->viewport(), QPoint(0, 0)), focused->size());
        EXPECT_TRUE(area->viewport()->rect().contains(shown))
            << "Tab " << presses << " leaves the focus out of sight on a "
            << focused->metaObject()->className();
        w.press(Qt::Key_Tab, Qt::NoModifier);
    } while (QApplication::focusWidget() != first && ++presses < 200);
    EXPECT_LT(presses, 200) << "Tab never comes back round: a control keeps it";
    EXPECT_EQ(visited, (QList<int>{0, 1, 2, 3, 4, 5, 6}));
}

TEST(SettingsViewTest, TerminalPickerListsEveryInstalledTerminalByItsName) {
    Window w(false);
    const QStringList terminals{"/apps/xfce4-terminal.desktop", "/apps/debian-xterm.desktop",
                                "/apps/foot.desktop", "/apps/unidentified.desktop"};
    w.f.p.workspace.terminals = terminals;
    w.f.p.workspace.applications = {
        {"com.apple.Terminal", terminals[0]}, {"debian-xterm", terminals[1]}, {"foot", terminals[2]}};
    w.f.p.workspace.applicationNames = {
        {terminals[0], "Xfce Terminal"}, {terminals[1], "XTerm"}, {terminals[2], "Foot"}};
    w.f.settings.setTerminalBundleID("foot");
    w.open();
    QComboBox* picker = w.find<QComboBox>([](QComboBox* box) { return box->itemText(0) == "Automatic"; });
    ASSERT_NE(picker, nullptr);
    QStringList items;
    for (int i = 0; i < picker->count(); ++i)
        items << picker->itemText(i) + '=' + picker->itemData(i).toString();
    EXPECT_EQ(items, (QStringList{"Automatic=", "Xfce Terminal=com.apple.Terminal", "XTerm=debian-xterm",
                                  "Foot=foot"}));
    EXPECT_EQ(picker->currentText(), "Foot");
    picker->setCurrentIndex(2);
    emit picker->activated(2);
    EXPECT_EQ(w.f.settings.terminalBundleID(), "debian-xterm");
}

TEST(SettingsViewTest, SearchAccessChoosesTheIndexedFoldersAndSaysWhatTheIndexHolds) {
    Window w(false);
    int reloads = 0;
    index::IndexStatus status;
    status.entries = 4200;
    status.watchLimitReached = true;
    status.unwatchedFolders = 12;
    w.services.fileIndex = SearchAccessSection::Index{[&] { return status; }, [&] { ++reloads; }, 2};
    w.services.home = "/home/ann";
    w.open();
    auto* section = w.window->findChild<SearchAccessSection*>();
    ASSERT_NE(section, nullptr);
    const auto texts = [&] {
        QApplication::processEvents(); // new rows are shown by the layout a moment later
        QStringList out;
        for (QLabel* label : section->findChildren<QLabel*>())
            if (label->isVisible()) out << label->text();
        return out.join(u'|');
    };
    EXPECT_FALSE(texts().contains("Full Disk Access"));
    EXPECT_TRUE(
        texts().contains("4,200 files and folders indexed\n12 folders are re-listed every two minutes"));

    section->chooseFolder = [&](const QString&) { return std::optional<QString>("/home/ann/code/build"); };
    QPushButton* leaveOut = w.button("Leave Out Folder…");
    ASSERT_NE(leaveOut, nullptr);
    leaveOut->click();
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(w.f.settings.defaults().stringArray("fileIndexExcludedFolders"), QStringList{"~/code/build"});
    EXPECT_TRUE(texts().contains("~/code/build"));
    // A refusal is said and starts nothing again.
    leaveOut->click();
    EXPECT_EQ(reloads, 1);
    EXPECT_TRUE(texts().contains("“~/code/build” is left out already."));
    QToolButton* remove = w.find<QToolButton>(
        [](QToolButton* b) { return b->isVisible() && b->toolTip() == "Remove ~/code/build"; });
    ASSERT_NE(remove, nullptr);
    remove->click();
    EXPECT_EQ(reloads, 2);
    EXPECT_FALSE(texts().contains("left out already"));
    EXPECT_EQ(w.f.settings.defaults().stringArray("fileIndexExcludedFolders"), QStringList{});
}
