#include "ui/SearchView.h"

#include "clipboard/Clip.h"
#include "clipboard/ClipStore.h"
#include "files/FolderAccess.h"
#include "platform/HotKeyManager.h"
#include "platform/PlatformWords.h"
#include "platform/Workspace.h"
#include "search/ClipboardTab.h"
#include "search/PanelModes.h"
#include "search/PanelShell.h"
#include "search/QueryPipeline.h"
#include "search/ResultActions.h"
#include "search/SearchModel.h"
#include "store/Favorites.h"
#include "store/Settings.h"
#include "ui/Accessibility.h"
#include "ui/ActionList.h"
#include "ui/ClipPreview.h"
#include "ui/Icons.h"
#include "ui/PanelControls.h"
#include "ui/PanelTexts.h"
#include "ui/ResultList.h"
#include "ui/SearchField.h"
#include "ui/Style.h"

#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QVBoxLayout>

namespace zarvo::ui {

namespace {
// Whole words from the end give way to "…" until the text fits; a single long word is cut.
QString elideWords(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    const QString ellipsis = QStringLiteral("\u2026");
    QString cut = text;
    for (qsizetype space = cut.lastIndexOf(QLatin1Char(' ')); space > 0;
         space = cut.lastIndexOf(QLatin1Char(' '))) {
        cut = cut.left(space);
        while (cut.endsWith(QLatin1Char(' ')) || cut.endsWith(QChar(0x2014)) ||
               cut.endsWith(QLatin1Char(',')))
            cut.chop(1);
        if (!cut.isEmpty() && metrics.horizontalAdvance(cut + ellipsis) <= width) return cut + ellipsis;
    }
    return metrics.elidedText(text, Qt::ElideRight, width);
}

QLabel* secondaryLabel(const QString& text, double size, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(Style::font(size));
    Style::setTone(label, Style::Tone::secondary);
    return label;
}

QSet<QString> favoriteSet(const Favorites& favorites) {
    return QSet<QString>(favorites.keys().cbegin(), favorites.keys().cend());
}

} // namespace

SearchView::SearchView(Services services, QWidget* parent) : QWidget(parent), m_s(services) {
    build();
    QPointer<SearchView> self(this);
    const auto redraw = [self] {
        if (self) self->refresh();
    };
    connect(&m_s.model, &SearchModel::changed, this, redraw);
    connect(&m_s.settings, &Settings::changed, this, redraw);
    connect(&m_s.favorites, &Favorites::keysChanged, this, redraw);
    if (m_s.clips) connect(m_s.clips, &ClipStore::clipsChanged, this, redraw);
    if (m_s.hotKeys) connect(m_s.hotKeys, &HotKeyManager::statusChanged, this, redraw);
    // Tinted symbols and application icons are drawn again in the new colours or icon theme.
    Style::follow(this, [this] {
        m_chipApps.clear();
        refresh();
    });
}

SearchView::~SearchView() = default;

void SearchView::build() {
    setAttribute(Qt::WA_TranslucentBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildSearchBar());
    layout->addWidget(buildTabBar());
    layout->addWidget(buildOpenWithBar());
    layout->addWidget(buildBanner());
    layout->addWidget(new Divider(Qt::Horizontal, this));

    const ResultDelegate::Context context{&m_s.settings, m_s.clips, QDir::homePath(), m_s.thumbnails};
    m_body = new QStackedWidget(this);

    // search: the results, or the empty text.
    m_resultsPage = new QStackedWidget(m_body);
    m_results = new ResultList(context, m_resultsPage);
    m_empty = secondaryLabel({}, 13, m_resultsPage);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    m_empty->setContentsMargins(24, 0, 24, 0);
    m_resultsPage->addWidget(m_results);
    m_resultsPage->addWidget(m_empty);
    m_body->addWidget(m_resultsPage);

    // actions: the target row, then its actions.
    m_actionsPage = new QWidget(m_body);
    auto* actions = new QVBoxLayout(m_actionsPage);
    actions->setContentsMargins(0, 0, 0, 0);
    actions->setSpacing(0);
    m_actionTarget = new ResultList(context, m_actionsPage);
    m_actionTarget->setPlain(true);
    m_actions = new ActionList(m_actionsPage);
    m_noActions = secondaryLabel(tr("No matching actions"), 13, m_actionsPage);
    m_noActions->setAlignment(Qt::AlignCenter);
    actions->addWidget(m_actionTarget);
    actions->addWidget(new Divider(Qt::Horizontal, m_actionsPage));
    actions->addWidget(m_actions, 1);
    actions->addWidget(m_noActions, 1);
    m_body->addWidget(m_actionsPage);

    // rename: the target row and space below it.
    m_renamePage = new QWidget(m_body);
    auto* rename = new QVBoxLayout(m_renamePage);
    rename->setContentsMargins(0, 0, 0, 0);
    m_renameTarget = new ResultList(context, m_renamePage);
    m_renameTarget->setPlain(true);
    rename->addWidget(m_renameTarget);
    rename->addStretch(1);
    m_body->addWidget(m_renamePage);

    // clips: the list beside the preview, or the empty text alone.
    m_clipsPage = new QStackedWidget(m_body);
    auto* split = new QWidget(m_clipsPage);
    auto* splitLayout = new QHBoxLayout(split);
    splitLayout->setContentsMargins(0, 0, 0, 0);
    splitLayout->setSpacing(0);
    m_clipList = new ResultList(context, split);
    m_clipList->setFixedWidth(330);
    m_preview = new ClipPreview(m_s.clips, split);
    m_preview->onCopy = [this] { m_s.model.clipboardTab().copyClip(std::nullopt, false, false); };
    splitLayout->addWidget(m_clipList);
    splitLayout->addWidget(new Divider(Qt::Vertical, split));
    splitLayout->addWidget(m_preview, 1);
    m_clipsEmpty = secondaryLabel({}, 13, m_clipsPage);
    m_clipsEmpty->setAlignment(Qt::AlignCenter);
    m_clipsEmpty->setWordWrap(true);
    m_clipsPage->addWidget(split);
    m_clipsPage->addWidget(m_clipsEmpty);
    m_body->addWidget(m_clipsPage);
    layout->addWidget(m_body, 1);

    layout->addWidget(new Divider(Qt::Horizontal, this));
    layout->addWidget(buildFooter());
    nameParts();

    // Rows: clicks select, double clicks open, buttons and menus act on the row.
    for (ResultList* list : {m_results, m_clipList}) {
        const bool clips = list == m_clipList;
        connect(list, &ResultList::rowClicked, this,
                [this](int row) { m_s.model.setSelectedIndex(row, true); });
        connect(list, &ResultList::rowDoubleClicked, this, [this, list](int row) {
            m_s.model.resultActions().open(list->listModel()->items().value(row), std::nullopt, false);
        });
        connect(list, &ResultList::copyClicked, this, [this, clips](int row) { copyRow(row, clips); });
        connect(list, &ResultList::revealClicked, this, [this, list](int row) {
            m_s.model.resultActions().reveal(list->listModel()->items().value(row));
        });
        connect(list, &ResultList::contextMenuAt, this, [this, list](int row, const QPoint& at) {
            showContextMenu(list->listModel()->items().value(row), at);
        });
    }
    connect(m_actions, &ActionList::actionClicked, this,
            [this](int index) { m_s.model.modes().performAction(index); });
}

QWidget* SearchView::buildSearchBar() {
    auto* bar = new QWidget(this);
    bar->setFixedHeight(60);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(14, 0, 14, 0);
    layout->setSpacing(10);
    m_modeIcon = new QLabel(bar);
    m_modeIcon->setFixedSize(22, 22);
    m_field = new SearchField(bar);
    m_field->installEventFilter(this);
    connect(m_field, &SearchField::edited, this, [this](const QString& text) { m_s.model.setQuery(text); });
    m_spinner = new Spinner(bar);
    m_clear = new QToolButton(bar);
    m_clear->setAutoRaise(true);
    m_clear->setFocusPolicy(Qt::NoFocus);
    m_clear->setToolTip(tr("Clear (esc)"));
    m_clear->setIconSize(QSize(16, 16));
    connect(m_clear, &QToolButton::clicked, this, [this] {
        m_s.model.setQuery(QString());
        m_s.model.modes().focus(false, false);
    });
    layout->addWidget(m_modeIcon);
    layout->addWidget(m_field, 1);
    layout->addWidget(m_spinner);
    layout->addWidget(m_clear);
    return bar;
}

QWidget* SearchView::buildTabBar() {
    m_tabBar = new QWidget(this);
    auto* layout = new QHBoxLayout(m_tabBar);
    layout->setContentsMargins(12, 0, 14, 8);
    layout->setSpacing(4);
    // The two tabs in a tab list of their own, as a screen reader expects them.
    auto* tabs = new QWidget(m_tabBar);
    auto* tabsLayout = new QHBoxLayout(tabs);
    tabsLayout->setContentsMargins(0, 0, 0, 0);
    tabsLayout->setSpacing(4);
    m_runTab = new TabButton(QStringLiteral("arrow.right.circle"), tr("Run", "tab"), tabs);
    m_clipTab = new TabButton(QStringLiteral("doc.on.clipboard"), tr("Clipboard", "tab"), tabs);
    tabsLayout->addWidget(m_runTab);
    tabsLayout->addWidget(m_clipTab);
    Accessibility::setRole(tabs, QAccessible::PageTabList);
    connect(m_runTab, &TabButton::clicked, this,
            [this] { m_s.model.clipboardTab().switchTab(SearchModel::Tab::run); });
    connect(m_clipTab, &TabButton::clicked, this,
            [this] { m_s.model.clipboardTab().switchTab(SearchModel::Tab::clipboard); });
    m_switchHint = secondaryLabel({}, 11, m_tabBar);
    m_clearButton = new CapsuleButton(m_tabBar);
    connect(m_clearButton, &CapsuleButton::clicked, this, [this] { m_s.model.modes().clearHistory(); });
    layout->addWidget(tabs);
    layout->addStretch(1);
    layout->addWidget(m_switchHint);
    layout->addSpacing(8);
    layout->addWidget(m_clearButton);
    return m_tabBar;
}

QWidget* SearchView::buildOpenWithBar() {
    m_openWith = new QWidget(this);
    m_openWith->setFixedHeight(34);
    auto* layout = new QHBoxLayout(m_openWith);
    layout->setContentsMargins(14, 0, 14, 0);
    layout->setSpacing(6);
    layout->addWidget(secondaryLabel(tr("Open with"), 11, m_openWith));
    m_openWithScroll = new QScrollArea(m_openWith);
    m_openWithScroll->setFrameShape(QFrame::NoFrame);
    m_openWithScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_openWithScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_openWithScroll->setWidgetResizable(true);
    m_openWithScroll->viewport()->setAutoFillBackground(false);
    auto* chips = new QWidget(m_openWithScroll);
    m_chips = new QHBoxLayout(chips);
    m_chips->setContentsMargins(0, 0, 0, 0);
    m_chips->setSpacing(2);
    m_chips->addStretch(1);
    m_openWithScroll->setWidget(chips);
    // The scroll area turns filling on; the bar lies on the panel's own (translucent) backdrop.
    chips->setAutoFillBackground(false);
    layout->addWidget(m_openWithScroll, 1);
    return m_openWith;
}

QWidget* SearchView::buildBanner() {
    m_banner = new QWidget(this);
    m_banner->setAutoFillBackground(true);
    QPalette p = m_banner->palette();
    p.setColor(QPalette::Window, QColor(255, 149, 0, 31));
    m_banner->setPalette(p);
    auto* layout = new QHBoxLayout(m_banner);
    layout->setContentsMargins(18, 6, 18, 6);
    layout->setSpacing(6);
    auto* lock = new QLabel(m_banner);
    Style::follow(lock, [lock] {
        lock->setPixmap(Icons::symbol(QStringLiteral("lock.fill"), 12, Style::primary(lock->palette()),
                                      lock->devicePixelRatioF()));
    });
    m_bannerText = new QLabel(m_banner);
    m_bannerText->setFont(Style::font(12));
    m_bannerText->setMinimumWidth(1);
    m_bannerText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Longer in some languages than a row is wide: it wraps rather than being cut mid-word.
    m_bannerText->setWordWrap(true);
    auto* link = new QToolButton(m_banner);
    link->setText(m_s.showSearchAccess ? tr("Search Access Settings") : tr("Open Privacy Settings"));
    link->setAutoRaise(true);
    link->setFocusPolicy(Qt::NoFocus);
    link->setCursor(Qt::PointingHandCursor);
    link->setFont(Style::font(11));
    Style::follow(link, [link] {
        QPalette p = link->palette();
        p.setColor(QPalette::ButtonText, QGuiApplication::palette().color(QPalette::Link));
        link->setPalette(p);
    });
    connect(link, &QToolButton::clicked, this, [this] {
        m_s.model.shell().onDismiss();
        if (m_s.showSearchAccess)
            m_s.showSearchAccess();
        else if (m_s.workspace)
            m_s.workspace->openURL(FolderAccess::filesAndFoldersPane());
    });
    layout->addWidget(lock);
    layout->addWidget(m_bannerText, 1);
    layout->addWidget(link);
    return m_banner;
}

QWidget* SearchView::buildFooter() {
    auto* footer = new QWidget(this);
    footer->setFixedHeight(30);
    // What fits depends on the width: laid out again on each resize.
    footer->installEventFilter(this);
    m_footer = footer;
    auto* layout = new QHBoxLayout(footer);
    layout->setContentsMargins(16, 0, 16, 0);
    m_footerLeft = secondaryLabel({}, 11, footer);
    m_footerLeft->setTextFormat(Qt::RichText);
    m_footerLeft->setMinimumWidth(1);
    m_footerLeft->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_footerRight = new QLabel(footer);
    m_footerRight->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_footerRight->setFont(Style::font(11));
    Style::setTone(m_footerRight, Style::Tone::tertiary);
    m_footerMessage = secondaryLabel({}, 11, footer);
    m_footerMessage->setTextFormat(Qt::PlainText);
    m_footerMessage->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_footerMessage->hide();
    layout->addWidget(m_footerLeft, 1);
    layout->addWidget(m_footerMessage, 1);
    layout->addWidget(m_footerRight);
    return footer;
}

void SearchView::refresh() {
    SearchModel& model = m_s.model;
    const PlatformWords& words = PlatformWords::current();
    const SearchModel::Mode mode = model.mode();

    // Search bar.
    m_modeIcon->setPixmap(
        Icons::symbol(PanelTexts::modeSymbol(mode), 20, Style::secondary(palette()), devicePixelRatioF()));
    refreshPlaceholder();
    m_field->setModelText(model.query());
    m_field->requestFocus(model.focusRequest().token, model.focusRequest().selectBaseName,
                          model.focusRequest().caretAtEnd);
    m_spinner->setVisible(model.isSearching());
    const bool clearable =
        (mode == SearchModel::Mode::search || mode == SearchModel::Mode::clips) && !model.query().isEmpty();
    m_clear->setVisible(clearable);
    if (clearable)
        m_clear->setIcon(QIcon(Icons::symbol(QStringLiteral("xmark.circle.fill"), 16,
                                             Style::secondary(palette()), devicePixelRatioF())));

    // Tab bar.
    const bool tabs = mode == SearchModel::Mode::search || mode == SearchModel::Mode::clips;
    m_tabBar->setVisible(tabs);
    if (tabs) {
        m_runTab->setSelected(!model.isShowingClips());
        m_clipTab->setSelected(model.isShowingClips());
        m_clipTab->setCount(m_s.clips ? int(m_s.clips->clips().size()) : 0);
        m_runTab->setToolTip(PanelTexts::tabHelp(SearchModel::Tab::run, m_s.settings, m_s.hotKeys));
        m_clipTab->setToolTip(PanelTexts::tabHelp(SearchModel::Tab::clipboard, m_s.settings, m_s.hotKeys));
        m_switchHint->setText(PanelTexts::switchHint(m_s.settings));
        m_clearButton->setText(PanelTexts::clearTitle(model));
        m_clearButton->setToolTip(PanelTexts::clearHelp(model));
        m_clearButton->setConfirming(model.confirmingClear());
        m_clearButton->setEnabled(model.modes().canClearHistory());
        m_clearButton->updateGeometry();
    }

    refreshOpenWith();
    m_banner->setVisible(!model.deniedFolders().isEmpty());
    if (m_banner->isVisible()) {
        m_bannerText->setText(words.text(FolderAccess::bannerText(model.deniedFolders())));
        m_bannerText->setToolTip(m_bannerText->text());
    }
    refreshBody();
    refreshFooter();
    speakChanges();
}

void SearchView::refreshOpenWith() {
    SearchModel& model = m_s.model;
    const bool shown = model.mode() == SearchModel::Mode::search && !model.resultActions().apps().isEmpty();
    m_openWith->setVisible(shown);
    QStringList apps;
    if (shown)
        for (const AppChoice& app : model.resultActions().apps())
            apps << app.url;
    if (apps == m_chipApps) return;
    m_chipApps = apps;
    while (m_chips->count() > 1) {
        QLayoutItem* item = m_chips->takeAt(0);
        delete item->widget();
        delete item;
    }
    const PlatformWords& words = PlatformWords::current();
    for (int i = 0; i < apps.size(); ++i) {
        const QString name = m_s.workspace ? m_s.workspace->shownApplicationName(apps[i]) : apps[i];
        auto* chip = new AppChip(Icons::forFile(apps[i]), name,
                                 words.keys(QStringLiteral("\u2318%1").arg(i + 1)), m_chips->parentWidget());
        chip->setToolTip(tr("Open with %1").arg(name));
        connect(chip, &AppChip::clicked, this, [this, i] { m_s.model.resultActions().openWith(i); });
        m_chips->insertWidget(i, chip);
    }
}

void SearchView::refreshBody() {
    SearchModel& model = m_s.model;
    const QSet<QString> favorites = favoriteSet(m_s.favorites);
    switch (model.mode()) {
    case SearchModel::Mode::search:
        m_body->setCurrentWidget(m_resultsPage);
        if (model.results().isEmpty()) {
            m_empty->setText(PlatformWords::current().text(PanelTexts::emptyText(model, m_s.settings)));
            m_resultsPage->setCurrentWidget(m_empty);
        } else {
            m_resultsPage->setCurrentWidget(m_results);
        }
        m_results->setItems(model.results(), favorites, model.selectedIndex());
        break;
    case SearchModel::Mode::actions: {
        m_body->setCurrentWidget(m_actionsPage);
        const auto& target = model.actionTarget();
        m_actionTarget->setVisible(target.has_value());
        m_actionTarget->setItems(target ? QList<ResultItem>{*target} : QList<ResultItem>{}, {}, -1);
        m_actionTarget->setFixedHeight(m_actionTarget->contentHeight());
        m_actions->setVisible(!model.actions().isEmpty());
        m_noActions->setVisible(model.actions().isEmpty());
        m_actions->setActions(model.actions(), model.actionIndex());
        break;
    }
    case SearchModel::Mode::rename: {
        m_body->setCurrentWidget(m_renamePage);
        const auto& target = model.actionTarget();
        m_renameTarget->setItems(target ? QList<ResultItem>{*target} : QList<ResultItem>{}, {}, -1);
        m_renameTarget->setFixedHeight(m_renameTarget->contentHeight());
        break;
    }
    case SearchModel::Mode::clips:
        m_body->setCurrentWidget(m_clipsPage);
        if (model.results().isEmpty()) {
            m_clipsEmpty->setText(PlatformWords::current().text(PanelTexts::emptyText(model, m_s.settings)));
            m_clipsPage->setCurrentIndex(1);
            m_preview->setClip(std::nullopt);
        } else {
            m_clipsPage->setCurrentIndex(0);
            m_preview->setClip(model.clipboardTab().selectedClip());
        }
        m_clipList->setItems(model.results(), favorites, model.selectedIndex());
        break;
    }
}

void SearchView::refreshPlaceholder() {
    const PlatformWords& words = PlatformWords::current();
    const QStringList texts = PanelTexts::placeholders(m_s.model);
    // The longest text that fits whole: a cut one would lose its end, "? for help".
    const QFontMetrics metrics(m_field->font());
    const int room = m_field->width() - m_field->textMargins().left() - m_field->textMargins().right() - 12;
    QString placeholder = texts.isEmpty() ? QString() : words.text(texts.last());
    for (const QString& text : texts) {
        if (metrics.horizontalAdvance(words.text(text)) <= room) {
            placeholder = words.text(text);
            break;
        }
    }
    if (m_field->placeholderText() != placeholder) m_field->setPlaceholderText(placeholder);
}

void SearchView::refreshFooter() {
    SearchModel& model = m_s.model;
    const PlatformWords& words = PlatformWords::current();
    const QMargins margins = m_footer->layout()->contentsMargins();
    const int gap = 16;
    const int room = m_footer->width() - margins.left() - margins.right() - gap;
    // The hot key (or why it does not work) keeps at most a little under half the footer.
    const QString hotKey = PanelTexts::tabHotKey(model, m_s.settings, m_s.hotKeys);
    const QFontMetrics rightMetrics(m_footerRight->font());
    const QString right = elideWords(hotKey, rightMetrics, room * 45 / 100);
    m_footerRight->setText(right);
    m_footerRight->setToolTip(right == hotKey ? QString() : hotKey);
    const int rightWidth = right.isEmpty() ? 0 : rightMetrics.horizontalAdvance(right) + 2;
    m_footerRight->setFixedWidth(rightWidth);
    // A little slack: rich text may set a few pixels wider than the metrics say.
    const int leftRoom = room - rightWidth - 4;
    const bool wasShown = !m_footerMessage->isHidden();
    m_footerLeft->setVisible(!model.message());
    if (model.message()) {
        const QFontMetrics metrics(m_footerMessage->font());
        const QString text = words.text(*model.message());
        const bool changed = m_footerMessage->accessibleName() != text;
        m_footerMessage->setText(metrics.elidedText(text, Qt::ElideMiddle, qMax(100, leftRoom)));
        m_footerMessage->setToolTip(text);
        // A screen reader reads the whole message, not what fits; its showing gets it read.
        m_footerMessage->setAccessibleName(text);
        m_footerMessage->show();
        if (wasShown && changed) Accessibility::announce(m_footerMessage);
        return;
    }
    m_footerMessage->hide();
    m_footerMessage->setAccessibleName({});
    // Hints come most important first: the ones that do not fit whole are left out from the end.
    QFont bold = m_footerLeft->font();
    bold.setBold(true);
    const QFontMetrics keyMetrics(bold), labelMetrics(m_footerLeft->font());
    const QString separator = QStringLiteral("&nbsp;&nbsp;&nbsp;");
    const int separatorWidth = labelMetrics.horizontalAdvance(QStringLiteral("   "));
    QStringList parts;
    int used = 0;
    for (const PanelTexts::Hint& hint : PanelTexts::hints(model.mode())) {
        const QString keys = words.keys(hint.keys);
        const int fixed = (parts.isEmpty() ? 0 : separatorWidth) + keyMetrics.horizontalAdvance(keys) +
                          labelMetrics.horizontalAdvance(QLatin1Char(' '));
        QString label = words.text(hint.label);
        const int room = leftRoom - used - fixed;
        // A long application name ("Show in Thunar File Manager") gives way to "…" after a whole word;
        // the hints after it are left out.
        const bool whole = labelMetrics.horizontalAdvance(label) <= room;
        if (!whole) {
            label = elideWords(label, labelMetrics, qMin(room, 160));
            if (!label.contains(QLatin1Char(' ')) || labelMetrics.horizontalAdvance(label) > room) break;
        }
        used += fixed + labelMetrics.horizontalAdvance(label);
        parts << QStringLiteral("<b>%1</b> %2").arg(keys.toHtmlEscaped(), label.toHtmlEscaped());
        if (!whole) break;
    }
    m_footerLeft->setTextFormat(Qt::RichText);
    m_footerLeft->setText(parts.join(separator));
    m_footerLeft->setToolTip({});
}

bool SearchView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == m_footer) refreshFooter();
        if (watched == m_field) refreshPlaceholder();
    }
    return QWidget::eventFilter(watched, event);
}

