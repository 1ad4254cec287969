#include "app/MessageBoxLook.h"

#include "platform/Environment.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QIcon>
#include <QMessageBox>

namespace zarvo::app {

void dressMessageBox(QMessageBox& box, int minimumWidth, const QString& iconFile) {
    const QIcon icon = !iconFile.isEmpty() && QFileInfo::exists(iconFile)
                           ? QIcon(iconFile)
                           : QIcon::fromTheme(QLatin1String(kAppIdentifier));
    if (!icon.isNull()) {
        box.setWindowIcon(icon);
        box.setIconPixmap(icon.pixmap(QSize(64, 64), box.devicePixelRatioF()));
    }
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(minimumWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace zarvo::app
