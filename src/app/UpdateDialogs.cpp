#include "app/UpdateDialogs.h"

#include "app/MessageBoxLook.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace zarvo::app {

namespace {

constexpr qsizetype kVersionChars = 40;
constexpr qsizetype kErrorChars = 400;
constexpr qsizetype kNotesChars = 8000;

// The application's own icon where the desktop has it (an installed copy puts it in the icon theme),
// and labels that show their text as it is: no markup, no links.
void dress(QMessageBox& box) {
    dressMessageBox(box, 420);
    box.setTextFormat(Qt::PlainText);
    for (QLabel* label : box.findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
        label->setOpenExternalLinks(false);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
}

std::unique_ptr<QMessageBox> box(QMessageBox::Icon icon, const QString& text, const QString& informative) {
    auto made = std::make_unique<QMessageBox>();
    made->setWindowTitle(QCoreApplication::translate("UpdateDialogs", "Software Update"));
    made->setIcon(icon);
    made->setTextFormat(Qt::PlainText);
    made->setText(text);
    made->setInformativeText(informative);
    return made;
}

} // namespace

std::unique_ptr<QMessageBox> foundBox(const Updater::Found& found, const QString& runningVersion) {
    const QString running = Appcast::plainText(runningVersion, kVersionChars);
    std::unique_ptr<QMessageBox> made;
    switch (found.kind) {
    case Updater::Found::Kind::upToDate:
        made =
            box(QMessageBox::Information, QCoreApplication::translate("UpdateDialogs", "You're up to date!"),
                QCoreApplication::translate("UpdateDialogs",
                                            "Zarvo %1 is currently the newest version available.")
                    .arg(running));
        break;
    case Updater::Found::Kind::failed:
        made = box(QMessageBox::Warning, QCoreApplication::translate("UpdateDialogs", "Update Error!"),
                   Appcast::plainText(found.error, kErrorChars));
        break;
    case Updater::Found::Kind::available: {
        made = box(QMessageBox::Information,
                   QCoreApplication::translate("UpdateDialogs", "A new version of Zarvo is available!"),
                   QCoreApplication::translate(
                       "UpdateDialogs",
                       "Zarvo %1 is now available\u2014you have %2. Would you like to install it now?")
                       .arg(Appcast::plainText(found.item.version, kVersionChars), running));
        if (!found.item.notes.isEmpty())
            made->setDetailedText(Appcast::plainText(found.item.notes, kNotesChars, true));
        QPushButton* install = made->addButton(
            QCoreApplication::translate("UpdateDialogs", "Install and Relaunch"), QMessageBox::AcceptRole);
        made->addButton(QCoreApplication::translate("UpdateDialogs", "Later"), QMessageBox::RejectRole);
        made->setDefaultButton(install);
        break;
    }
    }
    dress(*made);
    return made;
}

std::unique_ptr<QMessageBox> errorBox(const QString& error) {
    auto made = box(QMessageBox::Warning,
                    QCoreApplication::translate("UpdateDialogs", "The update was not installed."),
                    Appcast::plainText(error, kErrorChars));
    dress(*made);
    return made;
}

bool showFound(const Updater::Found& found, const QString& runningVersion) {
    const auto made = foundBox(found, runningVersion);
    made->exec();
    return found.kind == Updater::Found::Kind::available && made->clickedButton() &&
           made->buttonRole(made->clickedButton()) == QMessageBox::AcceptRole;
}

} // namespace zarvo::app
