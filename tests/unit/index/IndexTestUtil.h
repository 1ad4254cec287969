#pragma once

#include "fakes/EventLoop.h"
#include "fakes/Files.h"
#include "index/FileIndex.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>
#include <utime.h>

// Query specs are designated initializers leaving members to their defaults, which GCC 12 warns about.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace zarvo::index::testing {

// A scratch folder tree for index tests (never the real home).
struct Tree {
    QTemporaryDir dir;
    QString root() const { return dir.path() + "/root"; }
    QString cache() const { return dir.path() + "/cache/index.snapshot"; }
    QString make(const QString& relative, const QByteArray& contents = {}) const {
        const QString path = root() + QLatin1Char('/') + relative;
        zarvo::testing::writeFile(path, contents);
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

inline void setTime(const QString& path, qint64 secs) {
    utimbuf t{secs, secs};
    ASSERT_EQ(::utime(QFile::encodeName(path).constData(), &t), 0);
}

// Crawls the configured folders and writes their snapshot, as another process would.
inline void writeSnapshot(const IndexConfig& config) {
    FileIndex index(config);
    index.rebuild();
    ASSERT_TRUE(index.saveSnapshot());
}

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

// Queries started together, to their ends; the one at `cancelled` is cancelled at once and must deliver
// nothing after cancel() returned (null: it did not finish).
inline std::vector<std::optional<IndexQueryBatch>>
runTogether(FileIndex& index, const std::vector<IndexQuerySpec>& specs, size_t cancelled = size_t(-1)) {
    std::vector<std::promise<IndexQueryBatch>> done(specs.size());
    std::atomic<bool> cancelReturned{false}, lateBatch{false};
    std::vector<std::function<void(const IndexQueryBatch&)>> handlers;
    for (size_t i = 0; i < specs.size(); ++i)
        handlers.push_back([&, i](const IndexQueryBatch& b) {
            if (i == cancelled && cancelReturned) lateBatch = true;
            if (b.finished) done[i].set_value(b);
        });
    const auto jobs = index.startQueries(specs, handlers);
    EXPECT_EQ(jobs.size(), specs.size());
    if (cancelled < jobs.size()) {
        jobs[cancelled]->cancel();
        cancelReturned = true;
    }
    std::vector<std::optional<IndexQueryBatch>> out;
    for (size_t i = 0; i < specs.size(); ++i) {
        auto future = done[i].get_future();
        const auto wait = i == cancelled ? std::chrono::milliseconds(300) : std::chrono::milliseconds(20000);
        if (future.wait_for(wait) == std::future_status::ready)
            out.push_back(future.get());
        else
            out.emplace_back();
        if (i != cancelled) {
            EXPECT_TRUE(out.back()) << "query " << i << " never finished";
        }
    }
    // Every job is done with its handler before the promises it captures go.
    for (const auto& job : jobs)
        job->cancel();
    EXPECT_FALSE(lateBatch) << "a batch after cancel() returned";
    return out;
}

inline QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

inline QStringList find(FileIndex& index, const QStringList& patterns) {
    return run(index, {.namePatterns = patterns}).paths;
}

using zarvo::testing::readFile;
using zarvo::testing::waitUntil;
using zarvo::testing::writeFile;

} // namespace zarvo::index::testing
