#include "platform/PasteboardItem.h"

namespace zarvo {

QStringList PasteboardItem::types() const {
    QStringList out;
    for (const auto& rep : representations)
        out << rep.first;
    return out;
}

std::optional<QByteArray> PasteboardItem::data(const QString& type) const {
    for (const auto& rep : representations)
        if (rep.first == type) return rep.second;
    return std::nullopt;
}

std::optional<QString> PasteboardItem::string(const QString& type) const {
    if (auto bytes = data(type)) return QString::fromUtf8(*bytes);
    return std::nullopt;
}

void PasteboardItem::setData(const QString& type, const QByteArray& bytes) {
    for (auto& rep : representations) {
        if (rep.first == type) {
            rep.second = bytes;
            return;
        }
    }
    representations.append({type, bytes});
}

void PasteboardItem::setString(const QString& type, const QString& text) {
    setData(type, text.toUtf8());
}

} // namespace zarvo
