#include "ui/PreviewWindow.h"

#include "ui/Icons.h"
#include "ui/Style.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QThreadPool>
#include <QVBoxLayout>
#include <QWindow>

namespace zarvo::ui {

namespace {
// The resolution of a PDF page at a device pixel ratio of 1; a large page gets less (see load).
constexpr double kPdfDpi = 110;
} // namespace

// A tool window: Qt names the parent as WM_TRANSIENT_FOR only for such types, not for a plain window.
PreviewWindow::PreviewWindow(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setWindowTitle(tr("Preview"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_stack = new QStackedWidget(this);
    m_picture = new QLabel(m_stack);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_text = new QPlainTextEdit(m_stack);
    m_text->setReadOnly(true);
    m_text->setFont(Style::monospace(12));
    m_text->setFrameShape(QFrame::NoFrame);
    m_details = new QWidget(m_stack);
    auto* details = new QVBoxLayout(m_details);
    details->addStretch(1);
    m_detailIcon = new QLabel(m_details);
    m_detailIcon->setAlignment(Qt::AlignCenter);
    m_detailName = new QLabel(m_details);
    m_detailName->setAlignment(Qt::AlignCenter);
    m_detailName->setFont(Style::font(16, QFont::DemiBold));
    m_detailName->setWordWrap(true);
    m_detailLines = new QLabel(m_details);
    m_detailLines->setAlignment(Qt::AlignCenter);
    m_detailLines->setFont(Style::font(12));
    details->addWidget(m_detailIcon);
    details->addWidget(m_detailName);
    details->addWidget(m_detailLines);
    details->addStretch(1);
    m_stack->addWidget(m_picture);
    m_stack->addWidget(m_text);
    m_stack->addWidget(m_details);
    layout->addWidget(m_stack);
    resize(760, 560);
}

QStringList PreviewWindow::detailLines(const QString& path, const QLocale& locale) {
    const QFileInfo info(path);
    QStringList lines;
    lines << (info.isDir() ? tr("Folder") : QMimeDatabase().mimeTypeForFile(info).comment());
    if (info.isFile()) lines << locale.formattedDataSize(info.size(), 1, QLocale::DataSizeSIFormat);
    if (info.lastModified().isValid())
        lines << tr("Modified %1").arg(locale.toString(info.lastModified(), QLocale::ShortFormat));
    if (info.birthTime().isValid())
        lines << tr("Created %1").arg(locale.toString(info.birthTime(), QLocale::ShortFormat));
    return lines;
}

void PreviewWindow::showFile(const QUrl& file) {
    m_path = file.toLocalFile();
    setWindowTitle(QFileInfo(m_path).fileName());
    // Described at once; reading and decoding run on a worker, so no file stalls the panel.
    m_kind = Kind::details;
    showDetails(m_path);
    m_loading = true;
    const quint64 generation = ++m_generation;
    const qreal ratio = devicePixelRatioF();
    const QSize area = size().expandedTo(QSize(760, 560)) * ratio;
    const int side = std::max(area.width(), area.height());
    QPointer<PreviewWindow> self(this);
    QThreadPool::globalInstance()->start([self, generation, path = m_path, side, ratio] {
        const PreviewContent content = PreviewLoading::load(path, side, kPdfDpi * ratio);
        QMetaObject::invokeMethod(
            qApp,
            [self, generation, content] {
                if (!self || generation != self->m_generation) return;
                self->m_loading = false;
                self->showContent(content);
            },
            Qt::QueuedConnection);
    });
}

void PreviewWindow::showContent(const PreviewContent& content) {
    m_kind = content.kind;
    switch (content.kind) {
    case Kind::image:
    case Kind::pdf:
        showImage(content.image);
        break;
    case Kind::text:
        m_text->setPlainText(content.text);
        m_stack->setCurrentWidget(m_text);
        break;
    case Kind::details:
        showDetails(m_path);
        break;
    }
}

void PreviewWindow::showImage(const QImage& image) {
    m_image = image;
    m_stack->setCurrentWidget(m_picture);
    // The picture fills the window; before the first show its label still has a widget's default size,
    // so the window's own size is the measure, not the label's.
    const QSize area = contentsRect().size();
    if (area.isEmpty() || image.isNull()) return;
    // Shown at its own size in device-independent pixels, only ever fitted down; decoded pixels beyond
    // that size are kept for a sharp picture on a scaled screen.
    const QSize shown = image.size().width() > area.width() || image.size().height() > area.height()
                            ? image.size().scaled(area, Qt::KeepAspectRatio)
                            : image.size();
    const QSize device = shown * devicePixelRatioF();
    QPixmap pixmap =
        QPixmap::fromImage(image.width() > device.width() || image.height() > device.height()
                               ? image.scaled(device, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                               : image);
    pixmap.setDevicePixelRatio(qMax<qreal>(1.0, qreal(pixmap.width()) / qMax(1, shown.width())));
    m_picture->setPixmap(pixmap);
}

QSize PreviewWindow::shownImageSize() const {
    if (m_stack->currentWidget() != m_picture) return {};
    return m_picture->pixmap().deviceIndependentSize().toSize();
}

void PreviewWindow::showDetails(const QString& path) {
    m_image = QImage();
    m_detailIcon->setPixmap(Icons::forFile(path).pixmap(QSize(96, 96), devicePixelRatioF()));
    m_detailName->setText(QFileInfo(path).fileName());
    m_detailLines->setText(detailLines(path, QLocale()).join(QLatin1Char('\n')));
    m_stack->setCurrentWidget(m_details);
}

QString PreviewWindow::shownText() const {
    if (m_stack->currentWidget() == m_text) return m_text->toPlainText();
    if (m_stack->currentWidget() == m_details)
        return m_detailName->text() + QLatin1Char('\n') + m_detailLines->text();
    return {};
}

void PreviewWindow::present(const QRect& panelFrame, QWindow* panel) {
    QRect frame(QPoint(), size());
    frame.moveCenter(panelFrame.center());
    move(frame.topLeft());
    // Not a child widget of the panel: that would tie their activation together in Qt.
    if (panel) {
        winId();
        windowHandle()->setTransientParent(panel);
    }
    show();
    raise();
    activateWindow();
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!m_image.isNull()) showImage(m_image);
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->spontaneous()) emit closedByUser();
}

} // namespace zarvo::ui
