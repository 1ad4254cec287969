#pragma once

#include "search/SearchModel.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zarvo {
class HotKeyManager;
class Settings;
} // namespace zarvo

namespace zarvo::ui {

// The texts of the panel that depend on the model's state, as written; the views spell them for the
// desktop through PlatformWords before drawing.
namespace PanelTexts {
QString placeholder(const SearchModel& model);
// The placeholder from the longest to the shortest wording: a narrow field shows the first that fits.
QStringList placeholders(const SearchModel& model);
// The text of an empty list.
QString emptyText(const SearchModel& model, const Settings& settings);
QString modeSymbol(SearchModel::Mode mode);

struct Hint {
    QString keys;
    QString label;
    bool operator==(const Hint&) const = default;
};
// The footer's key hints, most important first: a narrow footer leaves them out from the end.
QList<Hint> hints(SearchModel::Mode mode);

QString clearTitle(const SearchModel& model);
QString clearHelp(const SearchModel& model);
// "Run (⌘R)" / "Clipboard (⇧⌘V)", with the hot key spelled for the desktop; a key that does not reach
// us (per `keys`, when given) says so instead: "Run (Super+R is used by Xfce — choose another key)".
QString tabHelp(SearchModel::Tab tab, const Settings& settings, const HotKeyManager* keys = nullptr);
// The hot key of the shown tab, for the footer's right side, or why it does not work.
QString tabHotKey(const SearchModel& model, const Settings& settings, const HotKeyManager* keys = nullptr);
QString switchHint(const Settings& settings);
} // namespace PanelTexts

} // namespace zarvo::ui
