#pragma once

#include "platform/HotKeys.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

namespace zarvo {

class DesktopShortcuts;

// The two system-wide hot keys of the application, registered with the platform's hot-key service,
// and the one record of whether each reaches us and, when not, why. A refused key is tried again
// every few seconds, so a key the desktop lets go of starts working without a restart.
// A press calls the slot's action on the main queue.
class HotKeyManager : public QObject {
    Q_OBJECT
public:
    enum class Slot : quint32 { main = 1, clipboard = 2 };
    enum class State {
        none,           // nothing wanted (not set, or set aside while a new key is recorded)
        registered,     // our grab has it
        throughDesktop, // the desktop's own shortcut runs our command on it
        taken,          // another program holds it
        heldByDesktop,  // the desktop holds it (or takes it before our grab sees it)
        unavailable,    // no hot-key service here (no display, Wayland) or a key it cannot grab
        xWindowsOnly, // our grab has it, but under Wayland it sees the key only while an X window is in front
        pending,      // the desktop is asked to deliver it and has not answered yet
        fromDesktop,  // the desktop's global-shortcut service delivers it, as `trigger`
    };
    struct Status {
        State state = State::none;
        // The desktop holding the key, for heldByDesktop and throughDesktop.
        QString holder;
        quint32 keyCode = 0;
        quint32 modifiers = 0;
        // The key as the desktop names it, for fromDesktop (the person may have chosen another one there).
        QString trigger;
        // The desktop was asked to deliver the key and has not answered in time: the state is what works
        // without it.
        bool unanswered = false;
        bool operator==(const Status&) const = default;
    };
    static constexpr int kRetryMs = 5000;
    // How long the desktop's own hot-key service may take to answer before the keys are shown as what
    // works without it (a late answer still counts).
    static constexpr int kDesktopAnswerMs = 4000;

    // `hotKeys` may be null (no display): every registration is then refused. `desktop` names holders.
    // `desktopKeys`, where the desktop delivers global shortcuts itself, is asked for every key too.
    explicit HotKeyManager(HotKeys* hotKeys, DesktopShortcuts* desktop = nullptr,
                           DesktopHotKeys* desktopKeys = nullptr);
    // The process's manager, on the services of Platform::current().
    static HotKeyManager& shared();

    // Replaces whatever the slot had; false when the key cannot be had (another program or the desktop
    // holds it, or there is no hot-key service). A key that reaches us only from X windows counts as had.
    bool registerKey(Slot slot, quint32 keyCode, quint32 modifiers);
    void unregister(Slot slot);
    void unregisterAll();
    // Whether our own grab holds the slot's key.
    bool isRegistered(Slot slot) const { return status(slot).state == State::registered; }
    // Whether a press of the slot's key reaches us wherever the keyboard is: by our grab or through the
    // desktop.
    bool works(Slot slot) const;
    Status status(Slot slot) const { return m_status.value(slot); }
    // Whether this desktop's Super stands for the Mac's Command in the stored combinations.
    bool superIsCommand() const { return m_hotKeys && m_hotKeys->superIsCommand(); }

    // The key's name where it is shown, or, when it does not reach us, that and why:
    // "Super+R is used by Xfce — choose another key", "Super+R works only in X11 apps". A key the desktop
    // delivers is named as the desktop names it.
    QString shownKey(Slot slot, const QString& keyName) const;

    // The desktop's shortcuts, when known.
    DesktopShortcuts* desktop() const { return m_desktop; }
    // Binds the slot's key to `command` in the desktop's own shortcuts (the user has said yes): the key
    // then reaches us through the desktop. None on success, else why not.
    std::optional<QString> bindThroughDesktop(Slot slot, const QString& command);

    // Tries the refused keys again now; the timer does this every kRetryMs while one is refused.
    void retry();
    bool isRetrying() const { return m_retry.isActive(); }

    // For tests: how long the desktop may take to answer.
    void setDesktopAnswerWait(int ms) { m_answerWait.setInterval(ms); }

    // What a press of each slot does; set by the shell.
    QHash<Slot, std::function<void()>> onPress;

signals:
    // A slot's status changed (registered, refused, freed by the desktop).
    void statusChanged();

private:
    void handlePress(int slotId);
    // Grabs the slot's wanted key unless the desktop holds it; records why not.
    Status attempt(Slot slot, quint32 keyCode, quint32 modifiers);
    void release(Slot slot);
    // Records what the grab and the desktop's bindings found, and shows it with the desktop keys' answer.
    void setGrabStatus(Slot slot, const Status& status);
    Status shown(Slot slot, const Status& grab) const;
    void setStatus(Slot slot, const Status& status);
    // Asks the desktop for the keys now wanted, when they changed since last asked.
    void askDesktop();
    void takeAnswer(const QHash<int, QString>& triggers);
    void giveUpWaiting();

    HotKeys* m_hotKeys = nullptr;
    DesktopShortcuts* m_desktop = nullptr;
    DesktopHotKeys* m_desktopKeys = nullptr;
    // What our grab and the desktop's bindings give each slot, and what is shown (with the desktop keys).
    QHash<Slot, Status> m_grab;
    QHash<Slot, Status> m_status;
    QSet<Slot> m_grabbed;
    QList<DesktopHotKeys::Wanted> m_asked;
    // The keys the desktop has answered for, and those of them it delivers (slot → its name of the key).
    QHash<int, QPair<quint32, quint32>> m_answeredKeys;
    QHash<int, QString> m_delivered;
    // Set when the desktop kept us waiting; cleared by its answer.
    bool m_desktopSilent = false;
    QTimer m_retry;
    QTimer m_ask;
    QTimer m_answerWait;
};

} // namespace zarvo
