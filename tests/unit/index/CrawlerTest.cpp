#include "index/Crawler.h"
#include "IndexTestUtil.h"

#include <unistd.h>

using namespace zarvo::index;
using namespace zarvo::index::testing;

namespace {

// A tree with what changes the walk's order: wide folders, a chain deeper than the folders kept open
// by descent, an excluded folder and a link to a folder (listed, not followed).
void makeTree(const Tree& tree, int wide) {
    for (int i = 0; i < wide; ++i)
        for (int j = 0; j < 40; ++j)
            tree.make(QStringLiteral("w%1/sub%2/f%3.txt").arg(i % 7).arg(i).arg(j));
    QString deep = QStringLiteral("deep");
    for (int depth = 0; depth < FolderLister::kMaxOpenDepth + 8; ++depth) {
        deep += QStringLiteral("/d%1").arg(depth);
        tree.make(deep + QStringLiteral("/Note.MD"));
        tree.makeDir(deep + QStringLiteral("/side"));
    }
    tree.make(QStringLiteral("skip/hidden.txt"));
    ASSERT_EQ(::symlink(qPrintable(tree.root() + QStringLiteral("/w1")),
                        qPrintable(tree.root() + QStringLiteral("/link"))),
              0);
}

struct Crawl {
    IndexTable table;
    bool finished = false;
};

// `oneThread`: a watch callback keeps the walk on the calling thread.
Crawl crawl(const Tree& tree, bool oneThread, const std::function<void(qint64)>& progress = {},
            std::atomic<bool>* cancel = nullptr) {
    Crawler::Options options;
    options.excluded = {QFile::encodeName(tree.root() + QStringLiteral("/skip"))};
    if (oneThread) options.watch = [](const QByteArray&, quint32, int) { return true; };
    options.progress = progress;
    options.cancel = cancel;
    Crawl out;
    Crawler crawler(options);
    out.finished = crawler.crawlRoot(out.table, QFile::encodeName(tree.root()));
    return out;
}

} // namespace

TEST(Crawler, ListingOnThreadsGivesTheSameTableAsOneThread) {
    Tree tree;
    makeTree(tree, 60);
    const Crawl one = crawl(tree, true), many = crawl(tree, false);
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
    EXPECT_NE(one.table.find(tree.root() + QStringLiteral("/skip")), kNoEntry);
    EXPECT_EQ(one.table.find(tree.root() + QStringLiteral("/skip/hidden.txt")), kNoEntry);
    EXPECT_EQ(one.table.find(tree.root() + QStringLiteral("/link/sub1")), kNoEntry);
}

TEST(Crawler, ListingOnThreadsStopsWhenCancelled) {
    Tree tree;
    makeTree(tree, 300); // progress is told every 10,000 entries
    std::atomic<bool> cancel{false};
    qint64 told = -1;
    const Crawl stopped = crawl(
        tree, false,
        [&](qint64 entries) {
            told = entries;
            cancel = true;
        },
        &cancel);
    EXPECT_FALSE(stopped.finished);
    EXPECT_GE(told, 10000);
    EXPECT_LT(stopped.table.entries.size(), 12000u);
}
