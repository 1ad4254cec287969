#include "ui/SettingsView.h"
#include "ui/OverlayScrollBar.h"

#include "clipboard/ClipStore.h"
#include "files/FolderAccess.h"
#include "platform/HotKeyManager.h"
#include "platform/Platform.h"
#include "platform/PlatformWords.h"
#include "platform/SessionReport.h"
#include "platform/Workspace.h"
#include "sources/Shortcuts.h"
#include "store/History.h"
#include "store/HotKeyRegistration.h"
#include "store/Settings.h"
#include "ui/Accessibility.h"
#include "ui/AppChooser.h"
#include "ui/Icons.h"
#include "ui/KeyEvents.h"
#include "ui/SearchAccessSection.h"
#include "ui/SettingsControls.h"
#include "ui/Style.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <limits>

namespace zarvo::ui {

namespace {

using Shortcut = ShortcutRecorder::Shortcut;

// The built-in keywords as the given platform resolves them; without one, as the table writes them.
QList<zarvo::Shortcut> builtInShortcuts(const Platform* platform) {
    return Shortcuts::builtIn(platform ? *platform : Platform{});
}

QString words(const QString& text) {
    return PlatformWords::current().text(text);
}

struct Retention {
    const char* title;
    int days;
};
constexpr Retention kRetentions[] = {{QT_TRANSLATE_NOOP("zarvo::ui::SettingsView", "1 day"), 1},
                                     {QT_TRANSLATE_NOOP("zarvo::ui::SettingsView", "7 days"), 7},
                                     {QT_TRANSLATE_NOOP("zarvo::ui::SettingsView", "30 days"), 30},
                                     {QT_TRANSLATE_NOOP("zarvo::ui::SettingsView", "90 days"), 90},
                                     {QT_TRANSLATE_NOOP("zarvo::ui::SettingsView", "1 year"), 365},
                                     {QT_TRANSLATE_NOOP("zarvo::ui::SettingsView", "Up to 500 clips"), 0}};

// Typed keywords and targets are kept whole, however long.
constexpr int kNoLimit = std::numeric_limits<int>::max();

} // namespace

SettingsView::SettingsView(Services services, QWidget* parent)
    : QWidget(parent), m_s(std::move(services)), m_recorder(m_s.settings, m_s.hotKeys) {
    chooseApplication = [this]() -> std::optional<QString> {
        if (!m_s.workspace) return std::nullopt;
        AppChooser chooser(*m_s.workspace, tr("Ignore"), window());
        chooser.exec();
        return chooser.chosen();
    };
    confirm = [this](const QString& title, const QString& text) {
        return QMessageBox::question(window(), title, text, QMessageBox::Yes | QMessageBox::Cancel,
                                     QMessageBox::Cancel) == QMessageBox::Yes;
    };

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The controls take the focus, not the area: Tab goes from control to control and keeps them in sight.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    auto* content = new QWidget(m_scroll);
    auto* form = new QVBoxLayout(content);
    form->setContentsMargins(20, 16, 20, 20);
    form->setSpacing(18);
    for (SettingsSection* section : {buildSearchAccess(), buildShortcuts(), buildBehavior(), buildKeywords(),
                                     buildClipboard(), buildUpdates(), buildHistory()})
        form->addWidget(section);
    form->addStretch(1);
    m_scroll->setWidget(content);
    OverlayScrollBar::attach(m_scroll);
    outer->addWidget(m_scroll);

    connect(&m_recorder, &ShortcutRecorder::changed, this, [this] {
        refreshShortcuts();
        updateKeyMonitor();
    });
    connect(&m_s.settings, &Settings::changed, this, &SettingsView::refreshSettings);
    connect(&m_s.hotKeys.keys(), &HotKeyManager::statusChanged, this, &SettingsView::refreshShortcuts);
    if (m_s.session) connect(m_s.session, &SessionInfo::changed, this, &SettingsView::refreshShortcuts);
    connect(&m_s.history, &History::entriesChanged, this, &SettingsView::refreshHistory);
    if (m_s.clips) connect(m_s.clips, &ClipStore::clipsChanged, this, &SettingsView::refreshClips);
    // Tabbing through a long form keeps the focused control in sight.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && m_scroll->widget()->isAncestorOf(now)) m_scroll->ensureWidgetVisible(now, 8, 24);
    });
    refreshSettings();
    refreshClips();
    refreshHistory();
    refreshUpdates();
}

