#pragma once

#include "ui/PreviewContent.h"

#include <QUrl>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class QWindow;

namespace zarvo::ui {

// A quick look at a file without opening it: images, text and source files, the first page of a PDF;
// anything else (folders included) as its icon, name, kind, size and dates.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    using Kind = PreviewContent::Kind;

    explicit PreviewWindow(QWidget* parent = nullptr);

    // Describes the file at once and shows its picture or text when the worker has read it.
    void showFile(const QUrl& file);
    // Whether the content of the last file shown is still being read.
    bool isLoading() const { return m_loading; }
    // Shows the window over the panel, a little larger than it; as the panel's transient (when given),
    // window managers keep it one level above the always-on-top panel.
    void present(const QRect& panelFrame, QWindow* panel = nullptr);
    Kind kind() const { return m_kind; }
    QString shownText() const;
    // The size, in device-independent pixels, of the picture shown; empty when none is.
    QSize shownImageSize() const;

    static Kind kindOf(const QString& path) { return PreviewLoading::kindOf(path); }
    // The details shown for anything without a preview: kind, size, modified, created.
    static QStringList detailLines(const QString& path, const QLocale& locale);

signals:
    // Closed with the window's own button (not by a key or the panel).
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showImage(const QImage& image);
    void showContent(const PreviewContent& content);
    void showDetails(const QString& path);

    Kind m_kind = Kind::details;
    bool m_loading = false;
    quint64 m_generation = 0;
    QString m_path;
    QImage m_image;
    QStackedWidget* m_stack = nullptr;
    QLabel* m_picture = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QWidget* m_details = nullptr;
    QLabel* m_detailIcon = nullptr;
    QLabel* m_detailName = nullptr;
    QLabel* m_detailLines = nullptr;
};

} // namespace zarvo::ui
