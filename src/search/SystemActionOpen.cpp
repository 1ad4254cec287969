#include "search/ResultActions.h"

#include "platform/Platform.h"
#include "search/PanelShell.h"
#include "search/SearchModel.h"
#include "sources/SystemAction.h"
#include "store/History.h"

#include <QPointer>
#include <memory>

namespace zarvo {

bool ResultActions::confirm(const QString& key, const QString& prompt, bool isKeyRepeat) {
    if (m.m_pendingConfirmation == key && !isKeyRepeat) {
        m.m_pendingConfirmation.reset();
        return true;
    }
    m.m_pendingConfirmation = key;
    m.refuse(prompt);
    return false;
}

void ResultActions::openSystemAction(const ResultItem& item, bool isKeyRepeat) {
    const SystemAction action = *item.systemAction;
    const QString key = item.historyKey();
    if (const auto prompt = SystemActions::confirmationPrompt(action, m_services.platform.session);
        prompt && !confirm(key, *prompt, isKeyRepeat))
        return;
    m.m_pendingConfirmation.reset();
    m_services.history.add(key);
    using Outcome = SystemActions::Outcome;
    // Once the panel closed, a failure that comes later is shown in an alert, as nobody sees the panel.
    auto closed = std::make_shared<bool>(false);
    const auto show = [closed](ResultActions& actions, const Outcome& outcome) {
        switch (outcome.kind) {
        case Outcome::Kind::done:
            if (!*closed) actions.m_shell.onDismiss();
            *closed = true;
            break;
        case Outcome::Kind::shown:
            if (!*closed) actions.m.setMessage(outcome.text);
            break;
        case Outcome::Kind::failed:
            if (!*closed) {
                actions.m.refuse(outcome.text);
                break;
            }
            actions.m_shell.showAlert(outcome.text);
            actions.m_shell.onHideApplication();
            break;
        }
    };
    const bool later = SystemActions::reportsLater(action);
    if (later) beginOperation();
    QPointer<ResultActions> self(this);
    const Outcome first = SystemActions::perform(
        m_services.platform, action,
        [self, show, later](const Outcome& outcome) {
            if (!self) return;
            show(*self, outcome);
            if (later) self->endOperation();
        },
        [self](qint64) {
            if (self) self->markOwnChange();
        });
    show(*this, first);
    if (later && first.kind != Outcome::Kind::shown) endOperation();
}

} // namespace zarvo
