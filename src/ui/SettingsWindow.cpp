#include "ui/SettingsWindow.h"

#include <QKeyEvent>
#include <QVBoxLayout>

namespace zarvo::ui {

SettingsWindow::SettingsWindow(SettingsView::Services services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(tr("Zarvo Settings"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new SettingsView(std::move(services), this);
    layout->addWidget(m_view);
    setFixedSize(540, 680);
}

void SettingsWindow::keyPressEvent(QKeyEvent* event) {
    const bool escape = event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier;
    if ((escape || event->matches(QKeySequence::Close)) && !m_view->recorder().recording()) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SettingsWindow::closeEvent(QCloseEvent* event) {
    m_view->stopRecording();
    QWidget::closeEvent(event);
}

} // namespace zarvo::ui
