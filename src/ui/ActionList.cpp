#include "ui/ActionList.h"
#include "ui/OverlayScrollBar.h"

#include "platform/PlatformWords.h"
#include "ui/Accessibility.h"
#include "ui/Icons.h"
#include "ui/Style.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace zarvo::ui {

namespace {
constexpr int kRowHeight = 36;
}

class ActionList::Model : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    struct Row {
        QString title, symbol, shortcut;
        bool destructive = false;
        bool operator==(const Row&) const = default;
    };
    void setRows(const QList<Row>& rows) {
        if (rows == m_rows) return;
        beginResetModel();
        m_rows = rows;
        endResetModel();
    }
    const Row* row(int index) const { return index >= 0 && index < m_rows.size() ? &m_rows[index] : nullptr; }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const Row* r = row(index.row());
        if (!r) return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return r->title;
        if (role == Qt::AccessibleDescriptionRole) {
            QStringList parts;
            if (!r->shortcut.isEmpty()) parts << Accessibility::spokenKeys(r->shortcut);
            if (r->destructive) parts << QCoreApplication::translate("zarvo::ui::ActionList", "destructive");
            return Accessibility::withPosition(parts.join(QStringLiteral(", ")), index.row(), rowCount());
        }
        return {};
    }

private:
    QList<Row> m_rows;
};

class ActionList::Delegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int selected = -1;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), kRowHeight};
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const auto* model = static_cast<const Model*>(index.model());
        const Model::Row* row = model->row(index.row());
        if (!row) return;
        const QPalette& palette = option.palette;
        const QRect rect = option.rect.adjusted(8, 1, -8, -1);
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QColor red = Style::markColor(palette, QColor(0xE5, 0x48, 0x4D));
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (index.row() == selected) {
            QPainterPath background;
            background.addRoundedRect(rect, 7, 7);
            Style::paintSelection(*painter, background, palette);
        }
        QRect glyph(QPoint(), QSize(15, 15));
        glyph.moveCenter(QPoint(rect.left() + 8 + 15, rect.center().y()));
        painter->drawPixmap(
            glyph, Icons::symbol(row->symbol, 15, row->destructive ? red : Style::secondary(palette), dpr));
        int right = rect.right() - 10;
        if (!row->shortcut.isEmpty()) {
            painter->setFont(Style::font(11));
            painter->setPen(Style::secondary(palette));
            const int width = QFontMetrics(painter->font()).horizontalAdvance(row->shortcut);
            painter->drawText(QRect(right - width, rect.top(), width, rect.height()), Qt::AlignVCenter,
                              row->shortcut);
            right -= width + 10;
        }
        painter->setFont(Style::font(14));
        painter->setPen(row->destructive ? red : Style::primary(palette));
        const int left = rect.left() + 8 + 30 + 8;
        const QFontMetrics metrics(painter->font());
        painter->drawText(QRect(left, rect.top(), qMax(0, right - left), rect.height()), Qt::AlignVCenter,
                          metrics.elidedText(row->title, Qt::ElideRight, qMax(0, right - left)));
        painter->restore();
    }
};

ActionList::ActionList(QWidget* parent) : QListView(parent) {
    m_model = new Model(this);
    m_delegate = new Delegate(this);
    setModel(m_model);
    setItemDelegate(m_delegate);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setViewportMargins(0, 8, 0, 8);
    viewport()->setAutoFillBackground(false);
    OverlayScrollBar::attach(this);
}

void ActionList::setActions(const QList<ItemAction>& actions, int selectedIndex) {
    const PlatformWords& words = PlatformWords::current();
    QList<Model::Row> rows;
    rows.reserve(actions.size());
    for (const ItemAction& action : actions)
        rows << Model::Row{words.text(action.title), action.symbol,
                           words.keys(action.shortcut.value_or(QString())), action.isDestructive};
    m_model->setRows(rows);
    m_delegate->selected = selectedIndex;
    Accessibility::followRow(this, selectedIndex, false);
    if (selectedIndex >= 0 && selectedIndex < rows.size())
        scrollTo(m_model->index(selectedIndex), QAbstractItemView::EnsureVisible);
    viewport()->update();
}

void ActionList::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int row = indexAt(event->position().toPoint()).row();
    if (row >= 0) emit actionClicked(row);
}

} // namespace zarvo::ui
