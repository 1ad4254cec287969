#pragma once

#include "ui/SettingsView.h"

#include <QWidget>

namespace zarvo::ui {

// The "Zarvo Settings" window: titled, closable, a fixed size, holding the settings view. Esc closes
// it unless a shortcut is being recorded (then Esc cancels the recording).
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    explicit SettingsWindow(SettingsView::Services services, QWidget* parent = nullptr);
    SettingsView* view() const { return m_view; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    SettingsView* m_view;
};

} // namespace zarvo::ui
