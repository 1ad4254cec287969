#include "ui/PreviewWindow.h"

#include "app/LazyModules.h"

#include "fakes/EventLoop.h"
#include "fakes/Files.h"

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using zarvo::ui::PreviewWindow;

namespace {
QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    zarvo::testing::writeFile(dir.filePath(name), bytes);
    return dir.filePath(name);
}

// PDF pages come from the module in `folder`: this build's, as in the application, or none.
void usePdfModuleIn(const QString& folder) {
    zarvo::app::installLazyModules(
        [folder](const QString& name) { return QStringList{folder + '/' + name}; });
}

void showAndWait(PreviewWindow& window, const QString& path) {
    window.showFile(QUrl::fromLocalFile(path));
    EXPECT_TRUE(zarvo::testing::waitUntil([&] { return !window.isLoading(); })) << path.toStdString();
}
} // namespace

TEST(PreviewWindowTest, ShowsEachKindAndDescribesTheRest) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("page.pdf");
    {
        QPdfWriter writer(pdf);
        QPainter painter(&writer);
        painter.drawText(100, 100, "first page");
    }
    const QString text = write(dir, "notes.conf", "key = value\nother = 1\n");
    const QString binary = write(dir, "blob.bin", QByteArray::fromHex("7f454c46000001")); // an ELF head
    const QString brokenPng = write(dir, "broken.png", "\x89PNG not really");
    const QString brokenPdf = write(dir, "broken.pdf", "%PDF-1.4 cut");

    EXPECT_EQ(PreviewWindow::kindOf(binary), PreviewWindow::Kind::details);
    EXPECT_EQ(PreviewWindow::kindOf(dir.path()), PreviewWindow::Kind::details);
    EXPECT_EQ(PreviewWindow::detailLines(dir.path(), QLocale(QLocale::English)).first(), "Folder");

    usePdfModuleIn(ZARVO_MODULE_DIR);
    PreviewWindow window;
    window.resize(400, 300);
    window.show();
    showAndWait(window, pdf);
    EXPECT_EQ(window.kind(), PreviewWindow::Kind::pdf);
    showAndWait(window, text);
    EXPECT_EQ(window.shownText(), "key = value\nother = 1\n");
    for (const QString& broken : {brokenPng, brokenPdf}) {
        showAndWait(window, broken);
        EXPECT_EQ(window.kind(), PreviewWindow::Kind::details) << broken.toStdString();
        EXPECT_TRUE(window.shownText().startsWith(QFileInfo(broken).fileName()));
    }
    showAndWait(window, dir.filePath("gone.txt"));
    EXPECT_EQ(window.kind(), PreviewWindow::Kind::details);
    // Without the module a PDF is described like any other file.
    usePdfModuleIn(dir.path());
    showAndWait(window, pdf);
    EXPECT_EQ(window.kind(), PreviewWindow::Kind::details);
    EXPECT_TRUE(window.shownText().startsWith("page.pdf"));
    usePdfModuleIn(ZARVO_MODULE_DIR);
}

// A PDF page of 15,000 points renders bounded, a 400 KB line is cut short, and both are described at once.
TEST(PreviewWindowTest, HugePagesAndLinesStayBounded) {
    QTemporaryDir dir;
    const QString pdf = write(dir, "huge.pdf",
                              "%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
                              "2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n"
                              "3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 15000 15000]>>endobj\n"
                              "trailer<</Root 1 0 R>>\n%%EOF\n");
    const QString line = write(dir, "line.txt", QByteArray(400 * 1024, 'a') + "\nshort\n");
    usePdfModuleIn(ZARVO_MODULE_DIR);
    const auto page = zarvo::ui::PreviewLoading::load(pdf, 800, 220);
    ASSERT_EQ(page.kind, PreviewWindow::Kind::pdf);
    EXPECT_LE(std::max(page.image.width(), page.image.height()), 800);
    EXPECT_GE(std::max(page.image.width(), page.image.height()), 790);

    PreviewWindow window;
    window.resize(400, 300);
    window.show();
    window.showFile(QUrl::fromLocalFile(line));
    EXPECT_TRUE(window.isLoading());
    EXPECT_TRUE(window.shownText().startsWith("line.txt\n"));
    showAndWait(window, line);
    const QStringList lines = window.shownText().split('\n');
    ASSERT_EQ(lines.size(), 3) << lines.size(); // the cut line, "short" and the empty end
    EXPECT_EQ(lines[0], QString(zarvo::ui::PreviewLoading::lineCharacters, 'a') + QChar(0x2026));
    EXPECT_EQ(lines[1], "short");
}

// A picture shows at its own size, only fitted down, also when its pixels come before the window shows.
TEST(PreviewWindowTest, PicturesShowAtTheirSizeFittedToTheWindow) {
    QTemporaryDir dir;
    const auto picture = [&](const QString& name, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    };
    const QString small = picture("small.png", {640, 480});
    const QString wide = picture("wide.png", {3000, 1000});

    PreviewWindow window;
    window.resize(760, 560);
    showAndWait(window, small);
    EXPECT_EQ(window.kind(), PreviewWindow::Kind::image);
    EXPECT_EQ(window.shownImageSize(), QSize(640, 480));
    window.show();
    EXPECT_EQ(window.shownImageSize(), QSize(640, 480));
    showAndWait(window, wide);
    EXPECT_EQ(window.shownImageSize(), QSize(760, 253));
    window.resize(300, 200);
    showAndWait(window, small);
    EXPECT_EQ(window.shownImageSize(), QSize(640, 480).scaled(window.size(), Qt::KeepAspectRatio));
    EXPECT_LT(window.shownImageSize().width(), 300);
}