void SettingsView::showEvent(QShowEvent* event) {
    // Each opening starts at the top, with the keyboard on the first control.
    m_scroll->verticalScrollBar()->setValue(0);
    if (m_firstControl) m_firstControl->setFocus(Qt::ActiveWindowFocusReason);
    QWidget::showEvent(event);
}

SettingsView::~SettingsView() {
    if (m_monitoring) qApp->removeEventFilter(this);
}

SettingsSection* SettingsView::buildSearchAccess() {
    if (m_s.fileIndex) {
        auto* section = new SearchAccessSection(m_s.settings.defaults(), *m_s.fileIndex, m_s.home);
        m_firstControl = section->firstControl();
        return section;
    }
    auto* section = new SettingsSection(
        tr("Search Access"),
        words(tr("macOS hides search results from folders Zarvo isn't allowed to read.")));
    auto* files = new QPushButton(tr("Files && Folders…")); // && shows one &, not a mnemonic
    auto* full = new QPushButton(tr("Full Disk Access…"));
    connect(files, &QPushButton::clicked, this, [this] {
        if (m_s.workspace) m_s.workspace->openURL(FolderAccess::filesAndFoldersPane());
    });
    connect(full, &QPushButton::clicked, this, [this] {
        if (m_s.workspace) m_s.workspace->openURL(FolderAccess::fullDiskAccessPane());
    });
    m_firstControl = files;
    section->addRow(labelledRow(tr("Desktop, Documents, Downloads"), files));
    section->addRow(labelledRow(words(tr("Everything (Mail, other users, external drives)")), full));
    return section;
}

QWidget* SettingsView::shortcutRow(Shortcut shortcut, const QString& title) {
    auto* record = new QPushButton;
    record->setMinimumWidth(120);
    record->setAccessibleName(title);
    auto* reset = new QPushButton(tr("Reset"));
    m_shortcutButtons.insert(int(shortcut), record);
    connect(record, &QPushButton::clicked, this, [this, shortcut] {
        if (m_recorder.recording() == shortcut)
            m_recorder.stopRecording();
        else
            m_recorder.startRecording(shortcut);
    });
    connect(reset, &QPushButton::clicked, this, [this, shortcut] { m_recorder.reset(shortcut); });
    return labelledRow(title, record, reset);
}

SettingsSection* SettingsView::buildShortcuts() {
    auto* section = new SettingsSection(tr("Shortcuts", "global hot keys"), {});
    section->addRow(shortcutRow(Shortcut::main, tr("Show Zarvo")));
    section->addRow(shortcutRow(Shortcut::clipboard, tr("Show clipboard history")));
    section->addRow(shortcutRow(Shortcut::tabs, tr("Switch tabs (in the panel)")));
    m_hotKeyError = caption({}, nullptr);
    setTextColor(m_hotKeyError, Style::markColor(palette(), QColor(0xE0, 0x3E, 0x3E)));
    m_hotKeyError->setObjectName(QStringLiteral("hotKeyError"));
    Accessibility::setRole(m_hotKeyError, QAccessible::Notification);
    section->addRow(m_hotKeyError);
    m_sessionStatus = caption({}, nullptr);
    m_sessionStatus->setObjectName(QStringLiteral("sessionStatus"));
    setTextColor(m_sessionStatus, Style::secondary(palette()));
    m_sessionStatus->setVisible(m_s.session != nullptr);
    section->addRow(m_sessionStatus);
    m_bindThroughDesktop = new QPushButton;
    m_bindThroughDesktop->setVisible(false);
    connect(m_bindThroughDesktop, &QPushButton::clicked, this, &SettingsView::bindThroughDesktop);
    section->addRow(labelledRow({}, m_bindThroughDesktop));
    m_configPlace = caption({}, nullptr);
    m_configPlace->setVisible(false);
    section->addRow(m_configPlace);
    m_configLines = new QPlainTextEdit;
    m_configLines->setObjectName(QStringLiteral("configLines"));
    m_configLines->setAccessibleName(tr("Lines to add"));
    m_configLines->setReadOnly(true);
    // Wrapped only on screen: a copied line stays one line.
    m_configLines->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_configLines->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_configLines->setFixedHeight(m_configLines->fontMetrics().lineSpacing() * 4 +
                                  2 * m_configLines->frameWidth() +
                                  2 * int(m_configLines->document()->documentMargin()));
    m_configLines->setVisible(false);
    section->addRow(m_configLines);
    auto* note =
        caption(words(tr("Global shortcuts are captured in every app: while Zarvo runs, ⌘R no longer reloads "
                         "pages in browsers, and ⇧⌘V no longer pastes as plain text in apps that use it.")),
                nullptr);
    Style::setTone(note, Style::Tone::secondary);
    section->addRow(note);
    refreshShortcuts();
    return section;
}

