#include "ui/WindowPixels.h"

#include "fakes/EventLoop.h"

#include <QBackingStore>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
// Paints itself one colour, as a window whose pixels come only from its paint event.
struct Swatch : QWidget {
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::darkCyan); }
};

QColor centreOf(QWidget& window) {
    const auto* image = dynamic_cast<QImage*>(window.backingStore()->paintDevice());
    return image && !image->isNull() ? image->pixelColor(image->width() / 2, image->height() / 2) : QColor();
}
} // namespace

// A hidden window lets its pixels go and, shown again, is painted whole; a shown one keeps them.
TEST(WindowPixelsTest, HiddenWindowsDropTheirPixelsAndPaintWholeWhenShownAgain) {
    Swatch hidden, shown;
    for (Swatch* window : {&hidden, &shown}) {
        window->resize(300, 200);
        window->show();
    }
    ASSERT_TRUE(zarvo::testing::waitUntil([&] { return centreOf(hidden) == QColor(Qt::darkCyan); }, 5000));
    hidden.hide();
    zarvo::ui::WindowPixels::dropHidden();
    EXPECT_EQ(hidden.backingStore()->size(), QSize(1, 1));
    EXPECT_EQ(shown.backingStore()->size(), QSize(300, 200));

    hidden.show();
    EXPECT_TRUE(zarvo::testing::waitUntil(
        [&] {
            return hidden.backingStore()->size() == QSize(300, 200) &&
                   centreOf(hidden) == QColor(Qt::darkCyan);
        },
        5000));
}
