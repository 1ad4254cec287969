#include "platform/MetadataQuery.h"

namespace zarvo {

QString MetadataPredicate::format() const {
    QStringList parts;
    for (const auto& p : namePatterns)
        parts << QStringLiteral("kMDItemFSName LIKE[cd] \"%1\" OR kMDItemDisplayName LIKE[cd] \"%1\"").arg(p);
    if (!contentTypes.isEmpty()) {
        QStringList types;
        for (const auto& t : contentTypes)
            types << QStringLiteral("kMDItemContentTypeTree == \"%1\"").arg(t);
        parts << (types.size() == 1
                      ? types.first()
                      : QLatin1Char('(') + types.join(QStringLiteral(" OR ")) + QLatin1Char(')'));
    }
    if (changedSince)
        parts << QStringLiteral("kMDItemFSContentChangeDate >= %1").arg(changedSince->toString(Qt::ISODate));
    if (matchAll) parts << QStringLiteral("kMDItemFSName LIKE \"*\"");
    if (parts.size() == 1) return parts.first();
    QStringList wrapped;
    for (const auto& p : parts)
        wrapped << (p.contains(QLatin1String(" OR ")) && !p.startsWith(QLatin1Char('('))
                        ? QLatin1Char('(') + p + QLatin1Char(')')
                        : p);
    return wrapped.join(QStringLiteral(" AND "));
}

} // namespace zarvo
