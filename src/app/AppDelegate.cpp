#include "app/AppDelegate.h"

#include "app/Installer.h"
#include "app/SearchPanel.h"
#include "app/StartNotices.h"
#include "app/StatusMenu.h"
#include "app/Updater.h"
#include "clipboard/ClipStore.h"
#include "platform/DesktopShortcuts.h"
#include "platform/Environment.h"
#include "platform/HotKeyAdvice.h"
#include "platform/HotKeyManager.h"
#include "platform/PanelWindowing.h"
#include "platform/Platform.h"
#include "platform/PlatformWords.h"
#include "platform/Previewer.h"
#include "search/ClipboardTab.h"
#include "search/KeyMap.h"
#include "search/PanelModes.h"
#include "search/PanelShell.h"
#include "search/ResultActions.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/HotKeyRegistration.h"
#include "store/Settings.h"
#include "ui/PreviewWindow.h"
#include "ui/SearchView.h"
#include "ui/SettingsView.h"
#include "ui/SettingsWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

namespace zarvo::app {

namespace {

// The edit keys of text boxes, for windows whose focus widget does not handle them itself.
void addEditActions(QWidget* window) {
    struct Item {
        const char* title;
        QKeySequence::StandardKey key;
        const char* slot;
    };
    static const Item items[] = {
        {QT_TRANSLATE_NOOP("zarvo::app::AppDelegate", "Undo"), QKeySequence::Undo, "undo"},
        {QT_TRANSLATE_NOOP("zarvo::app::AppDelegate", "Redo"), QKeySequence::Redo, "redo"},
        {QT_TRANSLATE_NOOP("zarvo::app::AppDelegate", "Cut"), QKeySequence::Cut, "cut"},
        {QT_TRANSLATE_NOOP("zarvo::app::AppDelegate", "Copy"), QKeySequence::Copy, "copy"},
        {QT_TRANSLATE_NOOP("zarvo::app::AppDelegate", "Paste"), QKeySequence::Paste, "paste"},
        {QT_TRANSLATE_NOOP("zarvo::app::AppDelegate", "Select All"), QKeySequence::SelectAll, "selectAll"},
    };
    for (const Item& item : items) {
        auto* action =
            new QAction(QCoreApplication::translate("zarvo::app::AppDelegate", item.title), window);
        action->setShortcut(item.key);
        action->setShortcutContext(Qt::WindowShortcut);
        const char* slot = item.slot;
        QObject::connect(action, &QAction::triggered, window, [slot] {
            // The first responder: whichever text box has the focus.
            if (QWidget* focus = QApplication::focusWidget()) QMetaObject::invokeMethod(focus, slot);
        });
        window->addAction(action);
    }
    auto* quit = new QAction(QCoreApplication::translate("zarvo::app::AppDelegate", "Quit Zarvo"), window);
    quit->setShortcut(QKeySequence::Quit);
    quit->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(quit, &QAction::triggered, qApp, &QApplication::quit, Qt::QueuedConnection);
    window->addAction(quit);
}

} // namespace

AppDelegate::AppDelegate(Services services, QObject* parent)
    : QObject(parent), m_s(std::move(services)),
      m_hotKeys(new HotKeyRegistration(Settings::shared(), HotKeyManager::shared(), this)) {
    m_model = std::make_unique<SearchModel>(SearchModel::Services{
        m_s.platform, Settings::shared(), History::shared(), Favorites::shared(), m_s.clips, m_s.metadata,
        m_s.platform.pasteboard, m_s.applications, &HotKeyManager::shared()});
}

AppDelegate::~AppDelegate() {
    delete m_preview;
    delete m_settingsWindow;
    delete m_panel;
}

bool AppDelegate::applicationDidFinishLaunching() {
    if (Installer::handOffIfNeeded()) return false;
    makePanel();
    setUpStatusItem();
    wireModel();
    if (m_s.clips) {
        m_s.clips->start();
        m_s.clips->followRetention(Settings::shared());
    }
    Updater::shared();
    registerHotKeys();
    tellAtStartWhenKnown();
    return true;
}

void AppDelegate::tellAtStartWhenKnown() {
    // While the desktop is still asked for the key (its portal, perhaps its consent dialog), nothing is
    // known to tell; a desktop that keeps us waiting gets the panel after a while.
    HotKeyManager& keys = HotKeyManager::shared();
    if (keys.status(HotKeyManager::Slot::main).state != HotKeyManager::State::pending) {
        tellAtStart();
        return;
    }
    auto* waiting = new QObject(this);
    const auto tell = [this, waiting] {
        if (waiting->parent() != this) return;
        waiting->setParent(nullptr);
        waiting->deleteLater();
        tellAtStart();
    };
    connect(&keys, &HotKeyManager::statusChanged, waiting, [tell, &keys] {
        if (keys.status(HotKeyManager::Slot::main).state != HotKeyManager::State::pending) tell();
    });
    QTimer::singleShot(kStartAnswerWaitMs, waiting, tell);
}

void AppDelegate::tellAtStart() {
    const Settings& settings = Settings::shared();
    const QString key = PlatformWords::current().hotKey(settings.hotKeyModifiers(), settings.hotKeyLabel());
    StartNotices notices(Settings::shared().defaults(), HotKeyManager::shared(),
                         m_s.platform.desktopShortcuts, m_s.platform.notifications);
    // Without a status area nothing on screen says where Zarvo went once the panel closes.
    notices.notifyBackground(m_statusMenu && m_statusMenu->isShown(), key);
    const auto notice = notices.takeKeyNotice(key);
    if (!notice) {
        showPanel(false);
        return;
    }
    // The notice comes instead of the panel: a panel that lost the keyboard to it would close at once.
    const PlatformWords& words = PlatformWords::current();
    auto* box = new QMessageBox(QMessageBox::Information, tr("Zarvo Shortcut"), words.text(notice->title));
    box->setInformativeText(words.text(notice->text));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* choose = box->addButton(tr("Choose Another Key…"), QMessageBox::ActionRole);
    QPushButton* bind =
        notice->bindOffer ? box->addButton(*notice->bindOffer, QMessageBox::ActionRole) : nullptr;
    QPushButton* open = box->addButton(tr("Open Zarvo"), QMessageBox::AcceptRole);
    box->setDefaultButton(open);
    box->setEscapeButton(open);
    QPointer<AppDelegate> self(this);
    connect(box, &QMessageBox::buttonClicked, this, [self, choose, bind](QAbstractButton* clicked) {
        if (!self) return;
        if (clicked == choose)
            self->showSettings();
        else if (bind && clicked == bind)
            self->bindMainKeyThroughDesktop();
        else
            self->showPanel(false);
    });
    box->show();
}

QString AppDelegate::commandProgram() {
    // The desktop starts commands with its own PATH: the bare name only where it leads to us.
    const QString own = QCoreApplication::applicationFilePath();
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("zarvo"));
    if (!onPath.isEmpty() && QFileInfo(onPath).canonicalFilePath() == QFileInfo(own).canonicalFilePath())
        return QStringLiteral("zarvo");
    return own.contains(QLatin1Char(' ')) ? QLatin1Char('"') + own + QLatin1Char('"') : own;
}