SettingsSection* SettingsView::buildBehavior() {
    auto* section = new SettingsSection(tr("Behavior"), {});
    m_prefill = new Switch(tr("Paste file path from clipboard when opened"));
    m_hidden = new Switch(tr("Show hidden files in path completion"));
    m_terminal = new QComboBox;
    m_terminal->addItem(tr("Automatic"), QString());
    if (m_s.workspace) {
        // Each installed terminal by its own name and icon, stored by the identifier that finds it again.
        for (const QString& location : m_s.workspace->terminalApplications()) {
            const auto id = m_s.workspace->applicationIdentifier(location);
            if (!id || m_terminal->findData(*id) >= 0) continue;
            const QString name = m_s.workspace->shownApplicationName(location);
            m_terminal->addItem(Icons::fromName(m_s.workspace->iconNameForFile(location)), name, *id);
        }
    }
    m_launchAtLogin = new Switch(tr("Launch at login"));
    section->addRow(m_prefill);
    section->addRow(m_hidden);
    section->addRow(labelledRow(words(tr("Open in Terminal (⌥↩) uses")), m_terminal));
    section->addRow(m_launchAtLogin);

    connect(m_prefill, &Switch::toggled, this, [this](bool on) { m_s.settings.setPrefillFromClipboard(on); });
    connect(m_hidden, &Switch::toggled, this, [this](bool on) { m_s.settings.setShowHiddenFiles(on); });
    connect(m_terminal, &QComboBox::activated, this,
            [this](int index) { m_s.settings.setTerminalBundleID(m_terminal->itemData(index).toString()); });
    connect(m_launchAtLogin, &Switch::toggled, this, [this](bool on) { m_s.settings.setLaunchAtLogin(on); });
    return section;
}

SettingsSection* SettingsView::buildKeywords() {
    auto* section = new SettingsSection(
        tr("Shortcuts", "typed keywords"),
        //: “control” and “cmd” are keywords the user types: keep them as they are.
        words(tr("Type a keyword in Zarvo and press ↩, like Windows Run (control, cmd, %TEMP%…). Custom "
                 "keywords override built-in ones. Type ?? to list all, ? for help.")));
    auto* rows = new QWidget;
    m_keywordRows = new QVBoxLayout(rows);
    m_keywordRows->setContentsMargins(0, 0, 0, 0);
    m_keywordRows->setSpacing(4);
    section->addRow(rows);
    auto* add = new QPushButton(tr("Add Shortcut"));
    connect(add, &QPushButton::clicked, this, [this] {
        QList<CustomShortcut> list = m_s.settings.customShortcuts();
        const QUuid id = QUuid::createUuid();
        list.append({id, {}, {}});
        m_s.settings.setCustomShortcuts(list);
        for (const KeywordRow& row : m_keywords)
            if (row.id == id) row.keyword->setFocus();
    });
    auto* addRow = new QWidget;
    auto* addLayout = new QHBoxLayout(addRow);
    addLayout->setContentsMargins(0, 2, 0, 2);
    addLayout->addWidget(add);
    addLayout->addStretch(1);
    section->addRow(addRow);

    m_builtIn = new Disclosure;
    m_builtIn->setTitle(tr("Built-in shortcuts (%1)").arg(builtInShortcuts(m_s.platform).size()));
    connect(m_builtIn, &Disclosure::expandedChanged, this, [this](bool on) {
        if (on) fillBuiltInList();
    });
    section->addRow(m_builtIn);
    return section;
}

