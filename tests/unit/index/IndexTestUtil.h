#pragma once

#include "fakes/EventLoop.h"
#include "index/FileIndex.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>

namespace zarvo::index::testing {

// A scratch folder tree for index tests (never the real home).
struct Tree {
    QTemporaryDir dir;
    QString root() const { return dir.path() + QStringLiteral("/root"); }
    QString cache() const { return dir.path() + QStringLiteral("/cache/index.snapshot"); }
    QString make(const QString& relative, const QByteArray& contents = {}) const {
        const QString path = root() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(path);
        f.write(contents);
        return path;
    }
    QString makeDir(const QString& relative) const {
        const QString path = root() + QLatin1Char('/') + relative;
        QDir().mkpath(path);
        return path;
    }
    IndexConfig config() const {
        IndexConfig c;
        c.roots = {root()};
        c.snapshotPath = cache();
        return c;
    }
};

// Runs a query to its end; the batches it delivered are counted.
inline IndexQueryBatch run(FileIndex& index, IndexQuerySpec spec, int* batches = nullptr) {
    std::promise<IndexQueryBatch> done;
    auto future = done.get_future();
    int count = 0;
    auto job = index.startQuery(spec, [&](const IndexQueryBatch& b) {
        ++count;
        if (b.finished) done.set_value(b);
    });
    EXPECT_EQ(future.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    if (batches) *batches = count;
    return future.get();
}

inline QStringList find(FileIndex& index, const QStringList& patterns) {
    IndexQuerySpec spec;
    spec.namePatterns = patterns;
    return run(index, spec).paths;
}

using zarvo::testing::waitUntil;

} // namespace zarvo::index::testing
