#include "index/Snapshot.h"
#include "IndexTestUtil.h"
#include "index/SnapshotFormat.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <cstddef>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace zarvo::index;
using namespace zarvo::index::testing;
namespace Format = zarvo::index::SnapshotFormat;

namespace {

int modeOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return -1;
    return int(st.st_mode & 07777);
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile::remove(path);
    writeFile(path, bytes);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// A snapshot's header; the bytes with a rewritten header whose hashes match (hostile, not damaged).
Format::Header headerOf(const QByteArray& bytes) {
    Format::Header h;
    std::memcpy(&h, bytes.constData(), sizeof h);
    return h;
}

QByteArray withHeader(QByteArray bytes, Format::Header h, bool rehashBody) {
    if (rehashBody) {
        Format::Hash body;
        for (const auto& r : h.sections)
            if (r.offset + r.size <= quint64(bytes.size())) body.add(bytes.constData() + r.offset, r.size);
        h.bodyHash = body.value();
    }
    h.headerHash = Format::headerHash(h);
    std::memcpy(bytes.data(), &h, sizeof h);
    return bytes;
}

// The first format, as the previous version wrote it (kept here so the upgrade path stays tested).
QByteArray versionOne(const IndexTable& t, const QString& fingerprint) {
    struct Checksum {
        quint64 h = 0x9e3779b97f4a7c15ull;
        void add(const void* data, size_t n) {
            if (n == 0) return;
            const auto* p = static_cast<const unsigned char*>(data);
            size_t i = 0;
            quint64 lane[4] = {h, h ^ 1, h ^ 2, h ^ 3};
            for (; i + 32 <= n; i += 32)
                for (int k = 0; k < 4; ++k) {
                    quint64 w;
                    std::memcpy(&w, p + i + 8 * k, 8);
                    lane[k] = (lane[k] ^ w) * 0xff51afd7ed558ccdull;
                    lane[k] ^= lane[k] >> 29;
                }
            h = lane[0] ^ (lane[1] * 3) ^ (lane[2] * 5) ^ (lane[3] * 7);
            for (; i < n; ++i)
                h = (h ^ p[i]) * 0x100000001b3ull;
            h ^= n;
        }
    } sum;
    struct {
        char magic[8] = {'Z', 'R', 'V', 'O', 'I', 'D', 'X', '\n'};
        quint32 version = 1, entrySize = 32;
        qint64 created = 0;
        quint64 entries, names, folded, records, extras = 0, lastUsed = 0, types, fingerprint;
        quint32 deleted = 0, reserved = 0;
    } h;
    ContentTypes::TypeId maxId = 1;
    for (const auto& e : t.entries)
        maxId = std::max(maxId, e.type);
    const QByteArray fp = fingerprint.toUtf8();
    // As the first format held them: every name spelled out, a record per folded name.
    std::vector<Entry> entries(t.entries.begin(), t.entries.end());
    QByteArray names;
    std::vector<FoldRecord> records;
    for (quint32 i = 0; i < entries.size(); ++i) {
        entries[i].nameOff = quint32(names.size());
        names.append(t.name(i)).append('\0');
        records.push_back({entries[i].foldOff, entries[i].is(Entry::Deleted) ? kNoEntry : i});
    }
    h.entries = entries.size();
    h.names = quint64(names.size());
    h.folded = quint64(t.folded.size());
    h.records = records.size();
    h.types = maxId + 1u;
    h.fingerprint = quint64(fp.size());
    QByteArray out;
    auto put = [&](const void* p, size_t n) {
        sum.add(p, n);
        out.append(static_cast<const char*>(p), qsizetype(n));
    };
    put(&h, sizeof h);
    put(fp.constData(), size_t(fp.size()));
    for (quint32 id = 0; id <= maxId; ++id) {
        const QByteArray mime = ContentTypes::mimeName(ContentTypes::TypeId(id)).toUtf8();
        const auto len = quint16(mime.size());
        put(&len, 2);
        put(mime.constData(), len);
    }
    put(entries.data(), entries.size() * sizeof(Entry));
    put(names.constData(), size_t(names.size()));
    put(t.folded.constData(), size_t(t.folded.size()));
    put(records.data(), records.size() * sizeof(FoldRecord));
    out.append(reinterpret_cast<const char*>(&sum.h), 8);
    return out;
}

void buildTree(Tree& tree) {
    for (int i = 0; i < 40; ++i)
        tree.make(u"docs %1/report %2 notes.txt"_s.arg(i % 4).arg(i));
    tree.make("pictures/holiday.jpg");
    tree.make("pictures/Résumé scan.png");
    tree.make("downloads/installer.deb");
}

} // namespace

