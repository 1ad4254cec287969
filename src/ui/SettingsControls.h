#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFrame>
#include <QWidget>

class QLabel;
class QToolButton;
class QVBoxLayout;

namespace zarvo::ui {

// An on/off switch with its title on the left, as settings forms show them. Space toggles it.
class Switch : public QAbstractButton {
    Q_OBJECT
public:
    explicit Switch(const QString& title, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    bool hitButton(const QPoint&) const override { return true; }
};

// One titled group of the settings form: a heading, a rounded card of rows and an optional footer.
class SettingsSection : public QWidget {
    Q_OBJECT
public:
    SettingsSection(const QString& title, const QString& footer, QWidget* parent = nullptr);
    // Adds a row to the card; rows are separated by thin lines.
    void addRow(QWidget* row);
    void setFooter(const QString& footer);

private:
    QFrame* m_card;
    QVBoxLayout* m_rows;
    QLabel* m_footer;
};

// A small wrapped text under a control or a section's rows.
QLabel* caption(const QString& text, QWidget* parent);
void setTextColor(QWidget* widget, const QColor& color);
// The round "−" button that removes an entry of a list.
QToolButton* removeButton(QWidget* parent, const QString& tip);

// A row: a text on the left, controls on the right.
QWidget* labelledRow(const QString& text, QWidget* control, QWidget* second = nullptr);

// A collapsed group: a title with a turning arrow; the body is built when first opened.
class Disclosure : public QWidget {
    Q_OBJECT
public:
    explicit Disclosure(QWidget* parent = nullptr);
    void setTitle(const QString& title);
    QString title() const;
    void setExpanded(bool expanded);
    // The body; add its rows here.
    QWidget* body() const { return m_body; }

signals:
    void expandedChanged(bool expanded);

private:
    QAbstractButton* m_header;
    QWidget* m_body;
};

} // namespace zarvo::ui
