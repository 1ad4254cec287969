#include "ui/ResultList.h"
#include "ui/ClipImages.h"
#include "ui/OverlayScrollBar.h"

#include "clipboard/ClipStore.h"
#include "platform/PlatformWords.h"
#include "ui/Accessibility.h"
#include "ui/FileThumbnails.h"
#include "ui/Icons.h"
#include "ui/ResultRow.h"
#include "ui/Style.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QToolTip>

namespace zarvo::ui {

namespace {

constexpr int kRowHeight = 46;
constexpr int kHelpRowHeight = 58;
constexpr int kButton = 26;
constexpr int kIcon = 30;
constexpr int kCopiedMs = 1200;
// Longer texts cannot be seen in one row anyway; cutting them first keeps eliding cheap.
constexpr qsizetype kDrawnCharacters = 512;

enum Button { none = 0, copy = 1, reveal = 2 };

QString drawable(const QString& text) {
    return text.size() > kDrawnCharacters ? text.left(kDrawnCharacters) : text;
}

ResultItem itemAt(const QModelIndex& index) {
    return index.data(ResultListModel::ItemRole).value<ResultItem>();
}

} // namespace

// --- Model -------------------------------------------------------------------------------------------

void ResultListModel::setItems(const QList<ResultItem>& items, const QSet<QString>& favorites) {
    if (items == m_items && favorites == m_favorites) return;
    beginResetModel();
    m_items = items;
    m_favorites = favorites;
    endResetModel();
}

bool ResultListModel::isFavorite(int row) const {
    return row >= 0 && row < m_items.size() && m_favorites.contains(m_items[row].historyKey());
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_items.size()) return {};
    const ResultItem& item = m_items[index.row()];
    if (role == ItemRole) return QVariant::fromValue(item);
    if (role == Qt::DisplayRole) return item.name();
    if (role == Qt::AccessibleTextRole) return item.name();
    if (role == Qt::AccessibleDescriptionRole)
        return Accessibility::withPosition(
            ResultRow::spokenDetails(item, m_homePath, isFavorite(index.row())), index.row(), rowCount());
    return {};
}

// --- Delegate ----------------------------------------------------------------------------------------

ResultDelegate::ResultDelegate(Context context, QObject* parent)
    : QStyledItemDelegate(parent), m_context(std::move(context)) {}

QSize ResultDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const ResultItem item = itemAt(index);
    return {option.rect.width(), ResultRow::subtitleLines(item) > 1 ? kHelpRowHeight : kRowHeight};
}

QRect ResultDelegate::copyRect(const QRect& row, const ResultItem& item) const {
    if (m_plain || !ResultRow::hasCopyButton(item)) return {};
    QRect r = revealRect(row, item);
    const int right = r.isNull() ? row.right() - 8 - (tagWidthFor(row, item)) : r.left() - 6;
    return QRect(right - kButton + 1, row.center().y() - kButton / 2, kButton, kButton);
}

QRect ResultDelegate::revealRect(const QRect& row, const ResultItem& item) const {
    if (m_plain || !ResultRow::hasRevealButton(item)) return {};
    const int right = row.right() - 8 - tagWidthFor(row, item);
    return QRect(right - kButton + 1, row.center().y() - kButton / 2, kButton, kButton);
}

int ResultDelegate::tagWidthFor(const QRect&, const ResultItem& item) const {
    if (!m_context.settings) return 0;
    const auto tag = ResultRow::tag(item, *m_context.settings);
    if (!tag || tag->isEmpty()) return 0;
    const QFontMetrics metrics(Style::font(10));
    return metrics.horizontalAdvance(drawable(*tag)) + 12 + 8;
}

void ResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    const ResultItem item = itemAt(index);
    const QPalette& palette = option.palette;
    const int row = index.row();
    const bool selected = !m_plain && row == m_selectedRow;
    const bool hovering = !m_plain && row == m_hoverRow;
    const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const QRect rect = option.rect.adjusted(8, 1, -8, -1);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (selected) {
        QPainterPath background;
        background.addRoundedRect(rect, 7, 7);
        Style::paintSelection(*painter, background, palette);
    }
    const QRect iconRect(rect.left() + 8, rect.center().y() - kIcon / 2, kIcon, kIcon);
    paintIcon(painter, iconRect, item, palette, dpr);
    const int right = paintTagAndButtons(painter, option, item, selected, hovering, dpr);
    paintTexts(painter, option, index, item, {iconRect.right() + 11, right}, dpr);
    painter->restore();
}

