#pragma once

#include "app/Installer.h"

namespace zarvo::app {

// The installer's questions and alerts as modal message boxes, on top of whatever is on screen.
class MessageBoxInstallDialogs : public InstallDialogs {
public:
    // Before it is installed the copy's icon is not in the icon theme: it is taken from the running
    // copy's own folder.
    explicit MessageBoxInstallDialogs(const Installation& installation) : m_installation(installation) {}

    int ask(const QString& message, const QString& informative, const QStringList& buttons) override;
    void alert(const QString& message, const QString& informative) override;

private:
    QString iconFile() const;
    const Installation& m_installation;
};

} // namespace zarvo::app
