#pragma once

#include "platform/wayland/ClipboardTypes.h"
#include "platform/wayland/WaylandSession.h"

#include <QObject>
#include <memory>
#include <optional>

namespace zarvo::wayland {

class Worker;

// The Wayland services beside our XWayland windows, on a connection and worker thread of their own:
// the clipboard as a clipboard manager sees it (data-control), the application of the front window
// (foreign toplevels) and key presses (virtual keyboard), each where the compositor offers it.
// Every call on the main thread; callbacks arrive there.
class WaylandServices : public QObject {
    Q_OBJECT
public:
    // Connects to the session's compositor ($WAYLAND_DISPLAY) and lists its services; none when there
    // is no Wayland display. `ownAppIds`: the ids of our own windows, never taken as the front one.
    static std::unique_ptr<WaylandServices> connect(const QStringList& ownAppIds);
    ~WaylandServices() override;

    const WaylandSession& session() const { return m_session; }
    // Whether new selections are announced and the clipboard can be set (data-control).
    bool hasClipboard() const { return !m_session.dataControl.isEmpty(); }
    bool canPressKeys() const { return m_session.virtualKeyboard; }

    // How the next copies are read.
    void setReadPolicy(const ReadPolicy& policy);
    // Called on the main thread with each new selection once read (never for the ones we set).
    std::function<void(const ClipboardRead& read)> onSelection;
    // Makes the representations the clipboard (or the primary selection).
    void setSelection(const QList<Representation>& representations, bool primary = false);

    // The application id of the Wayland window that had the keyboard last (other than ours); none
    // when the compositor does not tell.
    std::optional<QString> frontAppId() const;

    // Presses the keys (X keysyms) in order, releasing them in reverse, for the window with the
    // keyboard. False when they cannot be pressed here.
    bool pressKeys(const QList<uint32_t>& keysyms);

private:
    WaylandServices() = default;
    void deliver(const ClipboardRead& read);

    WaylandSession m_session;
    std::unique_ptr<Worker> m_worker;
    quint64 m_ownSets = 0; // selections of ours asked for
};

} // namespace zarvo::wayland