void AppDelegate::bindMainKeyThroughDesktop() {
    HotKeyManager& keys = HotKeyManager::shared();
    const auto status = keys.status(HotKeyManager::Slot::main);
    DesktopShortcuts* desktop = keys.desktop();
    if (!HotKeyAdvice::canBindThroughDesktop(status, desktop)) return;
    const Settings& settings = Settings::shared();
    const QString key = PlatformWords::current().hotKey(settings.hotKeyModifiers(), settings.hotKeyLabel());
    const QString command = HotKeyAdvice::command(HotKeyManager::Slot::main, commandProgram());
    const QString holder = HotKeyAdvice::bindingDesktop(status, desktop);
    const auto answer =
        QMessageBox::question(nullptr, tr("Change %1's Shortcuts?").arg(holder),
                              HotKeyAdvice::bindQuestion(holder, key, command, desktop->shortcutsPlace(),
                                                         desktop->bindingNote(status.modifiers)),
                              QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Yes) return;
    if (const auto error = keys.bindThroughDesktop(HotKeyManager::Slot::main, command))
        QMessageBox::warning(nullptr, QStringLiteral("Zarvo"),
                             tr("%1 could not be bound: %2").arg(key, *error));
    else
        showPanel(false);
}

void AppDelegate::makePanel() {
    m_panel = new SearchPanel(m_s.platform.windowing);
    ui::SearchView::Services services{*m_model,  Settings::shared(),     Favorites::shared(),
                                      m_s.clips, m_s.platform.workspace, &HotKeyManager::shared()};
    if (m_s.platform.environment)
        m_thumbnails = std::make_unique<ui::FileThumbnails>(m_s.platform.workspace,
                                                            m_s.platform.environment->cacheHome());
    services.thumbnails = m_thumbnails.get();
    // With Zarvo's own index, what is searched is chosen in its settings, not the system's.
    if (m_s.fileIndex) services.showSearchAccess = [this] { showSettings(); };
    m_view = new ui::SearchView(std::move(services), m_panel);
    m_panel->setContent(m_view);
    addEditActions(m_panel);
    QPointer<AppDelegate> self(this);
    m_panel->onKey = [self](const KeyEvent& event) {
        return self && self->m_model->keyMap().handleKey(event);
    };
    m_panel->onPreviewKey = [self](const KeyEvent& event) { return self && self->handlePreviewKey(event); };
    m_panel->onFocusLost = [self] {
        if (self) self->hidePanel();
    };
    m_panel->isOwnWindowOpen = [self] {
        return self && (self->isPreviewVisible() || self->m_view->isMenuOpen() ||
                        (self->m_settingsWindow && self->m_settingsWindow->isActiveWindow()));
    };
    // The window exists from the start, so the first show is as quick as every later one.
    m_panel->winId();
}

