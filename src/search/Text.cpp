#include "search/Text.h"

namespace zarvo::Text {

QString trimSpacesAndTabs(QStringView text) {
    qsizetype start = 0, end = text.size();
    while (start < end && (text[start] == u' ' || text[start] == u'\t'))
        ++start;
    while (end > start && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.mid(start, end - start).toString();
}

// A plain scan rather than the regular expression: it runs for every keyword and library row on each
// keystroke, and QChar::isSpace knows the same Unicode spaces.
QStringList words(const QString& text) {
    QStringList out;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && text[i].isSpace())
            ++i;
        const qsizetype start = i;
        while (i < n && !text[i].isSpace())
            ++i;
        if (i > start) out << text.mid(start, i - start);
    }
    return out;
}

} // namespace zarvo::Text
