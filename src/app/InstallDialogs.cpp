#include "app/InstallDialogs.h"

#include "app/MessageBoxLook.h"
#include "platform/Environment.h"

#include <QMessageBox>
#include <QPushButton>

namespace zarvo::app {

namespace {

// Wide enough that the destination's path in a question does not fold the text.
constexpr int kWidth = 460;

} // namespace

QString MessageBoxInstallDialogs::iconFile() const {
    return m_installation.runningFolder() + QLatin1String("/icons/hicolor/scalable/apps/") +
           QLatin1String(kAppIdentifier) + QLatin1String(".svg");
}

int MessageBoxInstallDialogs::ask(const QString& message, const QString& informative,
                                  const QStringList& buttons) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Zarvo"), message);
    box.setInformativeText(informative);
    dressMessageBox(box, kWidth, iconFile());
    QList<QPushButton*> made;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        made << box.addButton(buttons[i], i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
    if (!made.isEmpty()) box.setDefaultButton(made.first());
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    box.activateWindow();
    box.raise();
    box.exec();
    return int(made.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
}

void MessageBoxInstallDialogs::alert(const QString& message, const QString& informative) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Zarvo"), message, QMessageBox::Ok);
    box.setInformativeText(informative);
    dressMessageBox(box, kWidth, iconFile());
    box.show();
    box.activateWindow();
    box.exec();
}

} // namespace zarvo::app
