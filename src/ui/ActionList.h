#pragma once

#include "search/ResultItem.h"

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>

namespace zarvo::ui {

// The actions menu: one painted row per action (symbol, title, shortcut), red when destructive.
class ActionList : public QListView {
    Q_OBJECT
public:
    explicit ActionList(QWidget* parent = nullptr);
    void setActions(const QList<ItemAction>& actions, int selectedIndex);

signals:
    void actionClicked(int index);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    class Model;
    class Delegate;
    Model* m_model = nullptr;
    Delegate* m_delegate = nullptr;
};

} // namespace zarvo::ui
