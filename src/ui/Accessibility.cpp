#include "ui/Accessibility.h"

#include "ui/PanelControls.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSignalBlocker>

namespace zarvo::ui::Accessibility {

namespace {

const char* const kRoleProperty = "zarvoAccessibleRole";

// A tab of the tab bar: a page tab whose name carries its count, selected when its page shows.
class TabInterface : public QAccessibleWidget {
public:
    explicit TabInterface(TabButton* tab) : QAccessibleWidget(tab, QAccessible::PageTab) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto* tab = static_cast<const TabButton*>(widget());
        const int count = tab->count();
        if (count < 1) return tab->title();
        return QCoreApplication::translate("Accessibility", "%1, %n item(s)", nullptr, count)
            .arg(tab->title());
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = static_cast<const TabButton*>(widget())->isSelected();
        return s;
    }
    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& name) override {
        if (name == QAccessibleActionInterface::pressAction()) static_cast<TabButton*>(widget())->click();
    }
};

// A widget with the role it was given; a label keeps its text as its name.
class RoleInterface : public QAccessibleWidget {
public:
    RoleInterface(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            if (const auto* label = qobject_cast<const QLabel*>(widget())) return label->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* tab = qobject_cast<TabButton*>(widget)) return new TabInterface(tab);
    const QVariant role = widget->property(kRoleProperty);
    if (role.isValid()) return new RoleInterface(widget, QAccessible::Role(role.toInt()));
    return nullptr;
}

} // namespace

void install() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

void setRole(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(kRoleProperty, int(role));
}

void followRow(QAbstractItemView* view, int row, bool speak) {
    QItemSelectionModel* selection = view->selectionModel();
    if (!selection || !view->model()) return;
    const QModelIndex index = view->model()->index(row, 0);
    {
        // The view's own reports would speak every row the model is reset to; ours decide when.
        const QSignalBlocker blocker(selection);
        if (index.isValid())
            selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        else
            selection->clear();
    }
    if (!speak || !index.isValid() || !QAccessible::isActive()) return;
    QAccessibleEvent selected(view, QAccessible::Selection);
    selected.setChild(row);
    QAccessible::updateAccessibility(&selected);
    QAccessibleEvent focus(view, QAccessible::Focus);
    focus.setChild(row);
    QAccessible::updateAccessibility(&focus);
}

void announce(QLabel* line) {
    if (!QAccessible::isActive() || line->isHidden()) return;
    QAccessibleEvent name(line, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    // Screen readers read a notification when it starts showing; a second message while the line
    // shows is reported as showing again.
    QAccessibleEvent shown(line, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QString withPosition(const QString& details, int row, int count) {
    const QString position = QCoreApplication::translate("Accessibility", "%1 of %2").arg(row + 1).arg(count);
    return details.isEmpty() ? position : details + QStringLiteral(", ") + position;
}

QString spokenKeys(const QString& keys) {
    static const std::pair<QChar, const char*> names[] = {
        {QChar(0x21A9), "Return"},   {QChar(0x232B), "Backspace"}, {QChar(0x2326), "Delete"},
        {QChar(0x238B), "Escape"},   {QChar(0x21E5), "Tab"},       {QChar(0x2191), "Up"},
        {QChar(0x2193), "Down"},     {QChar(0x2190), "Left"},      {QChar(0x2192), "Right"},
        {QChar(0x2318), "Command+"}, {QChar(0x21E7), "Shift+"},    {QChar(0x2325), "Alt+"},
        {QChar(0x2303), "Control+"}};
    QString spoken = keys;
    for (const auto& [symbol, name] : names)
        spoken.replace(symbol, QLatin1String(name));
    return spoken;
}

void selectionChanged(QWidget* widget) {
    if (!QAccessible::isActive()) return;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace zarvo::ui::Accessibility