void SettingsView::fillBuiltInList() {
    if (m_builtIn->body()->layout()) return;
    // Built when first opened: the window opens faster without 67 rows nobody asked to see.
    auto* grid = new QGridLayout(m_builtIn->body());
    grid->setContentsMargins(18, 0, 0, 4);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    QFont mono = Style::monospace(11);
    QFont small = font();
    small.setPixelSize(11);
    int row = 0;
    for (const zarvo::Shortcut& shortcut : builtInShortcuts(m_s.platform)) {
        auto* keys =
            new QLabel((QStringList{shortcut.keyword} + shortcut.aliases).join(QStringLiteral(", ")));
        keys->setFont(mono);
        keys->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* title = new QLabel(words(shortcut.title));
        title->setFont(small);
        Style::setTone(title, Style::Tone::secondary);
        grid->addWidget(keys, row, 0);
        grid->addWidget(title, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
}

SettingsSection* SettingsView::buildClipboard() {
    auto* section = new SettingsSection(
        tr("Clipboard History"),
        //: Keep “this Mac” in English: it is replaced with the desktop's word after translation.
        words(tr("Clips stay on this Mac. Copies that password managers mark as private are never saved. "
                 "Clearing keeps pinned clips.")));
    m_keepClips = new Switch(tr("Keep clipboard history"));
    connect(m_keepClips, &Switch::toggled, this,
            [this](bool on) { m_s.settings.setKeepClipboardHistory(on); });
    m_retention = new QComboBox;
    for (const Retention& r : kRetentions)
        m_retention->addItem(tr(r.title), r.days);
    connect(m_retention, &QComboBox::activated, this,
            [this](int index) { m_s.settings.setClipRetentionDays(m_retention->itemData(index).toInt()); });

    m_ignored = new Disclosure;
    auto* ignoredBody = new QVBoxLayout(m_ignored->body());
    ignoredBody->setContentsMargins(18, 0, 0, 4);
    ignoredBody->setSpacing(2);
    auto* rows = new QWidget;
    m_ignoredRows = new QVBoxLayout(rows);
    m_ignoredRows->setContentsMargins(0, 0, 0, 0);
    ignoredBody->addWidget(rows);
    auto* add = new QPushButton(tr("Add App…"));
    connect(add, &QPushButton::clicked, this, &SettingsView::addIgnoredApp);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(add);
    addRow->addStretch(1);
    ignoredBody->addLayout(addRow);

    m_clipCount = new QLabel;
    m_clearClips = new QPushButton(tr("Clear Clipboard History"));
    connect(m_clearClips, &QPushButton::clicked, this, [this] {
        if (m_s.clips) m_s.clips->clearUnpinned();
    });

    section->addRow(m_keepClips);
    section->addRow(labelledRow(tr("Keep clips for"), m_retention));
    section->addRow(m_ignored);
    auto* countRow = labelledRow({}, m_clearClips);
    static_cast<QHBoxLayout*>(countRow->layout())->insertWidget(0, m_clipCount, 1);
    countRow->layout()->itemAt(1)->widget()->hide(); // the empty text of labelledRow
    section->addRow(countRow);
    return section;
}

SettingsSection* SettingsView::buildUpdates() {
    m_updatesSection = new SettingsSection(tr("Updates"), {});
    m_autoUpdate = new Switch(tr("Automatically check for updates"));
    connect(m_autoUpdate, &Switch::toggled, this, [this](bool on) {
        if (m_s.updates.setAutomaticallyChecks) m_s.updates.setAutomaticallyChecks(on);
    });
    m_checkNow = new QPushButton(tr("Check Now"));
    connect(m_checkNow, &QPushButton::clicked, this, [this] {
        QWidget* w = window();
        w->raise();
        w->activateWindow();
        if (m_s.updates.checkNow) m_s.updates.checkNow();
    });
    const QString version = m_s.version.isEmpty() ? QStringLiteral("?") : m_s.version;
    m_updatesSection->addRow(m_autoUpdate);
    m_updatesSection->addRow(labelledRow(tr("Version %1").arg(version), m_checkNow));
    return m_updatesSection;
}

SettingsSection* SettingsView::buildHistory() {
    auto* section = new SettingsSection(tr("History"), {});
    m_historyCount = new QLabel;
    m_clearHistory = new QPushButton(tr("Clear History"));
    connect(m_clearHistory, &QPushButton::clicked, this, [this] { m_s.history.clear(); });
    auto* row = labelledRow({}, m_clearHistory);
    static_cast<QHBoxLayout*>(row->layout())->insertWidget(0, m_historyCount, 1);
    row->layout()->itemAt(1)->widget()->hide();
    section->addRow(row);
    return section;
}

void SettingsView::refreshSettings() {
    const Settings& s = m_s.settings;
    {
        const QSignalBlocker a(m_prefill), b(m_hidden), c(m_terminal), d(m_launchAtLogin), e(m_keepClips),
            f(m_retention);
        m_prefill->setChecked(s.prefillFromClipboard());
        m_hidden->setChecked(s.showHiddenFiles());
        int terminal = m_terminal->findData(s.terminalBundleID());
        m_terminal->setCurrentIndex(terminal < 0 ? 0 : terminal);
        m_launchAtLogin->setChecked(s.launchAtLogin());
        m_keepClips->setChecked(s.keepClipboardHistory());
        const int retention = m_retention->findData(s.clipRetentionDays());
        if (retention >= 0) {
            m_retention->setCurrentIndex(retention);
        } else {
            // A value written elsewhere that the picker does not offer is shown, not overwritten.
            m_retention->addItem(tr("%n day(s)", nullptr, s.clipRetentionDays()), s.clipRetentionDays());
            m_retention->setCurrentIndex(m_retention->count() - 1);
        }
    }
    refreshShortcuts();
    refreshKeywords();
    refreshIgnoredApps();
}

void SettingsView::refreshKeywords() {
    const QList<CustomShortcut> list = m_s.settings.customShortcuts();
    bool sameRows = list.size() == m_keywords.size();
    for (qsizetype i = 0; sameRows && i < list.size(); ++i)
        sameRows = list[i].id == m_keywords[i].id;
    if (sameRows) {
        // The rows stand: only texts changed elsewhere are updated, so typing keeps its place.
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (m_keywords[i].keyword->text() != list[i].keyword)
                m_keywords[i].keyword->setText(list[i].keyword);
            if (m_keywords[i].target->text() != list[i].target) m_keywords[i].target->setText(list[i].target);
        }
        return;
    }
    QUuid focusedId;
    bool focusedKeyword = false;
    for (const KeywordRow& row : m_keywords) {
        if (row.keyword->hasFocus() || row.target->hasFocus()) {
            focusedId = row.id;
            focusedKeyword = row.keyword->hasFocus();
        }
        row.row->hide();
        row.row->deleteLater();
    }
    m_keywords.clear();
    for (const CustomShortcut& shortcut : list) {
        KeywordRow row;
        row.id = shortcut.id;
        row.row = new QWidget;
        auto* layout = new QHBoxLayout(row.row);
        layout->setContentsMargins(0, 0, 0, 0);
        row.keyword = new QLineEdit(shortcut.keyword, row.row);
        row.keyword->setPlaceholderText(tr("keyword"));
        row.keyword->setAccessibleName(tr("Keyword"));
        row.keyword->setFixedWidth(110);
        row.keyword->setMaxLength(kNoLimit);
        row.target = new QLineEdit(shortcut.target, row.row);
        row.target->setPlaceholderText(tr("~/path, https://url, or App Name"));
        row.target->setAccessibleName(tr("Opens"));
        row.target->setMaxLength(kNoLimit);
        // Named by its keyword, so a screen reader tells one row's button from the next.
        auto* remove =
            removeButton(row.row, shortcut.keyword.isEmpty() ? tr("Remove this shortcut")
                                                             : tr("Remove %1").arg(shortcut.keyword));
        layout->addWidget(row.keyword);
        layout->addWidget(row.target, 1);
        layout->addWidget(remove);
        const QUuid id = shortcut.id;
        connect(row.keyword, &QLineEdit::textEdited, this,
                [this, id](const QString& t) { editKeyword(id, true, t); });
        connect(row.target, &QLineEdit::textEdited, this,
                [this, id](const QString& t) { editKeyword(id, false, t); });
        connect(remove, &QToolButton::clicked, this, [this, id] {
            QList<CustomShortcut> kept = m_s.settings.customShortcuts();
            kept.removeIf([&id](const CustomShortcut& s) { return s.id == id; });
            m_s.settings.setCustomShortcuts(kept);
        });
        m_keywordRows->addWidget(row.row);
        m_keywords.append(row);
        if (id == focusedId) (focusedKeyword ? row.keyword : row.target)->setFocus();
    }
}

void SettingsView::editKeyword(const QUuid& id, bool keyword, const QString& text) {
    QList<CustomShortcut> list = m_s.settings.customShortcuts();
    for (CustomShortcut& s : list)
        if (s.id == id) (keyword ? s.keyword : s.target) = text;
    m_s.settings.setCustomShortcuts(list);
}

QString SettingsView::applicationName(const QString& identifier) const {
    if (m_s.workspace)
        if (const auto location = m_s.workspace->urlForApplication(identifier)) {
            const QString name = m_s.workspace->shownApplicationName(*location);
            if (!name.isEmpty()) return name;
        }
    return identifier;
}

void SettingsView::refreshIgnoredApps() {
    const QStringList ids = m_s.settings.clipIgnoredApps();
    m_ignored->setTitle(tr("Never save copies from (%n app(s))", nullptr, int(ids.size())));
    while (QLayoutItem* item = m_ignoredRows->takeAt(0)) {
        if (QWidget* w = item->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
    for (const QString& id : ids) {
        auto* remove = removeButton(m_ignored->body(), tr("Remove %1").arg(applicationName(id)));
        connect(remove, &QToolButton::clicked, this, [this, id] {
            QStringList kept = m_s.settings.clipIgnoredApps();
            kept.removeAll(id);
            m_s.settings.setClipIgnoredApps(kept);
        });
        auto* row = labelledRow(applicationName(id), remove);
        row->layout()->setContentsMargins(0, 0, 0, 0);
        row->setToolTip(id);
        m_ignoredRows->addWidget(row);
    }
}

void SettingsView::addIgnoredApp() {
    const auto location = chooseApplication ? chooseApplication() : std::nullopt;
    if (!location || !m_s.workspace) return;
    const auto id = m_s.workspace->applicationIdentity(*location);
    if (!id || id->isEmpty()) return;
    QStringList list = m_s.settings.clipIgnoredApps();
    if (list.contains(*id, Qt::CaseInsensitive)) return;
    list.append(*id);
    m_s.settings.setClipIgnoredApps(list);
}

void SettingsView::refreshClips() {
    int total = 0, pinned = 0;
    if (m_s.clips) {
        total = int(m_s.clips->clips().size());
        for (const Clip& clip : m_s.clips->clips())
            pinned += clip.pinned ? 1 : 0;
    }
    QString text = tr("%n clip(s)", nullptr, total);
    if (pinned > 0) text = tr("%1, %n pinned", nullptr, pinned).arg(text);
    m_clipCount->setText(text);
    m_clearClips->setEnabled(m_s.clips && total > pinned);
}

void SettingsView::refreshHistory() {
    const qsizetype count = m_s.history.entries().size();
    m_historyCount->setText(tr("%n remembered item(s)", nullptr, int(count)));
    m_clearHistory->setEnabled(count > 0);
}

void SettingsView::refreshUpdates() {
    const QString reason = m_s.updates.unavailableReason ? m_s.updates.unavailableReason() : QString();
    const bool available = reason.isEmpty() && m_s.updates.checkNow;
    {
        const QSignalBlocker block(m_autoUpdate);
        m_autoUpdate->setChecked(available && m_s.updates.automaticallyChecks &&
                                 m_s.updates.automaticallyChecks());
    }
    m_autoUpdate->setEnabled(available);
    m_checkNow->setEnabled(available);
    if (!available)
        m_updatesSection->setFooter(reason.isEmpty() ? tr("Update checks are not set up for this build")
                                                     : reason);
    else
        m_updatesSection->setFooter(tr("Once a day Zarvo asks %1 whether there's a new version. Updates are "
                                       "signed, and nothing about you is sent.")
                                        .arg(m_s.updates.feedHost));
}

void SettingsView::updateKeyMonitor() {
    const bool want = m_recorder.recording().has_value();
    if (want == m_monitoring) return;
    m_monitoring = want;
    // Keys are seen only while one of our windows has the keyboard, as a local monitor would.
    if (want)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool SettingsView::eventFilter(QObject* watched, QEvent* event) {
    if (!m_monitoring || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Every key is swallowed while recording; the override stops window shortcuts (Esc, Ctrl+W) first.
    event->accept();
    if (event->type() == QEvent::ShortcutOverride) return true;
    if (const auto translated = keyEventFrom(*key); translated && !translated->isRepeat)
        m_recorder.handleKey(*translated);
    return true;
}

void SettingsView::hideEvent(QHideEvent* event) {
    m_recorder.stopRecording();
    QWidget::hideEvent(event);
}

} // namespace zarvo::ui
