#pragma once

#include "platform/HotKeyManager.h"

#include <QList>
#include <QObject>
#include <array>

namespace zarvo {

class Settings;

// The one owner of registering the two system-wide keys the settings hold: at start, after a change of
// the settings made anywhere (zarvo-cli settings set), and for the settings window's recorder, which
// sets it aside while a new key is pressed.
class HotKeyRegistration : public QObject {
    Q_OBJECT
public:
    HotKeyRegistration(Settings& settings, HotKeyManager& keys, QObject* parent = nullptr);

    HotKeyManager& keys() const { return m_keys; }
    // Registers both keys and from then on follows the settings; the slots whose key could not be had.
    QList<HotKeyManager::Slot> start();
    // Registers the slot's key as the settings hold it now; false when it cannot be had.
    bool registerStored(HotKeyManager::Slot slot);
    // While a new key is recorded nothing is registered, so the current one can be pressed, and changes
    // of the settings wait; whoever records registers again when done.
    void suspend();
    void resume() { m_suspended = false; }

private:
    std::array<quint32, 4> wanted() const;
    void follow();

    Settings& m_settings;
    HotKeyManager& m_keys;
    std::array<quint32, 4> m_registered{};
    bool m_suspended = false;
};

} // namespace zarvo
