#pragma once

#include "platform/wayland/ClipboardTypes.h"
#include "platform/wayland/WaylandSession.h"

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <memory>
#include <optional>

namespace zarvo::wayland {

class Worker;

// The Wayland services beside our XWayland windows, on a connection and worker thread of their own:
// the clipboard as a clipboard manager sees it (data-control), the application of the front window
// (foreign toplevels) and key presses (virtual keyboard), each where the compositor offers it.
// Every call on the main thread; callbacks arrive there. When the connection breaks (the compositor
// went away, or ended it), that is logged once and a new one is tried when its socket reappears (and
// every second) until the compositor is back; the services then work again as before.
class WaylandServices : public QObject {
    Q_OBJECT
public:
    // Connects to the session's compositor ($WAYLAND_DISPLAY) and lists its services; none when there
    // is no Wayland display. `ownAppIds`: the ids of our own windows, never taken as the front one.
    static std::unique_ptr<WaylandServices> connect(const QStringList& ownAppIds);
    ~WaylandServices() override;

    const WaylandSession& session() const { return m_session; }
    // Whether the connection is up; false from its loss until a compositor is back.
    bool isConnected() const { return m_connected; }
    // Whether new selections are announced and the clipboard can be set (data-control).
    bool hasClipboard() const { return !m_session.dataControl.isEmpty(); }
    bool canPressKeys() const { return m_connected && (m_session.virtualKeyboard || m_session.fakeInput); }

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

signals:
    // The connection was lost, or is back (and the session may offer other services now).
    void connectionChanged();

private:
    explicit WaylandServices(const QStringList& ownAppIds);
    void deliver(const ClipboardRead& read);
    // Takes a newly opened connection into use.
    void run(std::unique_ptr<Worker> worker);
    void lost(const QString& why);
    // Opens a connection off the main thread (a roundtrip to a stuck compositor must not stall it).
    void reconnect();

    QStringList m_ownAppIds;
    WaylandSession m_session;
    std::unique_ptr<Worker> m_worker;
    bool m_connected = false;
    bool m_connecting = false;
    bool m_lostBefore = false;
    bool m_saidLoss = false; // the last loss was logged: its end is too
    QElapsedTimer m_upSince;
    ReadPolicy m_policy;
    QTimer m_retry;
    QFileSystemWatcher m_socketFolder; // while lost: the runtime folder, where the socket comes back
    QThreadPool m_opener;
    quint64 m_ownSets = 0; // selections of ours asked for
};

} // namespace zarvo::wayland