QString SearchView::footerHotKeyText() const {
    return m_footerRight->text();
}

void SearchView::copyRow(int row, bool clips) {
    const ResultList* list = clips ? m_clipList : m_results;
    const auto item = list->listModel()->items().value(row);
    if (item.clipID)
        m_s.model.clipboardTab().copyClip(item, false, false);
    else
        m_s.model.resultActions().copyPath(item);
}

void SearchView::showContextMenu(const ResultItem& item, const QPoint& globalPosition) {
    QMenu menu(this);
    for (const ItemAction& action : m_s.model.resultActions().contextActions(item)) {
        if (action.startsGroup) menu.addSeparator();
        menu.addAction(action.title, this, action.perform);
    }
    // While the menu is open the panel is not the active window; it must not hide for that.
    m_menuOpen = true;
    menu.exec(globalPosition);
    m_menuOpen = false;
}

QString SearchView::emptyTextShown() const {
    if (m_body->currentWidget() == m_resultsPage && m_resultsPage->currentWidget() == m_empty)
        return m_empty->text();
    if (m_body->currentWidget() == m_clipsPage && m_clipsPage->currentWidget() == m_clipsEmpty)
        return m_clipsEmpty->text();
    return {};
}

QString SearchView::footerText() const {
    if (!m_footerMessage->isHidden()) return m_footerMessage->text();
    return m_footerLeft->textFormat() == Qt::RichText
               ? QTextDocumentFragment::fromHtml(m_footerLeft->text()).toPlainText()
               : m_footerLeft->text();
}

} // namespace zarvo::ui
