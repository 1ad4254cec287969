#pragma once

#include <QWidget>

namespace zarvo {
class Settings;
}

namespace zarvo::ui {

// The settings window. Its sections are not built yet: it says so and where settings can be changed
// meanwhile, so the menu item and the panel's key lead somewhere true.
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    explicit SettingsWindow(Settings& settings, QWidget* parent = nullptr);
};

} // namespace zarvo::ui
