#include "ui/SearchAccessSection.h"

#include "ui/Style.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zarvo::ui {

namespace {
constexpr int kStatusIntervalMs = 2000;
}

SearchAccessSection::SearchAccessSection(UserDefaults& defaults, Index index, QString home, QWidget* parent)
    : SettingsSection(tr("Search Access"),
                      tr("Zarvo finds files in these folders. Folders you can't read are skipped."), parent),
      m_defaults(defaults), m_index(std::move(index)), m_home(std::move(home)) {
    chooseFolder = [this](const QString& title) -> std::optional<QString> {
        const QString folder = QFileDialog::getExistingDirectory(window(), title, m_home);
        if (folder.isEmpty()) return std::nullopt;
        return folder;
    };
    const struct {
        List list;
        const char* title;
        const char* add;
    } lists[] = {{List::searched, QT_TR_NOOP("Folders searched"), QT_TR_NOOP("Add Folder…")},
                 {List::leftOut, QT_TR_NOOP("Folders left out"), QT_TR_NOOP("Leave Out Folder…")}};
    for (const auto& l : lists) {
        auto* body = new QWidget;
        auto* layout = new QVBoxLayout(body);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(2);
        auto* heading = new QLabel(tr(l.title), body);
        layout->addWidget(heading);
        auto* rows = new QWidget(body);
        m_rows[int(l.list)] = new QVBoxLayout(rows);
        m_rows[int(l.list)]->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(rows);
        auto* addButton = new QPushButton(tr(l.add), body);
        const List list = l.list;
        connect(addButton, &QPushButton::clicked, this, [this, list] { add(list); });
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(addButton);
        buttons->addStretch(1);
        layout->addLayout(buttons);
        m_addButtons[int(l.list)] = addButton;
        addRow(body);
    }
    m_error = caption({}, nullptr);
    m_error->setObjectName(QStringLiteral("searchAccessError"));
    setTextColor(m_error, QColor(0xE0, 0x3E, 0x3E));
    m_error->hide();
    addRow(m_error);
    m_status = caption({}, nullptr);
    m_status->setObjectName(QStringLiteral("indexStatus"));
    setTextColor(m_status, Style::secondary(palette()));
    addRow(m_status);
    m_statusTimer.setInterval(kStatusIntervalMs);
    connect(&m_statusTimer, &QTimer::timeout, this, &SearchAccessSection::refreshStatus);
    refreshLists();
    refreshStatus();
}

QWidget* SearchAccessSection::firstControl() const {
    return m_addButtons[int(List::searched)];
}

void SearchAccessSection::showEvent(QShowEvent* event) {
    // The figures change while the index crawls; followed only while someone looks.
    refreshStatus();
    m_statusTimer.start();
    SettingsSection::showEvent(event);
}

void SearchAccessSection::hideEvent(QHideEvent* event) {
    m_statusTimer.stop();
    SettingsSection::hideEvent(event);
}

void SearchAccessSection::refreshLists() {
    for (List list : {List::searched, List::leftOut}) {
        QVBoxLayout* rows = m_rows[int(list)];
        while (QLayoutItem* item = rows->takeAt(0)) {
            if (QWidget* w = item->widget()) {
                w->hide();
                w->deleteLater();
            }
            delete item;
        }
        const QStringList entries = IndexedFolders::folders(m_defaults, list);
        if (entries.isEmpty()) {
            auto* none = caption(tr("None"), nullptr);
            setTextColor(none, Style::secondary(palette()));
            rows->addWidget(none);
        }
        for (const QString& entry : entries) {
            auto* remove = removeButton(this, tr("Remove %1").arg(IndexedFolders::displayName(entry)));
            connect(remove, &QToolButton::clicked, this,
                    [this, list, entry] { changed(IndexedFolders::remove(m_defaults, list, entry)); });
            auto* row = labelledRow(IndexedFolders::displayName(entry), remove);
            row->setToolTip(entry);
            row->layout()->setContentsMargins(0, 0, 0, 0);
            rows->addWidget(row);
        }
    }
}

void SearchAccessSection::refreshStatus() {
    if (!m_index.status) {
        m_status->hide();
        return;
    }
    m_status->setText(IndexedFolders::statusLines(m_index.status(), m_index.relistMinutes).join(u'\n'));
    m_status->show();
}

void SearchAccessSection::add(List list) {
    const auto folder =
        chooseFolder ? chooseFolder(list == List::searched ? tr("Search a Folder") : tr("Leave Out a Folder"))
                     : std::nullopt;
    if (!folder) return;
    changed(IndexedFolders::add(m_defaults, list, *folder, m_home));
}

void SearchAccessSection::changed(const std::optional<QString>& error) {
    m_error->setText(error.value_or(QString()));
    m_error->setVisible(error.has_value());
    if (error) return;
    refreshLists();
    if (m_index.reload) m_index.reload();
    refreshStatus();
}

} // namespace zarvo::ui
