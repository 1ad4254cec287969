#include "ui/SettingsWindow.h"

#include "store/Settings.h"

#include <QLabel>
#include <QVBoxLayout>

namespace zarvo::ui {

SettingsWindow::SettingsWindow(Settings&, QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Zarvo Settings"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    auto* text = new QLabel(
        QStringLiteral("The settings window is not finished yet.\n\n"
                       "Meanwhile every setting can be read and changed from a terminal:\n"
                       "  zarvo-cli settings list\n"
                       "  zarvo-cli settings set KEY VALUE"),
        this);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(text);
    setFixedSize(sizeHint().expandedTo(QSize(460, 200)));
}

} // namespace zarvo::ui
