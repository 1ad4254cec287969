#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace zarvo {

// What the application shell installs for the panel's parts: closing the panel, the settings window,
// the preview, the beep, and the modal folder chooser and alerts. A headless run keeps the defaults.
struct PanelShell {
    std::function<void()> onDismiss = [] {};
    std::function<void()> onOpenSettings = [] {};
    std::function<void()> onQuickLook = [] {};
    // The system beep that goes with every refusal.
    std::function<void()> onBeep = [] {};
    // Move to…: the shell shows a modal folder chooser (with the application activated) and gives the
    // chosen folder, or none when cancelled; alerts are modal too. Afterwards the shell hides the
    // application again through onHideApplication.
    struct FolderRequest {
        QString prompt;  // the accept button
        QString message; // the chooser's title
        QString startFolder;
        bool operator==(const FolderRequest&) const = default;
    };
    std::function<std::optional<QString>(const FolderRequest&)> chooseFolder = [](const FolderRequest&) {
        return std::optional<QString>();
    };
    std::function<void(const QString& text)> showAlert = [](const QString&) {};
    std::function<void()> onHideApplication = [] {};
};

} // namespace zarvo
