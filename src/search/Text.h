#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace zarvo::Text {

// Spaces and tabs only are trimmed from typed text: other whitespace is part of what was typed.
QString trimSpacesAndTabs(QStringView text);
// The non-empty whitespace-separated words of a text.
QStringList words(const QString& text);
// A name as the panel's messages quote it: “name”, in the quotation marks of the user's language.
inline QString quoted(const QString& text) {
    //: Quotation marks around a name in a message: „%1“ in German, « %1 » in French.
    return QCoreApplication::translate("Text", "\u201C%1\u201D").arg(text);
}

} // namespace zarvo::Text