void ResultDelegate::paintIcon(QPainter* painter, const QRect& iconRect, const ResultItem& item,
                               const QPalette& palette, qreal dpr) const {
    std::optional<QImage> thumbnail;
    if (item.clipID && !item.symbol && !item.iconPath && m_context.clips)
        thumbnail = ClipImages::of(*m_context.clips).thumbnail(*item.clipID);
    switch (ResultRow::iconKind(item, thumbnail.has_value())) {
    case ResultRow::IconKind::thumbnail: {
        const QSize fitted = thumbnail->size().scaled(iconRect.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(), fitted);
        target.moveCenter(iconRect.center());
        painter->drawImage(target, *thumbnail);
        break;
    }
    case ResultRow::IconKind::symbol: {
        const QPixmap pixmap = Icons::symbol(*item.symbol, 19, Style::secondary(palette), dpr);
        QRect target(QPoint(), QSize(19, 19));
        target.moveCenter(iconRect.center());
        painter->drawPixmap(target, pixmap);
        break;
    }
    case ResultRow::IconKind::iconPath:
        // The row stands for another file (an application's desktop entry, a clip's first file).
        Icons::forFile(*item.iconPath).paint(painter, iconRect);
        break;
    case ResultRow::IconKind::fileIcon:
        if (const auto picture = m_context.thumbnails
                                     ? m_context.thumbnails->thumbnail(item.url.toLocalFile())
                                     : std::nullopt) {
            const QSize fitted =
                (picture->size() / picture->devicePixelRatio()).scaled(iconRect.size(), Qt::KeepAspectRatio);
            QRect target(QPoint(), fitted);
            target.moveCenter(iconRect.center());
            painter->drawImage(target, *picture);
        } else {
            Icons::forFile(item.url.toLocalFile()).paint(painter, iconRect);
        }
        break;
    case ResultRow::IconKind::globe: {
        QRect target(QPoint(), QSize(20, 20));
        target.moveCenter(iconRect.center());
        painter->drawPixmap(target,
                            Icons::symbol(QStringLiteral("globe"), 20, Style::secondary(palette), dpr));
        break;
    }
    }
}

int ResultDelegate::paintTagAndButtons(QPainter* painter, const QStyleOptionViewItem& option,
                                       const ResultItem& item, bool selected, bool hovering,
                                       qreal dpr) const {
    const QPalette& palette = option.palette;
    const QRect rect = option.rect.adjusted(8, 1, -8, -1);
    int right = rect.right() - 8;
    if (m_context.settings) {
        if (const auto tag = ResultRow::tag(item, *m_context.settings); tag && !tag->isEmpty()) {
            const QFont font = Style::font(10);
            const QFontMetrics metrics(font);
            const QString text = drawable(*tag);
            const int width = metrics.horizontalAdvance(text) + 12;
            const QRect capsule(right - width + 1, rect.center().y() - (metrics.height() + 4) / 2, width,
                                metrics.height() + 4);
            QPainterPath path;
            path.addRoundedRect(capsule, capsule.height() / 2.0, capsule.height() / 2.0);
            painter->fillPath(path, Style::primaryFill(palette, 0.08));
            painter->setFont(font);
            painter->setPen(Style::secondary(palette));
            painter->drawText(capsule, Qt::AlignCenter, text);
            right = capsule.left() - 8;
        }
    }
    const auto drawButton = [&](const QRect& r, const QString& symbol, bool pointed, const QColor& tint) {
        const bool prominent = selected || hovering;
        QPainterPath circle;
        circle.addEllipse(r);
        painter->fillPath(circle, Style::primaryFill(palette, pointed ? 0.20 : prominent ? 0.12 : 0.06));
        QRect glyph(QPoint(), QSize(13, 13));
        glyph.moveCenter(r.center());
        painter->drawPixmap(glyph, Icons::symbol(symbol, 13, tint, dpr));
    };
    const QRect reveal = revealRect(option.rect.adjusted(8, 1, -8, -1), item);
    const QRect copy = copyRect(option.rect.adjusted(8, 1, -8, -1), item);
    if (!reveal.isNull()) {
        const bool pointed = hovering && m_hoverButton == Button::reveal;
        drawButton(reveal, QStringLiteral("folder"), pointed,
                   selected || hovering || pointed ? Style::primary(palette) : Style::secondary(palette));
        right = reveal.left() - 6;
    }
    if (!copy.isNull()) {
        const bool copied = !m_copiedKey.isEmpty() && m_copiedKey == item.historyKey();
        const bool pointed = hovering && m_hoverButton == Button::copy;
        const QColor tint = copied ? Style::markColor(palette, QColor(0x30, 0xB0, 0x50))
                            : selected || hovering || pointed ? Style::primary(palette)
                                                              : Style::secondary(palette);
        drawButton(copy, copied ? QStringLiteral("checkmark") : QStringLiteral("doc.on.doc"), pointed, tint);
        right = copy.left() - 6;
    }
    return right;
}

