#pragma once

#include <QAbstractButton>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace zarvo::ui {

// A busy indicator: a turning arc, animated only while shown.
class Spinner : public QWidget {
    Q_OBJECT
public:
    explicit Spinner(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent*) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;

private:
    QTimer m_timer;
    int m_angle = 0;
};

// A capsule button of the tab bar: symbol, title and an optional count; the selected one is filled.
class TabButton : public QAbstractButton {
    Q_OBJECT
public:
    TabButton(const QString& symbol, const QString& title, QWidget* parent = nullptr);
    void setSelected(bool selected);
    void setCount(int count);
    bool isSelected() const { return m_selected; }
    int count() const { return m_count; }
    const QString& title() const { return m_title; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString m_symbol, m_title;
    bool m_selected = false;
    int m_count = 0;
};

// The Clear control: a capsule with a trash symbol, red while it asks for confirmation.
class CapsuleButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CapsuleButton(QWidget* parent = nullptr);
    void setConfirming(bool confirming);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* event) override;

private:
    bool m_confirming = false;
};

// One application of the Open-with bar: icon, name and its key hint.
class AppChip : public QAbstractButton {
    Q_OBJECT
public:
    AppChip(const QIcon& icon, const QString& name, const QString& hint, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    QIcon m_icon;
    QString m_name, m_hint;
    bool m_hover = false;
};

// A thin line between the panel's parts.
class Divider : public QWidget {
public:
    explicit Divider(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace zarvo::ui
