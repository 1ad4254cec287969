#pragma once

#include <QAccessible>
#include <QString>

class QAbstractItemView;
class QLabel;
class QWidget;

namespace zarvo::ui {

// What a screen reader reads of our painted widgets, and how it hears about rows and messages while
// the keyboard stays in the text box (the combo-box pattern: the text box keeps the real focus, the
// row the arrows are on is reported as the focused item of its list).
namespace Accessibility {
// Installs the interfaces of the tab buttons and of widgets given a role with setRole. Once, after
// the application object exists.
void install();
// Gives a plain widget a role (a tab list, a notification line); before its interface is first asked.
void setRole(QWidget* widget, QAccessible::Role role);
// Makes `row` of `view` its current and only selected item and, with `speak`, reports it as the focused
// item so the screen reader reads it. A view without that row is left without a current item.
void followRow(QAbstractItemView* view, int row, bool speak);
// Reports that the line shows new text (a message): a screen reader reads a notification when it shows.
void announce(QLabel* line);
// "folder, ~/Downloads, 1 of 3": the row's place in its list after its details (Orca does not say it
// for list items by default).
QString withPosition(const QString& details, int row, int count);
// Key symbols spelled as words for speech: "Ctrl+↩" → "Ctrl+Return".
QString spokenKeys(const QString& keys);
// Reports that a widget's selected state changed (a tab).
void selectionChanged(QWidget* widget);
} // namespace Accessibility

} // namespace zarvo::ui
