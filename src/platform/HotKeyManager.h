#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <functional>

namespace zarvo {

class HotKeys;

// The two system-wide hot keys of the application, registered with the platform's hot-key service.
// A press calls the slot's action on the main queue.
class HotKeyManager : public QObject {
    Q_OBJECT
public:
    enum class Slot : quint32 { main = 1, clipboard = 2 };

    // `hotKeys` may be null (no display): every registration is then refused.
    explicit HotKeyManager(HotKeys* hotKeys);
    // The process's manager, on the hot-key service of Platform::current().
    static HotKeyManager& shared();

    // Replaces whatever the slot had; true when the platform accepted the combination.
    bool registerKey(Slot slot, quint32 keyCode, quint32 modifiers);
    void unregister(Slot slot);
    void unregisterAll();
    bool isRegistered(Slot slot) const { return m_registered.contains(slot); }

    // What a press of each slot does; set by the shell.
    QHash<Slot, std::function<void()>> onPress;

private:
    void handlePress(int slotId);

    HotKeys* m_hotKeys = nullptr;
    QSet<Slot> m_registered;
};

} // namespace zarvo
