#include "ui/AppChooser.h"

#include "platform/Workspace.h"
#include "ui/Icons.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zarvo::ui {

namespace {
constexpr int kLocationRole = Qt::UserRole;
}

AppChooser::AppChooser(Workspace& workspace, const QString& prompt, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Choose an App"));
    auto* layout = new QVBoxLayout(this);
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(tr("Search"));
    m_search->setClearButtonEnabled(true);
    m_list = new QListWidget(this);
    m_list->setIconSize({24, 24});
    m_list->setUniformItemSizes(true);
    for (const QString& location : workspace.installedApplications()) {
        const QString name = workspace.shownApplicationName(location);
        auto* item = new QListWidgetItem(Icons::fromName(workspace.iconNameForFile(location)), name, m_list);
        item->setData(kLocationRole, location);
        item->setToolTip(location);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_accept = buttons->addButton(prompt, QDialogButtonBox::AcceptRole);
    m_accept->setDefault(true);
    layout->addWidget(m_search);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(420, 480);

    connect(m_search, &QLineEdit::textChanged, this, &AppChooser::filter);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* current) { m_accept->setEnabled(current && !current->isHidden()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The arrows move through the list while the search field keeps the keyboard.
    m_search->installEventFilter(this);
    filter({});
}

void AppChooser::filter(const QString& text) {
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        const bool shown = text.isEmpty() || item->text().contains(text, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !first) first = item;
    }
    if (!m_list->currentItem() || m_list->currentItem()->isHidden()) m_list->setCurrentItem(first);
    m_accept->setEnabled(first != nullptr);
}

bool AppChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(m_list, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<QString> AppChooser::chosen() const {
    if (result() != QDialog::Accepted) return std::nullopt;
    const QListWidgetItem* item = m_list->currentItem();
    if (!item || item->isHidden()) return std::nullopt;
    return item->data(kLocationRole).toString();
}

} // namespace zarvo::ui
