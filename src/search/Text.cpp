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

const QRegularExpression& whitespaceRun() {
    static const QRegularExpression pattern(QStringLiteral("\\s+"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

QStringList words(const QString& text) {
    return text.split(whitespaceRun(), Qt::SkipEmptyParts);
}

} // namespace zarvo::Text
