#pragma once

#include "clipboard/Clip.h"

#include <QLocale>
#include <QWidget>
#include <functional>
#include <optional>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace zarvo {
class ClipStore;
}

namespace zarvo::ui {

// Beside the list of clips: the selected clip's content as far as it was kept, a line of details and
// a Copy button. It shows; copying goes back to the panel through onCopy.
class ClipPreview : public QWidget {
    Q_OBJECT
public:
    ClipPreview(ClipStore* store, QWidget* parent = nullptr);

    void setClip(const std::optional<Clip>& clip);
    std::function<void()> onCopy = [] {};

    // The shown text of a text clip: its text, then a new line and "…" when the text was cut.
    static QString contentText(const Clip& clip);
    // "From App · date · size · Pinned".
    static QString details(const Clip& clip, const QLocale& locale);

    // For tests: what is shown.
    QString shownText() const;
    QString shownDetails() const;
    bool isShowingImage() const;

private:
    ClipStore* m_store = nullptr;
    std::optional<Clip> m_clip;
    QStackedWidget* m_content = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QLabel* m_image = nullptr;
    QListWidget* m_files = nullptr;
    QWidget* m_divider = nullptr;
    QWidget* m_footer = nullptr;
    QLabel* m_details = nullptr;
    QPushButton* m_copy = nullptr;
    QImage m_fullImage;

    void resizeEvent(QResizeEvent* event) override;
    void updateImage();
};

} // namespace zarvo::ui