void AppDelegate::setUpStatusItem() {
    QPointer<AppDelegate> self(this);
    StatusMenu::Actions actions;
    actions.open = [self] {
        if (self) self->showPanel(false);
    };
    actions.openClips = [self] {
        if (self) self->showPanel(true);
    };
    actions.settings = [self] {
        if (self) self->showSettings();
    };
    actions.checkForUpdates = [] { Updater::shared().checkForUpdates(); };
    actions.clearHistory = [self] {
        if (self) self->clearHistory();
    };
    actions.quit = [] { QApplication::quit(); };
    m_statusMenu = new StatusMenu(Settings::shared(), std::move(actions), &HotKeyManager::shared(), this);
    m_statusMenu->followTray(m_s.platform.windowing);
    if (!m_statusMenu->isShown())
        m_s.log(
            tr("Zarvo: no status area on this desktop; open the panel with the hot key, from the "
               "application menu (Zarvo, with Clipboard History and Settings), or with “zarvo --toggle”"));
}

// Dialogs go on a window on screen: the panel hides before Move to… asks, and a dialog of a hidden window
// is placed and stacked by nothing. With none shown, the dialog is a window of its own.
QWidget* AppDelegate::visibleWindow() const {
    if (m_settingsWindow && m_settingsWindow->isVisible()) return m_settingsWindow;
    if (m_panel && m_panel->isVisible()) return m_panel;
    return nullptr;
}