TEST(Snapshot, PrivateToItsUserFromTheFirstInstant) {
    Tree tree;
    buildTree(tree);
    const QString secret = tree.make("private/secret-plan.txt");
    ASSERT_EQ(::chmod(QFile::encodeName(tree.root() + "/private").constData(), 0700), 0);
    const QString folder = QFileInfo(tree.cache()).absolutePath();
    // A snapshot directly in a sticky shared folder (as /tmp) leaves that folder open to other users.
    const QString shared = tree.root() + "-shared";
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    IndexConfig inShared = tree.config();
    inShared.snapshotPath = shared + "/file-index.snapshot";
    // Even a umask that lets everyone read new files leaves the snapshot and its folder private.
    const mode_t old = ::umask(0);
    writeSnapshot(tree.config());
    writeSnapshot(inShared);
    ::umask(old);
    EXPECT_EQ(modeOf(tree.cache()), 0600);
    EXPECT_EQ(modeOf(folder), 0700);
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QFileInfo(tree.cache()).fileName()})
        << "no temporary file left behind";
    EXPECT_EQ(modeOf(inShared.snapshotPath), 0600);
    EXPECT_TRUE(FileIndex(inShared).loadSnapshot());
    EXPECT_TRUE(FileIndex::openShared(inShared)->isMapped());
    EXPECT_EQ(modeOf(shared), 01777);

    // A snapshot written wider by an earlier version is narrowed when it is read, by either reader.
    for (bool mapped : {false, true}) {
        ASSERT_EQ(::chmod(QFile::encodeName(tree.cache()).constData(), 0644), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
        const auto index =
            mapped ? FileIndex::openShared(tree.config()) : std::make_shared<FileIndex>(tree.config());
        EXPECT_TRUE(mapped ? index->isMapped() : index->loadSnapshot());
        EXPECT_EQ(modeOf(tree.cache()), 0600) << mapped;
        EXPECT_EQ(modeOf(folder), 0700) << mapped;
        EXPECT_EQ(find(*index, {"*secret*"}), QStringList{secret});
    }

    // A snapshot that is not this user's is not trusted: it is crawled anew and replaced.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(tree.cache()).constData(), 65534, 65534), 0);
        EXPECT_FALSE(FileIndex(tree.config()).loadSnapshot());
        auto index = FileIndex::openShared(tree.config());
        EXPECT_FALSE(index->isMapped());
        EXPECT_EQ(QFileInfo(tree.cache()).ownerId(), ::geteuid());
        EXPECT_EQ(modeOf(tree.cache()), 0600);
    }
}

