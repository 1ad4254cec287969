#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace zarvo {

struct Platform;

// A file search as typed: the words plus inline filters (in:folder, kinds, a date bound).
struct SearchQuery {
    QString term;
    QStringList contentTypes;
    std::optional<QDateTime> since;
    std::optional<QString> scope;
    std::optional<QString> unknownScope;

    bool hasFilters() const { return !contentTypes.isEmpty() || since || scope || unknownScope; }
    bool operator==(const SearchQuery&) const = default;

    // Parses typed text; never fails. `now` anchors the date words in the local calendar; in: folders
    // are found on the platform's file system.
    static SearchQuery parse(const Platform& platform, const QString& text, const QDateTime& now);
    // An in: name to an absolute folder path, or none.
    static std::optional<QString> resolveFolder(const Platform& platform, const QString& name);
    // Kind word (lower case) → uniform type identifiers.
    static const QHash<QString, QStringList>& kinds();
};

} // namespace zarvo
