#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace zarvo::Text {

// Spaces and tabs only are trimmed from typed text: other whitespace is part of what was typed.
QString trimSpacesAndTabs(QStringView text);
// The non-empty whitespace-separated words of a text.
QStringList words(const QString& text);
// A name as the panel's messages quote it: “name”.
inline QString quoted(const QString& text) {
    return QStringLiteral("\u201C") + text + QStringLiteral("\u201D");
}

} // namespace zarvo::Text
