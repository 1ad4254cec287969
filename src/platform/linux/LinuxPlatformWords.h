#pragma once

#include "platform/PlatformWords.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace zarvo::linux_ {

// The Linux spelling of shown texts: global hot keys as Super+R, keys inside our windows as Ctrl+K
// (Command is Ctrl there, Option Alt, Control Super), Finder as the desktop's file manager, and
// the Mac's other names as what stands for them here.
class LinuxPlatformWords : public PlatformWords {
public:
    // `fileManagerName` gives the display name of the default folder handler, or none.
    explicit LinuxPlatformWords(std::function<std::optional<QString>()> fileManagerName);

    QString hotKey(quint32 modifiers, const QString& keyLabel) const override;
    QString keys(const QString& glyphs) const override;
    QString text(const QString& shown) const override;
    QString title(const QString& shown) const override;

    QString fileManager() const;

private:
    // A word of the Mac's and what stands for it here, both in the user's language.
    struct Word {
        QString mac;
        QString macTranslated; // a sentence as other texts translate it; empty where the word is kept
        QString here;
        bool whole = false;
    };
    const QList<Word>& words() const;

    std::function<std::optional<QString>()> m_fileManagerName;
    mutable std::optional<QString> m_fileManager;
    mutable std::optional<QList<Word>> m_words;
};

} // namespace zarvo::linux_
