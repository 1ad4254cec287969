#include "clipboard/Clipboard.h"

#include "platform/Pasteboard.h"
#include "sources/NetworkPath.h"
#include "sources/PathInput.h"
#include "sources/ShellCommand.h"

#include <QFileInfo>

namespace zarvo::Clipboard {

std::optional<QString> prefillText(const Platform& platform, const Pasteboard& pasteboard) {
    QStringList types = pasteboard.types();
    for (const auto& item : pasteboard.items())
        types += item.types();
    for (const QString& type : types)
        if (privateTypes().contains(type)) return std::nullopt;

    const QList<QUrl> files = pasteboard.fileURLs();
    if (!files.isEmpty()) return files.first().toLocalFile();

    const auto string = pasteboard.string(PasteboardType::plainText);
    if (!string) return std::nullopt;
    const QString text = string->trimmed();
    if (text.isEmpty() || text.contains(QLatin1Char('\n')) || text.size() >= 1024) return std::nullopt;
    if (ShellCommand::parse(text) || NetworkPath::url(text)) return std::nullopt;
    if (PathInput::webURL(text)) return text;
    const QString expanded = PathInput::expand(platform, text);
    if (!expanded.isEmpty() && QFileInfo::exists(expanded)) return expanded;
    if (PathInput::looksLikeFileName(text)) return text;
    return std::nullopt;
}

} // namespace zarvo::Clipboard