void AppDelegate::wireModel() {
    QPointer<AppDelegate> self(this);
    m_model->shell().onDismiss = [self] {
        if (self) self->hidePanel();
    };
    m_model->shell().onOpenSettings = [self] {
        if (self) self->showSettings();
    };
    m_model->shell().onQuickLook = [self] {
        if (self) self->toggleQuickLook();
    };
    m_model->shell().onBeep = [] { QApplication::beep(); };
    m_model->shell().chooseFolder =
        [self](const PanelShell::FolderRequest& request) -> std::optional<QString> {
        if (!self) return std::nullopt;
        // The message is the title ("Move “name” to…"), the prompt the accept button ("Move").
        QPointer<QFileDialog> dialog =
            new QFileDialog(self->visibleWindow(), request.message, request.startFolder);
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
        dialog->setLabelText(QFileDialog::Accept, request.prompt);
        const bool accepted = dialog->exec() == QDialog::Accepted;
        if (!dialog) return std::nullopt; // its window went while it was open
        const QStringList chosen = dialog->selectedFiles();
        delete dialog;
        if (!accepted || chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
        return chosen.first();
    };
    m_model->shell().showAlert = [self](const QString& text) {
        if (self)
            QMessageBox::warning(self->visibleWindow(), QStringLiteral("Zarvo"),
                                 PlatformWords::current().text(text));
    };
    m_model->shell().onHideApplication = [self] {
        if (self && self->m_s.platform.windowing) self->m_s.platform.windowing->restoreActiveWindow();
    };
}

void AppDelegate::registerHotKeys() {
    HotKeyManager& keys = m_hotKeys->keys();
    QPointer<AppDelegate> self(this);
    keys.onPress[HotKeyManager::Slot::main] = [self] {
        if (self) self->toggle(SearchModel::Tab::run);
    };
    keys.onPress[HotKeyManager::Slot::clipboard] = [self] {
        if (self) self->toggle(SearchModel::Tab::clipboard);
    };
    const Settings& settings = Settings::shared();
    const PlatformWords& words = PlatformWords::current();
    // Said on standard error too, with the reason; a key freed later is taken up without a restart.
    // Keys changed elsewhere (zarvo-cli settings set) take effect at once.
    const QList<HotKeyManager::Slot> refused = m_hotKeys->start();
    if (refused.contains(HotKeyManager::Slot::main))
        m_s.log(QStringLiteral("Zarvo: ") +
                keys.shownKey(HotKeyManager::Slot::main,
                              words.hotKey(settings.hotKeyModifiers(), settings.hotKeyLabel())));
    if (refused.contains(HotKeyManager::Slot::clipboard))
        m_s.log(QStringLiteral("Zarvo: ") +
                keys.shownKey(HotKeyManager::Slot::clipboard,
                              words.hotKey(settings.clipHotKeyModifiers(), settings.clipHotKeyLabel())));
}

void AppDelegate::showPanel(bool clips) {
    if (!m_panel) return;
    // The window manager is asked first: it maps and focuses the panel while the model resets, and
    // nothing is painted before the event loop runs again, so the first frame shows the fresh state.
    m_panel->present();
    m_model->modes().prepareForShow(clips);
    m_view->refresh();
}

void AppDelegate::hidePanel() {
    if (!m_panel || !m_panel->isVisible()) return;
    if (isPreviewVisible()) m_preview->hide();
    m_panel->hide();
    const bool settingsShown = m_settingsWindow && m_settingsWindow->isVisible();
    if (!settingsShown && !QApplication::activeModalWidget() && m_s.platform.windowing)
        m_s.platform.windowing->restoreActiveWindow();
}

void AppDelegate::toggle(SearchModel::Tab tab) {
    if (!m_panel) return;
    // Qt's idea of the active window can lag behind the window manager's (after Quick Look closed),
    // so the window manager's word counts too.
    const PanelWindowing* windowing = m_s.platform.windowing;
    const bool active = m_panel->isActiveWindow() ||
                        (windowing && m_panel->isVisible() && windowing->activeWindow() == m_panel->winId());
    const bool inFront = m_panel->isVisible() && (active || isPreviewVisible());
    if (!inFront) {
        showPanel(tab == SearchModel::Tab::clipboard);
        return;
    }
    if (m_model->isShowingClips() == (tab == SearchModel::Tab::clipboard)) {
        hidePanel();
        return;
    }
    if (isPreviewVisible()) {
        m_preview->hide();
        m_panel->present();
    }
    m_model->clipboardTab().switchTab(tab);
}

bool AppDelegate::isPreviewVisible() const {
    return m_preview && m_preview->isVisible();
}

void AppDelegate::toggleQuickLook() {
    if (isPreviewVisible()) {
        m_preview->hide();
        m_panel->present();
        return;
    }
    const auto url = m_model->resultActions().previewURL();
    if (!url || !url->isLocalFile()) return;
    // The desktop's own previewer, where one is on the session bus, shows more kinds of files.
    if (Previewer* previewer = m_s.platform.previewer;
        previewer && previewer->isAvailable() && previewer->show(*url, m_panel->winId()))
        return;
    if (!m_preview) {
        m_preview = new ui::PreviewWindow();
        addEditActions(m_preview);
        m_panel->previewWindow = m_preview;
        QPointer<AppDelegate> self(this);
        connect(m_preview, &ui::PreviewWindow::closedByUser, this, [self] {
            // Closed with the mouse: the panel gets the keyboard back while it is still shown.
            if (self && self->m_panel->isVisible())
                QTimer::singleShot(0, self, [self] {
                    if (self) self->m_panel->present();
                });
        });
    }
    m_preview->showFile(*url);
    // The panel's transient, or xfwm4 and metacity keep it under the always-on-top panel.
    m_preview->present(m_panel->frameGeometry(), m_panel->windowHandle());
    if (m_s.platform.windowing) m_s.platform.windowing->activate(m_preview->winId());
}

bool AppDelegate::handlePreviewKey(const KeyEvent& event) {
    const bool y = event.keyCode == 16 && event.command;
    if (y || event.keyCode == KeyCode::escape || event.keyCode == 49) {
        m_preview->hide();
        m_panel->present();
        return true;
    }
    if (m_model->keyMap().handleQuickLookKey(event)) {
        if (const auto url = m_model->resultActions().previewURL(); url && url->isLocalFile())
            m_preview->showFile(*url);
        return true;
    }
    return false;
}

void AppDelegate::showSettings() {
    hidePanel();
    if (!m_settingsWindow) {
        ui::SettingsView::Services services{Settings::shared(),
                                            History::shared(),
                                            m_s.clips,
                                            m_s.platform.workspace,
                                            *m_hotKeys,
                                            settingsUpdates(),
                                            QStringLiteral(ZARVO_VERSION),
                                            commandProgram(),
                                            m_s.fileIndex,
                                            m_s.platform.environment ? m_s.platform.environment->homePath()
                                                                     : QDir::homePath(),
                                            m_s.platform.sessionInfo,
                                            &m_s.platform};
        m_settingsWindow = new ui::SettingsWindow(std::move(services));
        addEditActions(m_settingsWindow);
    }
    m_settingsWindow->show();
    if (QScreen* screen = m_settingsWindow->screen()) {
        QRect frame = m_settingsWindow->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_settingsWindow->move(frame.topLeft());
    }
    m_settingsWindow->raise();
    m_settingsWindow->activateWindow();
    if (m_s.platform.windowing) m_s.platform.windowing->activate(m_settingsWindow->winId());
}

ui::SettingsView::Updates AppDelegate::settingsUpdates() {
    ui::SettingsView::Updates updates;
    updates.automaticallyChecks = [] { return Updater::shared().automaticallyChecksForUpdates(); };
    updates.setAutomaticallyChecks = [](bool on) { Updater::shared().setAutomaticallyChecksForUpdates(on); };
    updates.checkNow = [] { Updater::shared().checkForUpdates(); };
    updates.unavailableReason = [] { return Updater::shared().unavailableReason(); };
    updates.feedHost = Updater::shared().feedHost();
    return updates;
}

void AppDelegate::clearHistory() {
    History::shared().clear();
}

void AppDelegate::handleRequest(const QJsonObject& request, std::function<void(const QJsonObject&)> reply) {
    const QString type = request.value(QStringLiteral("type")).toString();
    const auto ok = [&reply] { reply(QJsonObject{{QStringLiteral("ok"), true}}); };
    if (m_s.platform.windowing)
        m_s.platform.windowing->setStartupId(request.value(QStringLiteral("startupId")).toString());
    if (type == QLatin1String("toggle")) {
        toggle(SearchModel::Tab::run);
        ok();
    } else if (type == QLatin1String("clipboard")) {
        toggle(SearchModel::Tab::clipboard);
        ok();
    } else if (type == QLatin1String("show")) {
        showPanel(false);
        ok();
    } else if (type == QLatin1String("settings")) {
        showSettings();
        ok();
    } else if (type == QLatin1String("quit")) {
        ok();
        QTimer::singleShot(0, qApp, &QApplication::quit);
    } else if (type == QLatin1String("cli") && onCliRequest) {
        onCliRequest(request, std::move(reply));
    } else {
        reply(QJsonObject{{QStringLiteral("ok"), false},
                          {QStringLiteral("error"), QStringLiteral("unknown request “%1”").arg(type)}});
    }
}

} // namespace zarvo::app
