#pragma once

#include "search/KeyEvent.h"

#include <QObject>
#include <QString>
#include <optional>

namespace zarvo {
class HotKeyRegistration;
class Settings;
} // namespace zarvo

namespace zarvo::ui {

// Records the three configurable key combinations of the settings window: the two system-wide hot
// keys and the panel's tab-switch key. While it records, no system-wide key is registered, so the
// current combination can be pressed; every way out registers them again, through `hotKeys`.
class ShortcutRecorder : public QObject {
    Q_OBJECT
public:
    enum class Shortcut { main, clipboard, tabs };
    struct Combination {
        quint32 code = 0;
        quint32 modifiers = 0;
        QString label;
        bool operator==(const Combination&) const = default;
    };

    ShortcutRecorder(Settings& settings, HotKeyRegistration& hotKeys, QObject* parent = nullptr);
    ~ShortcutRecorder() override;

    static Combination defaultCombination(Shortcut shortcut);
    Combination combination(Shortcut shortcut) const;
    // The combination as this desktop writes it (Super+R for a system-wide key, Ctrl+. in the panel).
    QString displayName(Shortcut shortcut) const;

    std::optional<Shortcut> recording() const { return m_recording; }
    const std::optional<QString>& hotKeyError() const { return m_hotKeyError; }
    void setError(std::optional<QString> error);

    void startRecording(Shortcut shortcut);
    void stopRecording();
    // A key press while recording, as our windows see it; true when it was taken (every key is).
    bool handleKey(const KeyEvent& event);
    // Stores a combination unless another of the three has it or, for the tab key, the panel uses it.
    bool save(Shortcut shortcut, quint32 code, quint32 modifiers, const QString& label);
    // Registers both system-wide keys; names those the system refused.
    void apply();
    // The row's Reset button.
    void reset(Shortcut shortcut);

signals:
    void changed();

private:
    // The stored modifier mask of a key press for this shortcut.
    quint32 modifiersFor(Shortcut shortcut, const KeyEvent& event) const;
    // Modifiers as keys pressed in our windows, so combinations of both encodings compare.
    quint32 asPressed(Shortcut shortcut, quint32 modifiers) const;
    QString displayName(Shortcut shortcut, quint32 modifiers, const QString& label) const;
    void write(Shortcut shortcut, const Combination& combination);
    // Saves, then ends the recording; a system-wide key the system refuses gives way to the former one.
    bool saveAndApply(Shortcut shortcut, const Combination& combination);

    Settings& m_settings;
    HotKeyRegistration& m_hotKeys;
    std::optional<Shortcut> m_recording;
    std::optional<QString> m_hotKeyError;
    // The combination a save replaced, kept while its replacement is being registered.
    std::optional<std::pair<Shortcut, Combination>> m_replaced;
};

} // namespace zarvo::ui
