#include "ui/WindowPixels.h"

#include <QApplication>
#include <QBackingStore>
#include <QWidget>

namespace zarvo::ui::WindowPixels {

void dropHidden() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QBackingStore* store = window->isVisible() ? nullptr : window->backingStore();
        // The repaint manager resizes the store back to the window on the first paint after a show.
        if (store && store->size() != QSize(1, 1)) store->resize(QSize(1, 1));
    }
}

} // namespace zarvo::ui::WindowPixels