void ResultDelegate::paintTexts(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index, const ResultItem& item,
                                std::pair<int, int> leftRight, qreal dpr) const {
    const QPalette& palette = option.palette;
    const int row = index.row();
    const QRect rect = option.rect.adjusted(8, 1, -8, -1);
    const auto [left, right] = leftRight;
    const int width = qMax(0, right - left - 4);
    const QFont nameFont = Style::font(14, QFont::Medium);
    const QFont subtitleFont = Style::font(11);
    const QFontMetrics nameMetrics(nameFont), subtitleMetrics(subtitleFont);
    const bool favorite = !m_plain && qobject_cast<const ResultListModel*>(index.model()) &&
                          static_cast<const ResultListModel*>(index.model())->isFavorite(row);
    const int marks = (favorite ? 12 : 0) + (item.isPinned ? 12 : 0);
    const int lines = ResultRow::subtitleLines(item);
    const int textHeight = nameMetrics.height() + 1 + subtitleMetrics.height() * lines;
    int y = rect.center().y() - textHeight / 2;
    const QString name =
        nameMetrics.elidedText(drawable(item.name()), Qt::ElideRight, qMax(0, width - marks));
    painter->setFont(nameFont);
    painter->setPen(Style::primary(palette));
    const QRect nameRect(left, y, width, nameMetrics.height());
    painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, name);
    int markX = left + nameMetrics.horizontalAdvance(name) + 4;
    const auto drawMark = [&](const QString& symbol, const QColor& color) {
        const QRect mark(markX, nameRect.center().y() - 4, 9, 9);
        painter->drawPixmap(mark, Icons::symbol(symbol, 9, color, dpr));
        markX += 12;
    };
    if (favorite) drawMark(QStringLiteral("star.fill"), Style::markColor(palette, QColor(0xF5, 0xC2, 0x11)));
    if (item.isPinned)
        drawMark(QStringLiteral("pin.fill"), Style::markColor(palette, QColor(0xF0, 0x8A, 0x24)));
    y += nameMetrics.height() + 1;
    painter->setFont(subtitleFont);
    painter->setPen(Style::secondary(palette));
    const QString subtitle =
        PlatformWords::current().text(drawable(ResultRow::subtitle(item, m_context.homePath)));
    if (lines == 1) {
        painter->drawText(QRect(left, y, width, subtitleMetrics.height()), Qt::AlignLeft | Qt::TextSingleLine,
                          subtitleMetrics.elidedText(subtitle, Qt::ElideMiddle, width));
    } else {
        // Two lines, the second shortened at its end.
        QString first = subtitle, second;
        const QString simplified = subtitle.simplified();
        int cut = 0;
        for (int i = 1; i <= simplified.size(); ++i) {
            if (i == simplified.size() || simplified[i] == QLatin1Char(' ')) {
                if (subtitleMetrics.horizontalAdvance(simplified.left(i)) > width) break;
                cut = i;
            }
        }
        if (cut > 0 && cut < simplified.size()) {
            first = simplified.left(cut);
            second = simplified.mid(cut + 1);
        } else {
            first = simplified;
        }
        painter->drawText(QRect(left, y, width, subtitleMetrics.height()), Qt::AlignLeft | Qt::TextSingleLine,
                          subtitleMetrics.elidedText(first, Qt::ElideRight, width));
        if (!second.isEmpty())
            painter->drawText(QRect(left, y + subtitleMetrics.height(), width, subtitleMetrics.height()),
                              Qt::AlignLeft | Qt::TextSingleLine,
                              subtitleMetrics.elidedText(second, Qt::ElideRight, width));
    }
}

// --- View --------------------------------------------------------------------------------------------

