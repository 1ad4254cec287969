#include "ui/ClipPreview.h"
#include "ui/Accessibility.h"
#include "ui/ClipImages.h"
#include "ui/OverlayScrollBar.h"

#include "clipboard/ClipStore.h"
#include "ui/Icons.h"
#include "ui/Style.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace zarvo::ui {

namespace {

// The text and the file list lie on the panel's backdrop. Not said with a style sheet, which would hold
// their text colours as they were when the desktop switches to dark.
void clearBase(QAbstractScrollArea* area) {
    QPalette p = area->palette();
    p.setColor(QPalette::Base, Qt::transparent);
    area->setPalette(p);
}

// Rows of a file clip laid out; the rest are counted.
constexpr qsizetype kShownFiles = 200;

QString abbreviateHome(const QString& path) {
    const QString home = QDir::homePath();
    if (path == home || path.startsWith(home + QLatin1Char('/')))
        return QLatin1Char('~') + path.mid(home.size());
    return path;
}

// A file row: the icon at 24 points, then the name at 13 points over the path at 11 points in the
// secondary colour, each on one line, the path shortened in the middle.
class FileRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int kPathRole = Qt::UserRole + 1;

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {0, QFontMetrics(Style::font(13)).height() + QFontMetrics(Style::font(11)).height() + 6};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect r = option.rect.adjusted(4, 0, -4, 0);
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        icon.paint(painter, QRect(r.left(), r.center().y() - 12, 24, 24));
        const QRect text = r.adjusted(32, 3, 0, -3);
        const QFont nameFont = Style::font(13), pathFont = Style::font(11);
        const int nameHeight = QFontMetrics(nameFont).height();
        painter->save();
        painter->setFont(nameFont);
        painter->setPen(Style::primary(option.palette));
        painter->drawText(
            QRect(text.left(), text.top(), text.width(), nameHeight), Qt::AlignLeft | Qt::AlignVCenter,
            QFontMetrics(nameFont).elidedText(index.data().toString(), Qt::ElideMiddle, text.width()));
        painter->setFont(pathFont);
        painter->setPen(Style::secondary(option.palette));
        painter->drawText(
            QRect(text.left(), text.top() + nameHeight, text.width(), text.height() - nameHeight),
            Qt::AlignLeft | Qt::AlignTop,
            QFontMetrics(pathFont).elidedText(index.data(kPathRole).toString(), Qt::ElideMiddle,
                                              text.width()));
        painter->restore();
    }
};

// The locale's medium date (abbreviated month, no weekday) and short time.
QString dateText(const QDateTime& date, const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("dddd[,.]?\\s*|\\s*,?\\s*dddd"));
    format.remove(weekday);
    format.replace(QLatin1String("MMMM"), QLatin1String("MMM"));
    const QDateTime local = date.toLocalTime();
    // Hours and minutes: some locales' short time (C's among them) carries the seconds too.
    static const QRegularExpression seconds(QStringLiteral("[:.]ss(\\.z+)?"));
    QString time = locale.timeFormat(QLocale::ShortFormat);
    time.remove(seconds);
    return locale.toString(local.date(), format.trimmed()) + QStringLiteral(", ") +
           locale.toString(local.time(), time);
}

} // namespace

QString ClipPreview::contentText(const Clip& clip) {
    if (Clip::characterCount(clip.text) < clip.length) return clip.text + QStringLiteral("\n\u2026");
    return clip.text;
}

QString ClipPreview::details(const Clip& clip, const QLocale& locale) {
    QStringList parts;
    if (clip.appName && !clip.appName->isEmpty()) parts << tr("From %1").arg(*clip.appName);
    parts << dateText(clip.date, locale);
    switch (clip.kind) {
    case Clip::Kind::files:
        parts << tr("%n file(s)", nullptr, clip.length);
        break;
    case Clip::Kind::image:
        parts << locale.formattedDataSize(clip.size, 1, QLocale::DataSizeSIFormat);
        break;
    default:
        parts << tr("%1 character(s)", nullptr, clip.length).arg(locale.toString(clip.length));
        break;
    }
    if (clip.pinned) parts << tr("Pinned");
    return parts.join(QStringLiteral(" \u00B7 "));
}

