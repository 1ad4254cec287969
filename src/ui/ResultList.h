#pragma once

#include "search/ResultItem.h"

#include <QAbstractListModel>
#include <QListView>
#include <QPersistentModelIndex>
#include <QSet>
#include <QStyledItemDelegate>
#include <QTimer>
#include <functional>

Q_DECLARE_METATYPE(zarvo::ResultItem)

namespace zarvo {
class ClipStore;
class Settings;
} // namespace zarvo

namespace zarvo::ui {
class FileThumbnails;

// The rows as a list model, so one delegate paints them (a long list stays smooth).
class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { ItemRole = Qt::UserRole + 1 };
    using QAbstractListModel::QAbstractListModel;

    // Replaces the rows; a list equal to the shown one changes nothing.
    void setItems(const QList<ResultItem>& items, const QSet<QString>& favorites);
    const QList<ResultItem>& items() const { return m_items; }
    bool isFavorite(int row) const;
    // The home folder, written "~" in the subtitles a screen reader reads.
    void setHomePath(const QString& path) { m_homePath = path; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QList<ResultItem> m_items;
    QSet<QString> m_favorites;
    QString m_homePath;
};

// Paints one result row: icon, name with star and pin, subtitle, copy and reveal buttons, tag.
class ResultDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    struct Context {
        const Settings* settings = nullptr;
        ClipStore* clips = nullptr;
        QString homePath;
        // Pictures of image, PDF and video files; none: their icons.
        FileThumbnails* thumbnails = nullptr;
    };
    ResultDelegate(Context context, QObject* parent);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // Where the row's buttons are, in the row's coordinates (empty when it has none).
    QRect copyRect(const QRect& row, const ResultItem& item) const;
    QRect revealRect(const QRect& row, const ResultItem& item) const;

    // View state: the row under the pointer, the button under it, the row showing the check mark.
    void setHover(int row, int button) {
        m_hoverRow = row;
        m_hoverButton = button;
    }
    void setCopied(const QString& key) { m_copiedKey = key; }
    void setSelectedRow(int row) { m_selectedRow = row; }
    // Rows drawn without buttons and never as selected (the target row above actions and rename).
    void setPlain(bool plain) { m_plain = plain; }

private:
    int tagWidthFor(const QRect& row, const ResultItem& item) const;
    // The parts of a row: its icon; its tag and buttons from the right (where the texts must end);
    // its name with the favourite and pin marks, and its subtitle, between the icon and that end.
    void paintIcon(QPainter* painter, const QRect& iconRect, const ResultItem& item, const QPalette& palette,
                   qreal dpr) const;
    int paintTagAndButtons(QPainter* painter, const QStyleOptionViewItem& option, const ResultItem& item,
                           bool selected, bool hovering, qreal dpr) const;
    void paintTexts(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index,
                    const ResultItem& item, std::pair<int, int> leftRight, qreal dpr) const;
    Context m_context;
    int m_hoverRow = -1;
    int m_hoverButton = 0; // 1 copy, 2 reveal
    int m_selectedRow = -1;
    bool m_plain = false;
    QString m_copiedKey;
};

// The scrolling list of rows. Clicks select, double clicks open; the buttons and the context menu are
// reported to the owner, which calls the model.
class ResultList : public QListView {
    Q_OBJECT
public:
    ResultList(ResultDelegate::Context context, QWidget* parent = nullptr);

    void setItems(const QList<ResultItem>& items, const QSet<QString>& favorites, int selectedIndex);
    // A list of one fixed row (the target of actions and rename), without buttons.
    void setPlain(bool plain);
    ResultListModel* listModel() const { return m_model; }
    ResultDelegate* delegate() const { return m_delegate; }
    // Shows the check mark on a row's copy button for a moment.
    void showCopied(const ResultItem& item);
    // The height all rows need (a plain list shows exactly its rows).
    int contentHeight() const;

signals:
    void rowClicked(int row);
    void rowDoubleClicked(int row);
    void copyClicked(int row);
    void revealClicked(int row);
    void contextMenuAt(int row, const QPoint& globalPosition);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    int buttonAt(const QPoint& position, int row) const;
    void updateHover(const QPoint& position);

    ResultListModel* m_model = nullptr;
    ResultDelegate* m_delegate = nullptr;
    QTimer m_copiedTimer;
    bool m_plain = false;
    int m_selectedRow = -1;
};

} // namespace zarvo::ui
