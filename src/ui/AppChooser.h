#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace zarvo {
class Workspace;
}

namespace zarvo::ui {

// Picks one of the installed applications (the desktop's menu entries), searchable by name: the
// counterpart of an open panel limited to applications.
class AppChooser : public QDialog {
    Q_OBJECT
public:
    AppChooser(Workspace& workspace, const QString& prompt, QWidget* parent = nullptr);
    // The chosen application's location, or none when cancelled.
    std::optional<QString> chosen() const;

    QListWidget* list() const { return m_list; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filter(const QString& text);

    QLineEdit* m_search;
    QListWidget* m_list;
    QPushButton* m_accept;
};

} // namespace zarvo::ui
