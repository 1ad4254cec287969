#include "ui/PreviewWindow.h"

#include "ui/Icons.h"
#include "ui/Style.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStringDecoder>
#include <QVBoxLayout>

#include <poppler-qt6.h>

namespace zarvo::ui {

namespace {
// A preview shows the start of a long text; reading it all would stall on a log of gigabytes.
constexpr qint64 kTextBytes = 512 * 1024;
// Rendering a page larger than this is not worth its memory.
constexpr double kPdfDpi = 110;

bool looksLikeText(const QByteArray& head) {
    if (head.contains('\0')) return false;
    // The sample may end inside a character: leave the last bytes out of the check.
    QStringDecoder decoder(QStringDecoder::Utf8);
    (void)decoder.decode(head.left(qMax<qsizetype>(0, head.size() - 3)));
    return !decoder.hasError();
}
} // namespace

PreviewWindow::PreviewWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Preview"));
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

PreviewWindow::Kind PreviewWindow::kindOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) return Kind::details;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    if (type.inherits(QStringLiteral("application/pdf"))) return Kind::pdf;
    if (type.name().startsWith(QLatin1String("image/")) &&
        QImageReader::supportedMimeTypes().contains(type.name().toLatin1()))
        return Kind::image;
    if (type.inherits(QStringLiteral("text/plain"))) return Kind::text;
    QFile file(path);
    if (info.size() > 0 && file.open(QIODevice::ReadOnly) && looksLikeText(file.read(4096))) return Kind::text;
    return Kind::details;
}

QStringList PreviewWindow::detailLines(const QString& path, const QLocale& locale) {
    const QFileInfo info(path);
    QStringList lines;
    lines << (info.isDir() ? QStringLiteral("Folder") : QMimeDatabase().mimeTypeForFile(info).comment());
    if (info.isFile()) lines << locale.formattedDataSize(info.size(), 1, QLocale::DataSizeSIFormat);
    if (info.lastModified().isValid())
        lines << QStringLiteral("Modified ") + locale.toString(info.lastModified(), QLocale::ShortFormat);
    if (info.birthTime().isValid())
        lines << QStringLiteral("Created ") + locale.toString(info.birthTime(), QLocale::ShortFormat);
    return lines;
}

void PreviewWindow::showFile(const QUrl& file) {
    m_path = file.toLocalFile();
    setWindowTitle(QFileInfo(m_path).fileName());
    m_kind = kindOf(m_path);
    switch (m_kind) {
    case Kind::image: {
        QImageReader reader(m_path);
        reader.setAutoTransform(true);
        showImageOrDetails(reader.read());
        break;
    }
    case Kind::pdf: {
        std::unique_ptr<Poppler::Document> document = Poppler::Document::load(m_path);
        std::unique_ptr<Poppler::Page> page;
        if (document && !document->isLocked()) {
            document->setRenderHint(Poppler::Document::Antialiasing);
            document->setRenderHint(Poppler::Document::TextAntialiasing);
            page = document->page(0);
        }
        showImageOrDetails(page ? page->renderToImage(kPdfDpi * devicePixelRatioF(), kPdfDpi * devicePixelRatioF())
                                : QImage());
        break;
    }
    case Kind::text: {
        QFile f(m_path);
        QByteArray bytes;
        if (f.open(QIODevice::ReadOnly)) bytes = f.read(kTextBytes);
        QString text = QString::fromUtf8(bytes);
        if (f.size() > kTextBytes) text += QStringLiteral("\n\u2026");
        m_text->setPlainText(text);
        m_stack->setCurrentWidget(m_text);
        break;
    }
    case Kind::details: showDetails(m_path); break;
    }
}

void PreviewWindow::showImageOrDetails(const QImage& image) {
    // A file that does not decode (a damaged picture, a locked PDF) is still described.
    if (image.isNull()) {
        m_kind = Kind::details;
        showDetails(m_path);
    } else {
        showImage(image);
    }
}

void PreviewWindow::showImage(const QImage& image) {
    m_image = image;
    m_stack->setCurrentWidget(m_picture);
    const QSize area = m_picture->size() * devicePixelRatioF();
    if (area.isEmpty()) return;
    QPixmap pixmap = QPixmap::fromImage(
        image.width() > area.width() || image.height() > area.height()
            ? image.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : image);
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    m_picture->setPixmap(pixmap);
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
    if (m_stack->currentWidget() == m_details) return m_detailName->text() + QLatin1Char('\n') + m_detailLines->text();
    return {};
}

void PreviewWindow::present(const QRect& panelFrame) {
    QRect frame(QPoint(), size());
    frame.moveCenter(panelFrame.center());
    move(frame.topLeft());
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
