#include "index/Crawler.h"
#include "IndexTestUtil.h"

#include <mutex>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace zarvo::index;
using namespace zarvo::index::testing;

namespace {

// Wide folders, a chain deeper than the folders kept open, an excluded folder, a link (listed, not followed).
void makeTree(const Tree& tree, int wide) {
    for (int i = 0; i < wide; ++i)
        for (int j = 0; j < 40; ++j)
            tree.make(u"w%1/sub%2/f%3.txt"_s.arg(i % 7).arg(i).arg(j));
    QString deep = "deep";
    for (int depth = 0; depth < FolderLister::kMaxOpenDepth + 8; ++depth) {
        deep += u"/d%1"_s.arg(depth);
        tree.make(deep + "/Note.MD");
        tree.makeDir(deep + "/side");
    }
    tree.make("skip/hidden.txt");
    ASSERT_EQ(::symlink(qPrintable(tree.root() + "/w1"), qPrintable(tree.root() + "/link")), 0);
}

struct Crawl {
    IndexTable table;
    bool finished = false;
    std::mutex mutex;
    QHash<int, QByteArray> watched; // watch → the folder it was added for
    QHash<int, quint32> bound;      // watch → the entry it was given
};

// Watches every folder but those named sub1…: a watch that could not be added.
bool watchable(const QByteArray& path) {
    return !path.mid(path.lastIndexOf('/') + 1).startsWith("sub1");
}

void crawl(Crawl& out, const Tree& tree, int threads, const std::function<void(qint64)>& progress = {},
           std::atomic<bool>* cancel = nullptr) {
    Crawler::Options options;
    options.excluded = {QFile::encodeName(tree.root() + "/skip")};
    options.threads = threads;
    options.progress = progress;
    options.cancel = cancel;
    options.watch = [](const QByteArray& path, quint32, int) { return watchable(path); };
    options.watchAhead = [&out](const QByteArray& path, int) {
        std::lock_guard lock(out.mutex);
        if (!watchable(path)) return -1;
        const int wd = int(out.watched.size());
        out.watched.insert(wd, path);
        return wd;
    };
    options.bindWatch = [&out](int wd, quint32 entry) { out.bound.insert(wd, entry); };
    Crawler crawler(options);
    out.finished = crawler.crawlRoot(out.table, QFile::encodeName(tree.root()));
}

} // namespace

TEST(Crawler, ListingOnThreadsGivesTheSameTableAsOneThread) {
    Tree tree;
    makeTree(tree, 60);
    Crawl one, many;
    crawl(one, tree, 1);
    crawl(many, tree, 2);
    ASSERT_TRUE(one.finished && many.finished);
    ASSERT_GT(one.table.entries.size(), 2400u);
    ASSERT_EQ(one.table.entries.size(), many.table.entries.size());
    for (quint32 i = 0; i < one.table.entries.size(); ++i) {
        const Entry &a = one.table.entries[i], &b = many.table.entries[i];
        ASSERT_EQ(one.table.name(i), many.table.name(i)) << i;
        ASSERT_EQ(std::make_tuple(a.parent, a.flags, a.type, a.mtime, a.size),
                  std::make_tuple(b.parent, b.flags, b.type, b.mtime, b.size))
            << qPrintable(one.table.path(i));
    }
    EXPECT_EQ(one.table.folded, many.table.folded);
    EXPECT_NE(one.table.find(tree.root() + "/skip"), kNoEntry);
    EXPECT_EQ(one.table.find(tree.root() + "/skip/hidden.txt"), kNoEntry);
    EXPECT_EQ(one.table.find(tree.root() + "/link/sub1"), kNoEntry);
    EXPECT_TRUE(one.table.entries[one.table.find(tree.root() + "/w1/sub1")].is(Entry::Unwatched));
    // Fitted after the crawl, the arrays keep room for the live table's first new files: no copy to add.
    one.table.shrink();
    one.table.compactGrowth = true;
    EXPECT_EQ(one.table.folded, many.table.folded);
    const Entry* entries = one.table.entries.data();
    const char* folded = one.table.folded.constData();
    one.table.add(0, "new.txt", 0, one.table.entries[1].type, 1, 1);
    EXPECT_EQ(one.table.entries.data(), entries);
    EXPECT_EQ(one.table.folded.constData(), folded);

    // Each watch added ahead is given the entry of the folder it was added for.
    EXPECT_GT(many.watched.size(), 100);
    ASSERT_EQ(many.bound.size(), many.watched.size());
    for (auto it = many.bound.cbegin(); it != many.bound.cend(); ++it)
        ASSERT_EQ(many.table.pathBytes(it.value()), many.watched.value(it.key()));
}

TEST(Crawler, ListingOnThreadsStopsWhenCancelled) {
    Tree tree;
    makeTree(tree, 300); // progress is told every 10,000 entries
    std::atomic<bool> cancel{false};
    qint64 told = -1;
    Crawl stopped;
    crawl(
        stopped, tree, 2,
        [&](qint64 entries) {
            told = entries;
            cancel = true;
        },
        &cancel);
    EXPECT_FALSE(stopped.finished);
    EXPECT_GE(told, 10000);
    EXPECT_LT(stopped.table.entries.size(), 12000u);
}
