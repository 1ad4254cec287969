#include "ui/PreviewWindow.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using zarvo::ui::PreviewWindow;

// Each kind of file is shown as what it is, and what cannot be decoded is still described.
TEST(PreviewWindowTest, ShowsEachKindAndDescribesTheRest) {
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    const QString pdf = dir.filePath("page.pdf");
    {
        QPdfWriter writer(pdf);
        QPainter painter(&writer);
        painter.drawText(100, 100, "first page");
    }
    const QString text = write("notes.conf", "key = value\nother = 1\n");
    const QString binary = write("blob.bin", QByteArray("\x7f" "ELF\0\0\x01", 7));
    const QString brokenPng = write("broken.png", "\x89PNG not really");
    const QString brokenPdf = write("broken.pdf", "%PDF-1.4 cut");

    EXPECT_EQ(PreviewWindow::kindOf(pdf), PreviewWindow::Kind::pdf);
    EXPECT_EQ(PreviewWindow::kindOf(text), PreviewWindow::Kind::text);
    EXPECT_EQ(PreviewWindow::kindOf(binary), PreviewWindow::Kind::details);
    EXPECT_EQ(PreviewWindow::kindOf(dir.path()), PreviewWindow::Kind::details);
    EXPECT_EQ(PreviewWindow::detailLines(dir.path(), QLocale(QLocale::English)).first(), "Folder");

    PreviewWindow window;
    window.resize(400, 300);
    window.show();
    window.showFile(QUrl::fromLocalFile(pdf));
    EXPECT_EQ(window.kind(), PreviewWindow::Kind::pdf);
    window.showFile(QUrl::fromLocalFile(text));
    EXPECT_EQ(window.shownText(), "key = value\nother = 1\n");
    for (const QString& broken : {brokenPng, brokenPdf}) {
        window.showFile(QUrl::fromLocalFile(broken));
        EXPECT_EQ(window.kind(), PreviewWindow::Kind::details) << broken.toStdString();
        EXPECT_TRUE(window.shownText().startsWith(QFileInfo(broken).fileName()));
    }
    window.showFile(QUrl::fromLocalFile(dir.filePath("gone.txt")));
    EXPECT_EQ(window.kind(), PreviewWindow::Kind::details);
}
