#pragma once

#include "files/IndexedFolders.h"
#include "index/FileIndex.h"
#include "ui/SettingsControls.h"

#include <QTimer>
#include <functional>
#include <optional>

class QLabel;
class QVBoxLayout;

namespace zarvo {
class UserDefaults;
}

namespace zarvo::ui {

// The "Search Access" section where files are found by Zarvo's own index: the folders searched and
// those left out, each with Add and Remove, and what the index holds and how it follows changes.
class SearchAccessSection : public SettingsSection {
    Q_OBJECT
public:
    struct Index {
        std::function<index::IndexStatus()> status;
        // Starts the index again on the folders now stored.
        std::function<void()> reload;
        int relistMinutes = 2;
    };
    SearchAccessSection(UserDefaults& defaults, Index index, QString home, QWidget* parent = nullptr);

    // Asks for a folder; tests answer it. By default the desktop's folder dialog.
    std::function<std::optional<QString>(const QString& title)> chooseFolder;
    // The first control, for the window's initial focus.
    QWidget* firstControl() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    using List = IndexedFolders::List;
    void refreshLists();
    void refreshStatus();
    void add(List list);
    void changed(const std::optional<QString>& error);

    UserDefaults& m_defaults;
    Index m_index;
    QString m_home;
    QVBoxLayout* m_rows[2] = {};
    QWidget* m_addButtons[2] = {};
    QLabel* m_status = nullptr;
    QLabel* m_error = nullptr;
    QTimer m_statusTimer;
};

} // namespace zarvo::ui
