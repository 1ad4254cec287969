#pragma once

#include "search/SearchModel.h"

#include <QList>
#include <QString>

namespace zarvo {
class Settings;
}

namespace zarvo::ui {

// The texts of the panel that depend on the model's state, as written; the views spell them for the
// desktop through PlatformWords before drawing.
namespace PanelTexts {
QString placeholder(const SearchModel& model);
// The text of an empty list.
QString emptyText(const SearchModel& model, const Settings& settings);
QString modeSymbol(SearchModel::Mode mode);

struct Hint {
    QString keys;
    QString label;
    bool operator==(const Hint&) const = default;
};
QList<Hint> hints(SearchModel::Mode mode);

QString clearTitle(const SearchModel& model);
QString clearHelp(const SearchModel& model);
// "Run (⌘R)" / "Clipboard (⇧⌘V)", with the hot key spelled for the desktop.
QString tabHelp(SearchModel::Tab tab, const Settings& settings);
// The hot key of the shown tab, for the footer's right side.
QString tabHotKey(const SearchModel& model, const Settings& settings);
QString switchHint(const Settings& settings);
} // namespace PanelTexts

} // namespace zarvo::ui