// A mapped snapshot is read newest first and a query stops once nothing further can rank; its answers
// are those of reading every name (limits, filters, sorts, last-used times, a folded name, a deleted
// file). The formats before, without that order, are still mapped and read to their end.
TEST(Snapshot, RankingOrderAnswersLikeReadingEveryName) {
    Tree tree;
    const qint64 base = 1'700'000'000;
    QStringList made;
    for (int i = 0; i < 120; ++i) {
        made << tree.make(u"d%1/report %2.%3"_s.arg(i % 7).arg(i).arg(i % 3 ? "txt" : "png"));
        setTime(made.last(), base + (i * 37) % 50 * 3600); // fifty times: many ties
    }
    const QString resume = tree.make("d3/Résumé scan.png");
    QStringList crawled;
    {
        FileIndex index(tree.config());
        index.rebuild();
        index.start();
        ASSERT_TRUE(index.waitIdle(10000));
        ASSERT_TRUE(QFile::remove(made[8]));
        ASSERT_TRUE(waitUntil([&] { return !find(index, {"report 8.*"}).contains(made[8]); }, 3000));
        index.setLastUsed(made[5], QDateTime::fromSecsSinceEpoch(4'000'000'000));
        index.setLastUsed(made[6], QDateTime::fromSecsSinceEpoch(base - 86400));
        ASSERT_TRUE(index.saveSnapshot());
        crawled = sorted(find(index, {"*"}));
    }
    FileIndex loaded(tree.config());
    ASSERT_TRUE(loaded.loadSnapshot());
    auto mapped = FileIndex::openShared(tree.config());
    ASSERT_TRUE(mapped->isMapped());
    EXPECT_EQ(mapped->entryCount(), loaded.entryCount());
    EXPECT_TRUE(mapped->contains(resume));
    EXPECT_FALSE(mapped->contains(made[8]));
    EXPECT_EQ(sorted(find(loaded, {"*"})), crawled) << "every entry read back";
    // Batches come at most every interval: a query faster than that delivers one, the finished one.
    int batches = 0;
    EXPECT_EQ(run(loaded, {.namePatterns = {"*report*"}}, &batches).paths.size(), 119) << "120, one deleted";
    EXPECT_EQ(batches, 1);

    std::vector<IndexQuerySpec> specs;
    // 18: the two last-used entries and one batch of sixteen tested names fill it exactly.
    using Sort = IndexQuerySpec::Sort;
    for (int limit : {1, 4, 18, 30, 1000}) {
        specs.push_back({.namePatterns = {"*report*"}, .limit = limit});
        specs.push_back({.namePatterns = {"*r*p*t*"}, .sort = Sort::Modified, .limit = limit});
        specs.push_back({.contentTypes = {"public.image"},
                         .changedSince = QDateTime::fromSecsSinceEpoch(base + 20 * 3600),
                         .sort = Sort::Modified,
                         .limit = limit});
        specs.push_back({.namePatterns = {"*"}, .limit = limit});
    }
    const IndexQuerySpec folded{.namePatterns = {"*resume*"}};
    const IndexQuerySpec scoped{.namePatterns = {"*r*s*u*m*"}, .scopes = {tree.root() + "/d3"}};
    specs.push_back(folded);
    specs.push_back(scoped);
    // Read to the end, a query counts every match; stopped early, fewer.
    const auto answersAsLoaded = [&](FileIndex& index, bool readToTheEnd, quint32 version) {
        for (size_t i = 0; i < specs.size(); ++i) {
            const auto want = run(loaded, specs[i]);
            const auto got = run(index, specs[i]);
            EXPECT_EQ(got.paths, want.paths) << version << " " << i;
            EXPECT_FALSE(got.paths.contains(made[8])) << version << " " << i;
            if (readToTheEnd || specs[i].limit == 1000) {
                EXPECT_EQ(got.matched, want.matched) << version << " " << i;
            }
        }
    };
    answersAsLoaded(*mapped, false, Format::kVersion);
    EXPECT_EQ(run(*mapped, specs[4]).paths.first(), made[5]) << "a last-used time ranks first";
    EXPECT_EQ(run(*mapped, folded).paths, QStringList{resume});
    EXPECT_EQ(run(*mapped, scoped).paths, QStringList{resume});
    EXPECT_LT(run(*mapped, specs[0]).matched, run(loaded, specs[0]).matched) << "the scan stopped early";

    // Twins sharing a pass answer as alone, also when one is done early and the scan goes on for the other.
    const std::vector<std::pair<QString, QString>> pairs = {{"*report 1*", "*r*e*p*o*r*t*1*"},
                                                            {"*rpt*", "*r*p*t*"}};
    for (const auto& [literal, letters] : pairs) {
        IndexQuerySpec substring = specs[4], subsequence = specs[4];
        substring.namePatterns = {literal};
        subsequence.namePatterns = {letters};
        const auto together = runTogether(*mapped, {substring, subsequence});
        ASSERT_TRUE(together[0] && together[1]);
        EXPECT_EQ(together[0]->paths, run(loaded, substring).paths) << qPrintable(literal);
        EXPECT_EQ(together[1]->paths, run(loaded, subsequence).paths) << qPrintable(letters);
    }

    // The same file under older headers: without grams (still stops early); without keys and order too.
    mapped.reset();
    const QByteArray current = readFile(tree.cache());
    for (const quint32 version : {Format::kVersion3, Format::kVersion2}) {
        Format::Header old = headerOf(current);
        old.version = version;
        if (version == Format::kVersion2) old.flags = 0;
        const size_t listed = version == Format::kVersion2 ? Format::Keys : Format::Grams;
        Format::Hash body;
        for (size_t k = 0; k < listed; ++k)
            body.add(current.constData() + old.sections[k].offset, old.sections[k].size);
        old.bodyHash = body.value();
        const QByteArray head = Format::encodeHeader(old);
        ASSERT_EQ(quint64(head.size()), Format::headerSize(version));
        QByteArray previous = current;
        std::memcpy(previous.data(), head.constData(), size_t(head.size()));
        writeAll(tree.cache(), previous);
        auto older = FileIndex::openShared(tree.config());
        ASSERT_TRUE(older->isMapped()) << version << ": mapped, not rebuilt";
        answersAsLoaded(*older, version == Format::kVersion2, version);
        IndexTable table;
        EXPECT_TRUE(Snapshot::load(table, tree.cache(), loaded.config().fingerprint())) << version;
    }
}

// Grams skip blocks that cannot hold a literal; answers stay the loaded table's for any piece.
TEST(Snapshot, BlocksThatCannotHoldAPieceAreSkippedWithoutLosingMatches) {
    Tree tree;
    const qint64 base = 1'700'000'000;
    // Past the first slices a one-shot query reads at a time (and a literal's blocks inside them).
    const int count = 26 * int(Format::kGramBlockRecords) + 40;
    for (int i = 0; i < count; ++i) {
        const bool rare = i == 3 || i == 9000 || i == count - 1; // in the newest block, one later, the oldest
        // The order of i: newest first.
        setTime(tree.make(u"f%1/%2 %3.txt"_s.arg(i % 5).arg(rare ? "quartz" : "note").arg(i)),
                base - qint64(i) * 60);
    }
    writeSnapshot(tree.config());
    FileIndex loaded(tree.config());
    ASSERT_TRUE(loaded.loadSnapshot());
    auto mapped = FileIndex::openShared(tree.config());
    ASSERT_TRUE(mapped->isMapped());

    // The rows of "quartz" leave most blocks out: the filter can skip at all.
    const QByteArray file = readFile(tree.cache());
    const Format::Header h = headerOf(file);
    const quint64 records = h.sections[Format::Records].size / sizeof(FoldRecord);
    const quint64 words = Format::gramRowWords(records);
    ASSERT_EQ(h.sections[Format::Grams].size, words * Format::kGramBits * 8);
    unsigned char bits[Format::kGramBits / 8] = {};
    Format::addGrams(bits, "quartz", 6);
    std::vector<quint64> blocks(words, ~quint64(0));
    const auto* rows = reinterpret_cast<const quint64*>(file.constData() + h.sections[Format::Grams].offset);
    for (quint32 b = 0; b < Format::kGramBits; ++b)
        if (bits[b / 8] & (1u << (b % 8)))
            for (quint64 w = 0; w < words; ++w)
                blocks[w] &= rows[b * words + w];
    const quint64 blockCount = (records + Format::kGramBlockRecords - 1) / Format::kGramBlockRecords;
    ASSERT_EQ(blockCount, 27u);
    int holding = 0;
    for (quint64 k = 0; k < blockCount; ++k)
        holding += int((blocks[k / 64] >> (k % 64)) & 1);
    EXPECT_EQ(holding, 3) << "the blocks without the piece are passed over";

    for (const char* pattern :
         {"*quartz*", "*artz 15*", "*qu*", "*note 1*", "*zebra*", "*e 15*", "*q*a*z*", "*n*t*9*9*"}) {
        for (int limit : {2, 1000}) {
            const IndexQuerySpec spec{.namePatterns = {QString::fromLatin1(pattern)}, .limit = limit};
            const auto want = run(loaded, spec);
            const auto got = run(*mapped, spec);
            EXPECT_EQ(got.paths, want.paths) << pattern << " " << limit;
            if (want.matched < limit) { // read to the end (with more, the rest cannot rank)
                EXPECT_EQ(got.matched, want.matched) << pattern << " " << limit;
            }
        }
    }
    EXPECT_EQ(run(*mapped, {.namePatterns = {"*quartz*"}, .limit = 1000}).paths.size(), 3);
}

// Record paths spell what their entries do: a folder moved elsewhere, a root "/", a deleted file beside.
TEST(Snapshot, RecordsSpellThePathsTheirEntriesGive) {
    IndexTable table;
    auto add = [&](quint32 parent, const char* name, quint16 flags, quint32 mtime) {
        const bool dir = flags & Entry::Dir;
        return table.add(parent, name, flags, dir ? ContentTypes::kFolder : ContentTypes::kUnknown, 10,
                         mtime);
    };
    const quint32 slash = add(kNoEntry, "/", Entry::Dir | Entry::Root, 100);
    const quint32 home = add(kNoEntry, "/home/u", Entry::Dir | Entry::Root, 100);
    const quint32 etc = add(slash, "etc", Entry::Dir, 200);
    table.entries[slash].setChildren(etc, 1);
    table.entries[etc].setChildren(add(etc, "hosts", 0, 300), 1);
    const quint32 docs = add(home, "docs", Entry::Dir, 210);
    const quint32 music = add(home, "music", Entry::Dir, 230);
    table.entries[home].setChildren(docs, 2);
    const quint32 old = add(docs, "old", Entry::Dir, 220);
    const quint32 gone = add(docs, "gone.txt", 0, 500);
    table.entries[docs].setChildren(old, 2);
    table.extraChildren[old].append(add(old, "letter.txt", 0, 400));
    table.extraChildren[music].append(add(music, "song \xc3\xa9.mp3", 0, 600));
    table.rename(old, music, "kept", ContentTypes::kFolder); // still inside the range of docs
    table.remove(gone);

    QTemporaryDir dir;
    const QString path = dir.path() + "/cache/index.snapshot";
    const QString fingerprint = "roots=/\nexcluded=";
    ASSERT_TRUE(Snapshot::save(table, path, fingerprint));
    auto mapped = MappedSnapshot::open(path, fingerprint);
    ASSERT_TRUE(mapped);
    const IndexView v = mapped->view();
    ASSERT_TRUE(v.recordPaths);
    QStringList spelled;
    for (quint64 r = 0; r < v.recordCount; ++r) {
        const quint32 entry = v.records[r].entry;
        QByteArray bytes;
        if (entry == kNoEntry || !v.recordPath(r, &bytes)) continue;
        EXPECT_EQ(bytes, v.pathBytes(entry)) << r;
        spelled << QString::fromUtf8(bytes);
    }
    const QStringList want =
        QString::fromUtf8("/etc|/etc/hosts|/home/u/docs|/home/u/music|/home/u/music/kept|"
                          "/home/u/music/kept/letter.txt|/home/u/music/song \xc3\xa9.mp3")
            .split(QLatin1Char('|'));
    EXPECT_EQ(sorted(spelled), sorted(want)) << "every live entry but the roots, each once";
}

TEST(Snapshot, FirstFormatDamagedOrHostileFilesAreUpgradedRefusedOrReadWithinBounds) {
    Tree tree;
    buildTree(tree);
    writeSnapshot(tree.config());
    const QByteArray good = readFile(tree.cache());
    const Format::Header h = headerOf(good);
    const QString fp = FileIndex(tree.config()).config().fingerprint(); // the cache folder is left out
    using S = Format::Section;

    // Refused by the mapped reader itself (so also by the full one), header hash made to match.
    auto rewritten = [&](const auto& edit) {
        Format::Header x = h;
        edit(x);
        return withHeader(good, x, false);
    };
    auto flipped = [&](qsizetype at) {
        QByteArray bytes = good;
        bytes[at] = char(bytes[at] ^ 1);
        return bytes;
    };
    const std::pair<const char*, QByteArray> refused[] = {
        {"cut short", good.left(good.size() / 2)},
        {"cut to a header", good.left(sizeof h)},
        {"wrong entry count", rewritten([](auto& x) { x.entryCount += 1; })},
        {"offset past the end",
         rewritten([&](auto& x) { x.sections[S::Names].offset = quint64(good.size()) + 8; })},
        {"last name without terminator", rewritten([](auto& x) { x.sections[S::Folded].size -= 1; })},
        {"torn", flipped(good.size() - 1)}, // the trailer's nonce
        {"damaged header", flipped(40)}};   // hash not redone
    for (const auto& [what, bytes] : refused) {
        writeAll(tree.cache(), bytes);
        QString why;
        EXPECT_EQ(MappedSnapshot::open(tree.cache(), fp, &why), nullptr) << what;
        EXPECT_FALSE(why.isEmpty()) << what;
        IndexTable table;
        EXPECT_FALSE(Snapshot::load(table, tree.cache(), fp)) << what;
    }

    // Hash-matching bodies whose arrays lie: refused when loaded; mapped, queries stay inside the file.
    auto patched = [&](auto edit) {
        QByteArray bytes = good;
        auto* entries = reinterpret_cast<Entry*>(bytes.data() + h.sections[S::Entries].offset);
        auto* records = reinterpret_cast<FoldRecord*>(bytes.data() + h.sections[S::Records].offset);
        edit(entries, records, h.entryCount, h.sections[S::Records].size / sizeof(FoldRecord));
        return withHeader(bytes, h, true);
    };
    const std::pair<const char*, QByteArray> hostile[] = {
        {"parent out of range",
         patched([](Entry* e, FoldRecord*, quint32 n, quint64) { e[n - 1].parent = n + 5; })},
        {"name past the end",
         patched([](Entry* e, FoldRecord*, quint32 n, quint64) { e[n / 2].nameOff = 0xfffffff0u; })},
        {"parent loop", patched([](Entry* e, FoldRecord*, quint32 n, quint64) {
             e[n - 1].parent = n - 2;
             e[n - 2].parent = n - 1;
         })},
        {"records out of order", patched([](Entry*, FoldRecord* r, quint32, quint64 count) {
             std::swap(r[1].off, r[count - 2].off);
             r[3].off = 0xfffffff0u;
         })},
        {"record of no entry",
         patched([](Entry*, FoldRecord* r, quint32 n, quint64 count) { r[count / 2].entry = n + 100; })},
        {"folder children past the end",
         patched([](Entry* e, FoldRecord*, quint32, quint64) { e[0].setChildren(0xfffffff0u, 0xffff); })}};
    for (const auto& [what, bytes] : hostile) {
        writeAll(tree.cache(), bytes);
        IndexTable table;
        QString why;
        EXPECT_FALSE(Snapshot::load(table, tree.cache(), fp, &why)) << what;
        auto mapped = MappedSnapshot::open(tree.cache(), fp, &why);
        ASSERT_NE(mapped, nullptr) << what << ": " << qPrintable(why);
        const IndexView v = mapped->view(true);
        for (quint32 i = 0; i < v.entryCount; ++i)
            EXPECT_LE(v.pathBytes(i).size(), 4096 * 256) << what;
        EXPECT_EQ(v.find("/nowhere/at/all"), kNoEntry) << what;
        (void)v.children(0);
        auto index = FileIndex::openShared(tree.config());
        for (const auto& pattern : {"*", "*notes*", "*n*t*s*"}) {
            const IndexQuerySpec spec{.namePatterns = {pattern},
                                      .contentTypes = {"public.data"},
                                      .scopes = {tree.root() + "/docs 1"}};
            EXPECT_LE(run(*index, spec).paths.size(), 300) << what;
        }
    }

    // Loading reads the whole body, so finds it damaged; a sound snapshot of other roots is refused too.
    writeAll(tree.cache(), flipped(good.size() / 2));
    EXPECT_FALSE(FileIndex(tree.config()).loadSnapshot());
    writeAll(tree.cache(), good);
    IndexConfig other = tree.config();
    other.roots = {tree.root() + "/docs 1"};
    EXPECT_FALSE(FileIndex(other).loadSnapshot());
    EXPECT_TRUE(FileIndex(tree.config()).loadSnapshot());

    // Refused: crawled anew; the first format: loaded. Either is written in the current format, then mapped.
    const QStringList want = sorted(find(*FileIndex::openShared(tree.config()), {"*notes*"}));
    ASSERT_EQ(want.size(), 40);
    IndexTable table;
    ASSERT_TRUE(Snapshot::load(table, tree.cache(), fp));
    const std::pair<const char*, QByteArray> older[] = {{"refused", refused[0].second},
                                                        {"first format", versionOne(table, fp)}};
    for (const auto& [what, bytes] : older) {
        writeAll(tree.cache(), bytes);
        auto upgraded = FileIndex::openShared(tree.config());
        EXPECT_FALSE(upgraded->isMapped()) << what;
        EXPECT_EQ(sorted(find(*upgraded, {"*notes*"})), want) << what;
        EXPECT_EQ(headerOf(readFile(tree.cache())).version, Format::kVersion) << what;
        auto again = FileIndex::openShared(tree.config());
        EXPECT_TRUE(again->isMapped()) << what;
        EXPECT_EQ(sorted(find(*again, {"*notes*"})), want) << what;
    }
}
