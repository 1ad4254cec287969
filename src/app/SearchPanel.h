#pragma once

#include "search/KeyEvent.h"

#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

namespace zarvo {
class PanelWindowing;
}

namespace zarvo::app {

// The floating panel: frameless, rounded, above other windows, created once and kept. Key presses
// inside it reach `onKey` before any of its widgets; returning true swallows them.
class SearchPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int width = 720;
    static constexpr int height = 480;
    static constexpr int cornerRadius = 14;

    SearchPanel(PanelWindowing* windowing, QWidget* parent = nullptr);
    ~SearchPanel() override;

    void setContent(QWidget* content);

    // Where the panel goes on a screen of this available geometry: centred, its top edge 18 % of the
    // height below the top.
    static QRect frameOn(const QRect& availableGeometry);
    // The available geometry of the screen under the pointer, else the primary screen's (none without
    // screens).
    static std::optional<QRect> screenUnderPointer();

    // Places the panel on the screen under the pointer, shows it and takes the keyboard.
    void present();

    std::function<bool(const KeyEvent&)> onKey = [](const KeyEvent&) { return false; };
    // The preview window's keys, while it has the keyboard.
    QPointer<QWidget> previewWindow;
    std::function<bool(const KeyEvent&)> onPreviewKey = [](const KeyEvent&) { return false; };
    // Called when the panel lost the keyboard to another application (after a short debounce).
    std::function<void()> onFocusLost = [] {};
    // Whether something of ours that takes the keyboard is open (preview, menu, dialog).
    std::function<bool()> isOwnWindowOpen = [] { return false; };

    bool isCompositing() const { return m_compositing; }
    void setCompositing(bool compositing);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void updateShape();
    void checkFocus();
    // Takes the window manager's word that the panel has the keyboard; true when it had to.
    bool adoptWindowManagerFocus();

    PanelWindowing* m_windowing = nullptr;
    QWidget* m_content = nullptr;
    bool m_compositing = false;
    bool m_blurred = false; // the compositor blurs what lies behind
    QTimer m_focusDebounce;
    struct AskedKey {
        int key = 0;
        quint64 timestamp = 0;
        bool handled = false;
    };
    std::optional<AskedKey> m_askedKey;
};

} // namespace zarvo::app
