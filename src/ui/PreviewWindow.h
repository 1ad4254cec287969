#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QStackedWidget;

namespace zarvo::ui {

// A quick look at a file without opening it: images, text and source files, the first page of a PDF;
// anything else (folders included) as its icon, name, kind, size and dates.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    enum class Kind { image, text, pdf, details };

    explicit PreviewWindow(QWidget* parent = nullptr);

    void showFile(const QUrl& file);
    // Shows the window over the panel, a little larger than it.
    void present(const QRect& panelFrame);
    Kind kind() const { return m_kind; }
    QString shownText() const;

    // What a file is shown as; text files are recognised by content type and by a look at their bytes.
    static Kind kindOf(const QString& path);
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
    void showImageOrDetails(const QImage& image);
    void showDetails(const QString& path);

    Kind m_kind = Kind::details;
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