ResultList::ResultList(ResultDelegate::Context context, QWidget* parent) : QListView(parent) {
    m_model = new ResultListModel(this);
    m_model->setHomePath(context.homePath);
    FileThumbnails* const thumbnails = context.thumbnails;
    m_delegate = new ResultDelegate(std::move(context), this);
    setModel(m_model);
    setItemDelegate(m_delegate);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setUniformItemSizes(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSpacing(0);
    setViewportMargins(0, 8, 0, 8);
    viewport()->setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    OverlayScrollBar::attach(this);
    if (thumbnails) connect(thumbnails, &FileThumbnails::ready, viewport(), qOverload<>(&QWidget::update));
    m_copiedTimer.setSingleShot(true);
    m_copiedTimer.setInterval(kCopiedMs);
    connect(&m_copiedTimer, &QTimer::timeout, this, [this] {
        m_delegate->setCopied({});
        viewport()->update();
    });
}

void ResultList::setItems(const QList<ResultItem>& items, const QSet<QString>& favorites, int selectedIndex) {
    m_model->setItems(items, favorites);
    m_delegate->setSelectedRow(selectedIndex);
    m_selectedRow = m_plain ? -1 : selectedIndex;
    Accessibility::followRow(this, m_selectedRow, false);
    if (selectedIndex >= 0 && selectedIndex < items.size())
        scrollTo(m_model->index(selectedIndex), QAbstractItemView::EnsureVisible);
    viewport()->update();
}

void ResultList::setPlain(bool plain) {
    m_plain = plain;
    m_delegate->setPlain(plain);
    if (plain) setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int ResultList::contentHeight() const {
    int height = 16;
    for (int row = 0; row < m_model->rowCount(); ++row)
        height += sizeHintForRow(row);
    return height;
}

void ResultList::showCopied(const ResultItem& item) {
    m_delegate->setCopied(item.historyKey());
    m_copiedTimer.start();
    viewport()->update();
}

int ResultList::buttonAt(const QPoint& position, int row) const {
    if (row < 0 || row >= m_model->items().size()) return Button::none;
    const ResultItem& item = m_model->items()[row];
    const QRect rect = visualRect(m_model->index(row)).adjusted(8, 1, -8, -1);
    if (m_delegate->copyRect(rect, item).contains(position)) return Button::copy;
    if (m_delegate->revealRect(rect, item).contains(position)) return Button::reveal;
    return Button::none;
}

void ResultList::updateHover(const QPoint& position) {
    const int row = indexAt(position).row();
    m_delegate->setHover(row, buttonAt(position, row));
    viewport()->update();
}

void ResultList::mouseMoveEvent(QMouseEvent* event) {
    updateHover(event->position().toPoint());
}

void ResultList::leaveEvent(QEvent* event) {
    m_delegate->setHover(-1, Button::none);
    viewport()->update();
    QListView::leaveEvent(event);
}

void ResultList::mousePressEvent(QMouseEvent* event) {
    if (m_plain || event->button() != Qt::LeftButton) return;
    const QPoint position = event->position().toPoint();
    const int row = indexAt(position).row();
    if (row < 0) return;
    if (buttonAt(position, row) == Button::none) emit rowClicked(row);
}

void ResultList::mouseReleaseEvent(QMouseEvent* event) {
    if (m_plain || event->button() != Qt::LeftButton) return;
    const QPoint position = event->position().toPoint();
    const int row = indexAt(position).row();
    switch (buttonAt(position, row)) {
    case Button::copy:
        showCopied(m_model->items()[row]);
        emit copyClicked(row);
        break;
    case Button::reveal:
        emit revealClicked(row);
        break;
    default:
        break;
    }
}

void ResultList::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_plain || event->button() != Qt::LeftButton) return;
    const QPoint position = event->position().toPoint();
    const int row = indexAt(position).row();
    if (row >= 0 && buttonAt(position, row) == Button::none) emit rowDoubleClicked(row);
}

void ResultList::contextMenuEvent(QContextMenuEvent* event) {
    if (m_plain) return;
    const int row = indexAt(event->pos()).row();
    if (row >= 0) emit contextMenuAt(row, event->globalPos());
}

bool ResultList::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int row = indexAt(help->pos()).row();
        const int button = buttonAt(help->pos(), row);
        if (button == Button::copy)
            QToolTip::showText(help->globalPos(), ResultRow::copyHelp(m_model->items()[row]), this);
        else if (button == Button::reveal)
            QToolTip::showText(help->globalPos(), ResultRow::revealHelp(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QListView::viewportEvent(event);
}

} // namespace zarvo::ui
