#pragma once

#include "platform/Pasteboard.h"

namespace zarvo::linux_ {

// The pasteboard of a process without a display: always empty, and writes are refused with a log line.
class UnavailablePasteboard : public Pasteboard {
public:
    qint64 changeCount() const override { return 0; }
    QStringList types() const override { return {}; }
    QList<PasteboardItem> items() const override { return {}; }
    std::optional<QString> string(const QString&) const override { return std::nullopt; }
    QList<QUrl> fileURLs() const override { return {}; }
    void clearContents() override { refuse(); }
    void setString(const QString&, const QStringList& = {}) override { refuse(); }
    void writeItems(const QList<PasteboardItem>&) override { refuse(); }
    void writeFileURLs(const QList<QUrl>&) override { refuse(); }

    // The refusal for a feature that needs a display, for front ends to print.
    static QString noDisplayMessage(const QString& feature);

private:
    static void refuse();
};

} // namespace zarvo::linux_