ClipPreview::ClipPreview(ClipStore* store, QWidget* parent) : QWidget(parent), m_store(store) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_content = new QStackedWidget(this);
    Accessibility::setRole(m_content, QAccessible::Client);
    m_text = new QPlainTextEdit(m_content);
    m_text->setAccessibleName(tr("Clip text"));
    m_text->setReadOnly(true);
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setFocusPolicy(Qt::ClickFocus);
    m_text->document()->setDocumentMargin(12);
    m_text->viewport()->setAutoFillBackground(false);
    clearBase(m_text);
    m_image = new QLabel(m_content);
    m_image->setAccessibleName(tr("Clip image"));
    m_image->setAlignment(Qt::AlignCenter);
    m_image->setContentsMargins(12, 12, 12, 12);
    m_image->setMinimumSize(1, 1);
    m_image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_files = new QListWidget(m_content);
    m_files->setAccessibleName(tr("Clip files"));
    m_files->setFrameShape(QFrame::NoFrame);
    m_files->setIconSize(QSize(24, 24));
    m_files->setSpacing(4);
    m_files->setFocusPolicy(Qt::NoFocus);
    m_files->setSelectionMode(QAbstractItemView::NoSelection);
    m_files->setItemDelegate(new FileRowDelegate(m_files));
    m_files->viewport()->setAutoFillBackground(false);
    m_files->setContentsMargins(8, 8, 8, 8);
    clearBase(m_files);
    m_content->addWidget(m_text);
    m_content->addWidget(m_image);
    m_content->addWidget(m_files);
    OverlayScrollBar::attach(m_text);
    OverlayScrollBar::attach(m_files);
    layout->addWidget(m_content, 1);

    m_divider = new QFrame(this);
    static_cast<QFrame*>(m_divider)->setFrameShape(QFrame::HLine);
    static_cast<QFrame*>(m_divider)->setFrameShadow(QFrame::Plain);
    m_divider->setFixedHeight(1);
    // A hairline in a faint tone of the text, not the text colour itself (bright white when dark).
    Style::follow(m_divider, [this] {
        QPalette p = m_divider->palette();
        p.setColor(QPalette::WindowText, Style::primaryFill(palette(), 0.12));
        m_divider->setPalette(p);
    });
    layout->addWidget(m_divider);

    m_footer = new QWidget(this);
    auto* footer = new QHBoxLayout(m_footer);
    footer->setContentsMargins(12, 8, 12, 8);
    footer->setSpacing(8);
    m_details = new QLabel(m_footer);
    m_details->setFont(Style::font(11));
    Style::setTone(m_details, Style::Tone::secondary);
    m_details->setMinimumWidth(1);
    m_details->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Beside the Copy button a narrow preview has no room for the whole line: it wraps, never cut.
    m_details->setWordWrap(true);
    m_copy = new QPushButton(tr("Copy"), m_footer);
    Style::follow(m_copy, [this] {
        m_copy->setIcon(QIcon(
            Icons::symbol(QStringLiteral("doc.on.doc"), 14, Style::primary(palette()), devicePixelRatioF())));
    });
    m_copy->setToolTip(tr("Copy to the clipboard (\u21A9 copies and closes)"));
    m_copy->setFocusPolicy(Qt::NoFocus);
    connect(m_copy, &QPushButton::clicked, this, [this] { onCopy(); });
    footer->addWidget(m_details, 1);
    footer->addWidget(m_copy);
    layout->addWidget(m_footer);
    setClip(std::nullopt);
}

void ClipPreview::setClip(const std::optional<Clip>& clip) {
    if (clip == m_clip && clip) return;
    m_clip = clip;
    const bool shown = clip.has_value();
    m_content->setVisible(shown);
    m_divider->setVisible(shown);
    m_footer->setVisible(shown);
    if (!clip) return;
    const QString text = details(*clip, QLocale());
    // Wrapped between the parts, not inside one ("2 files" stays whole).
    QStringList parts = text.split(QStringLiteral(" \u00B7 "));
    for (QString& part : parts)
        part.replace(QLatin1Char(' '), QChar(0x00A0));
    m_details->setText(parts.join(QStringLiteral(" \u00B7 ")));
    m_details->setToolTip(text);
    switch (clip->kind) {
    case Clip::Kind::text:
    case Clip::Kind::richText:
    case Clip::Kind::link:
        m_text->setFont(clip->kind == Clip::Kind::text ? Style::monospace(12) : Style::font(12));
        m_text->setPlainText(contentText(*clip));
        m_content->setCurrentWidget(m_text);
        break;
    case Clip::Kind::image: {
        const auto image = m_store ? ClipImages::of(*m_store).image(clip->id) : std::nullopt;
        m_fullImage = image ? *image : QImage();
        m_content->setCurrentWidget(m_image);
        updateImage();
        break;
    }
    case Clip::Kind::files: {
        m_files->clear();
        // Each row looks up an icon: a long list shows its start and says how many more there are.
        const QStringList paths = clip->paths();
        const int shown = int(std::min<qsizetype>(paths.size(), kShownFiles));
        for (int i = 0; i < shown; ++i) {
            const QString& path = paths[i];
            const QString name = QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
            auto* row = new QListWidgetItem(Icons::forFile(path), name);
            row->setData(FileRowDelegate::kPathRole, abbreviateHome(path));
            row->setToolTip(path);
            m_files->addItem(row);
        }
        if (const int more = std::max(clip->length, int(paths.size())) - shown; more > 0) {
            auto* row =
                new QListWidgetItem(tr("%1 more file(s)", nullptr, more).arg(QLocale().toString(more)));
            row->setFlags(Qt::NoItemFlags);
            m_files->addItem(row);
        }
        m_content->setCurrentWidget(m_files);
        break;
    }
    }
}

void ClipPreview::updateImage() {
    if (m_fullImage.isNull()) {
        m_image->clear();
        return;
    }
    const QSize area = m_image->contentsRect().size() * devicePixelRatioF();
    if (area.isEmpty()) return;
    const QImage scaled = m_fullImage.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(scaled);
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    m_image->setPixmap(pixmap);
}

void ClipPreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_clip && m_clip->kind == Clip::Kind::image) updateImage();
}

QString ClipPreview::shownText() const {
    if (!m_clip || m_content->currentWidget() != m_text) return {};
    return m_text->toPlainText();
}

QString ClipPreview::shownDetails() const {
    return m_clip ? m_details->toolTip() : QString();
}

bool ClipPreview::isShowingImage() const {
    return m_clip && m_content->currentWidget() == m_image && m_image->pixmap().isNull() == false;
}

} // namespace zarvo::ui
