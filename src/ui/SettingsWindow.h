#pragma once

#include "ui/SettingsView.h"

#include <QWidget>

namespace zarvo::ui {

// The "Zarvo Settings" window: titled, closable, a fixed size, holding the settings view; a preferences
// window, so it has no minimise button. Esc and Ctrl+W close it unless a shortcut is being recorded
// (then the key belongs to the recording).
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
