#pragma once

#include "search/ResultItem.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QUrl>
#include <optional>

namespace zarvo {
class Environment;
struct Platform;
} // namespace zarvo

namespace zarvo::PathInput {

// Windows-Run style reading of typed text as paths and web addresses. Home, user name, temporary
// folder and the environment come from the platform's Environment, this system's places from its
// Workspace.

// The temporary folder without a trailing slash.
QString tempDirectory(const Environment* environment);
// Top-level domains that make a dotted word count as a web host.
const QSet<QString>& commonTLDs();
// Upper-case Windows variable name → the matching place on this system.
QHash<QString, QString> windowsVariables(const Platform& platform);

// Whether the query is a path (and so gets completions instead of a file search).
bool looksLikePath(const QString& text);
// The path a text stands for: quotes, file://, escaped spaces, variables, the tilde.
QString expand(const Platform& platform, const QString& text);
// %VAR% (Windows names mapped to local places, then the environment) and $VAR / ${VAR}.
QString expandVariables(const Platform& platform, const QString& text);
// Rows for a typed path: the exact path if it exists, then matching entries of its folder.
QList<ResultItem> completions(const Platform& platform, const QString& text, bool showHidden);
// Whether the query is a bare file name such as report.pdf.
bool looksLikeFileName(const QString& text);
// The web address a text stands for (a scheme is added to bare hosts), or none.
std::optional<QUrl> webURL(const QString& text);

// Path helpers with the semantics of the path API the behaviour was written against.
QString lastPathComponent(const QString& path);
QString deletingLastPathComponent(const QString& path);
QString appendingPathComponent(const QString& folder, const QString& name);
QString pathExtension(const QString& path);
QString deletingPathExtension(const QString& path);
// The home prefix replaced by a tilde.
QString abbreviatingWithTilde(const Environment* environment, const QString& path);

} // namespace zarvo::PathInput
