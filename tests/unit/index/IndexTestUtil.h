#pragma once

#include "index/FileIndex.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
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

// Polls until `pred` holds or the time runs out; returns the elapsed milliseconds or -1.
template <typename Pred> qint64 waitFor(Pred pred, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        if (pred()) return t.elapsed();
        QThread::msleep(10);
    }
    return pred() ? t.elapsed() : -1;
}

} // namespace zarvo::index::testing
