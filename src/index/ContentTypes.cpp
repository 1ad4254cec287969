#include "index/ContentTypes.h"

#include <QFile>
#include <QHash>
#include <QMimeDatabase>
#include <QMutex>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

namespace zarvo::index::ContentTypes {

namespace {

// MIME types whose identifier is well known. Types not listed get a dynamic identifier and inherit
// through their MIME parents and their media type.
const QHash<QString, QString>& mimeToIdentifier() {
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        const char* pairs[][2] = {
            {"inode/directory", "public.folder"},
            {"application/octet-stream", "public.data"},
            {"text/plain", "public.plain-text"},
            {"text/markdown", "net.daringfireball.markdown"},
            {"text/x-markdown", "net.daringfireball.markdown"},
            {"application/rtf", "public.rtf"},
            {"text/rtf", "public.rtf"},
            {"text/html", "public.html"},
            {"application/xml", "public.xml"},
            {"text/xml", "public.xml"},
            {"application/json", "public.json"},
            {"text/csv", "public.comma-separated-values-text"},
            {"text/tab-separated-values", "public.tab-separated-values-text"},
            {"application/pdf", "com.adobe.pdf"},
            {"application/vnd.openxmlformats-officedocument.wordprocessingml.document",
             "org.openxmlformats.wordprocessingml.document"},
            {"application/msword", "com.microsoft.word.doc"},
            {"application/vnd.apple.pages", "com.apple.iwork.pages.sffpages"},
            {"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet",
             "org.openxmlformats.spreadsheetml.sheet"},
            {"application/vnd.ms-excel", "com.microsoft.excel.xls"},
            {"application/vnd.apple.numbers", "com.apple.iwork.numbers.sffnumbers"},
            {"application/vnd.openxmlformats-officedocument.presentationml.presentation",
             "org.openxmlformats.presentationml.presentation"},
            {"application/vnd.ms-powerpoint", "com.microsoft.powerpoint.ppt"},
            {"application/vnd.apple.keynote", "com.apple.iwork.keynote.sffkey"},
            {"application/vnd.oasis.opendocument.text", "org.oasis-open.opendocument.text"},
            {"application/vnd.oasis.opendocument.spreadsheet", "org.oasis-open.opendocument.spreadsheet"},
            {"application/vnd.oasis.opendocument.presentation", "org.oasis-open.opendocument.presentation"},
            {"image/png", "public.png"},
            {"image/jpeg", "public.jpeg"},
            {"image/gif", "com.compuserve.gif"},
            {"image/tiff", "public.tiff"},
            {"image/bmp", "com.microsoft.bmp"},
            {"image/webp", "org.webmproject.webp"},
            {"image/heif", "public.heif"},
            {"image/heic", "public.heic"},
            {"image/svg+xml", "public.svg-image"},
            {"image/x-icon", "com.microsoft.ico"},
            {"image/vnd.microsoft.icon", "com.microsoft.ico"},
            {"video/mp4", "public.mpeg-4"},
            {"video/quicktime", "com.apple.quicktime-movie"},
            {"video/x-msvideo", "public.avi"},
            {"video/x-matroska", "org.matroska.mkv"},
            {"video/webm", "org.webmproject.webm"},
            {"video/mpeg", "public.mpeg"},
            {"audio/mpeg", "public.mp3"},
            {"audio/mp4", "public.mpeg-4-audio"},
            {"audio/flac", "org.xiph.flac"},
            {"audio/x-wav", "com.microsoft.waveform-audio"},
            {"audio/wav", "com.microsoft.waveform-audio"},
            {"audio/ogg", "org.xiph.ogg-audio"},
            {"audio/x-vorbis+ogg", "org.xiph.ogg-audio"},
            {"application/zip", "public.zip-archive"},
            {"application/x-tar", "public.tar-archive"},
            {"application/gzip", "org.gnu.gnu-zip-archive"},
            {"application/x-compressed-tar", "org.gnu.gnu-zip-tar-archive"},
            {"application/x-bzip", "public.bzip2-archive"},
            {"application/x-bzip2", "public.bzip2-archive"},
            {"application/x-bzip-compressed-tar", "public.tar-bzip2-archive"},
            {"application/x-xz", "org.tukaani.xz-archive"},
            {"application/x-xz-compressed-tar", "org.tukaani.tar-xz-archive"},
            {"application/zstd", "org.facebook.zstandard-archive"},
            {"application/x-zstd-compressed-tar", "org.facebook.tar-zstandard-archive"},
            {"application/x-7z-compressed", "org.7-zip.7-zip-archive"},
            {"application/vnd.rar", "com.rarlab.rar-archive"},
            {"application/x-rar", "com.rarlab.rar-archive"},
            {"application/x-rar-compressed", "com.rarlab.rar-archive"},
            {"application/java-archive", "com.sun.java-archive"},
            {"application/x-app-bundle-folder", "com.apple.application-bundle"},
            {"application/x-desktop", "org.freedesktop.desktop-entry"},
            {"application/vnd.appimage", "org.appimage.appimage"},
            {"application/x-iso9660-appimage", "org.appimage.appimage"},
            {"application/x-shellscript", "public.shell-script"},
            {"text/x-python", "public.python-script"},
            {"text/x-python3", "public.python-script"},
            {"application/x-perl", "public.perl-script"},
            {"application/x-ruby", "public.ruby-script"},
            {"application/x-php", "public.php-script"},
            {"text/x-lua", "org.lua.lua-script"},
            {"application/javascript", "com.netscape.javascript-source"},
            {"text/javascript", "com.netscape.javascript-source"},
            {"text/x-csrc", "public.c-source"},
            {"text/x-chdr", "public.c-header"},
            {"text/x-c++src", "public.c-plus-plus-source"},
            {"text/x-c++hdr", "public.c-plus-plus-header"},
            {"text/x-java", "com.sun.java-source"},
            {"text/x-go", "org.golang.go-source"},
            {"text/rust", "org.rust-lang.rust-source"},
            {"text/x-csharp", "com.microsoft.c-sharp-source"},
            {"text/x-kotlin", "org.kotlinlang.kotlin-source"},
            {"text/x-swift", "public.swift-source"},
        };
        for (const auto& p : pairs)
            t.insert(QString::fromLatin1(p[0]), QString::fromLatin1(p[1]));
        return t;
    }();
    return table;
}

// The conformance of the well-known identifiers (direct parents).
const QHash<QString, QStringList>& identifierParents() {
    static const QHash<QString, QStringList> table = [] {
        QHash<QString, QStringList> t;
        auto add = [&t](const char* id, std::initializer_list<const char*> parents) {
            QStringList list;
            for (auto p : parents)
                list << QString::fromLatin1(p);
            t.insert(QString::fromLatin1(id), list);
        };
        add("public.item", {});
        add("public.content", {"public.item"});
        add("public.data", {"public.item"});
        add("public.directory", {"public.item"});
        add("public.folder", {"public.directory"});
        add("public.composite-content", {"public.content"});
        add("public.text", {"public.data", "public.content"});
        add("public.plain-text", {"public.text"});
        add("public.utf8-plain-text", {"public.plain-text"});
        add("net.daringfireball.markdown", {"public.plain-text"});
        add("public.rtf", {"public.text"});
        add("public.html", {"public.text"});
        add("public.xml", {"public.text"});
        add("public.json", {"public.text"});
        add("public.delimited-values-text", {"public.text"});
        add("public.comma-separated-values-text", {"public.delimited-values-text"});
        add("public.tab-separated-values-text", {"public.delimited-values-text"});
        add("public.source-code", {"public.plain-text"});
        add("public.script", {"public.source-code"});
        add("public.shell-script", {"public.script"});
        add("public.python-script", {"public.script"});
        add("public.perl-script", {"public.script"});
        add("public.ruby-script", {"public.script"});
        add("public.php-script", {"public.script"});
        add("org.lua.lua-script", {"public.script"});
        add("com.netscape.javascript-source", {"public.source-code", "public.script"});
        add("public.c-source", {"public.source-code"});
        add("public.c-header", {"public.source-code"});
        add("public.c-plus-plus-source", {"public.source-code"});
        add("public.c-plus-plus-header", {"public.source-code"});
        add("com.sun.java-source", {"public.source-code"});
        add("org.golang.go-source", {"public.source-code"});
        add("org.rust-lang.rust-source", {"public.source-code"});
        add("com.microsoft.c-sharp-source", {"public.source-code"});
        add("org.kotlinlang.kotlin-source", {"public.source-code"});
        add("public.swift-source", {"public.source-code"});
        add("com.adobe.pdf", {"public.data", "public.composite-content"});
        add("org.openxmlformats.wordprocessingml.document", {"public.data", "public.composite-content"});
        add("com.microsoft.word.doc", {"public.data", "public.composite-content"});
        add("com.apple.iwork.pages.sffpages", {"public.data", "public.composite-content"});
        add("org.oasis-open.opendocument.text", {"public.data", "public.composite-content"});
        add("public.spreadsheet", {"public.content"});
        add("org.openxmlformats.spreadsheetml.sheet", {"public.data", "public.spreadsheet"});
        add("com.microsoft.excel.xls", {"public.data", "public.spreadsheet"});
        add("com.apple.iwork.numbers.sffnumbers", {"public.data", "public.spreadsheet"});
        add("org.oasis-open.opendocument.spreadsheet", {"public.data", "public.spreadsheet"});
        add("public.presentation", {"public.composite-content"});
        add("org.openxmlformats.presentationml.presentation", {"public.data", "public.presentation"});
        add("com.microsoft.powerpoint.ppt", {"public.data", "public.presentation"});
        add("com.apple.iwork.keynote.sffkey", {"public.data", "public.presentation"});
        add("org.oasis-open.opendocument.presentation", {"public.data", "public.presentation"});
        add("public.image", {"public.data", "public.content"});
        for (auto id :
             {"public.png", "public.jpeg", "com.compuserve.gif", "public.tiff", "com.microsoft.bmp",
              "org.webmproject.webp", "public.heif", "public.heic", "public.svg-image", "com.microsoft.ico"})
            add(id, {"public.image"});
        add("public.audiovisual-content", {"public.data", "public.content"});
        add("public.movie", {"public.audiovisual-content"});
        for (auto id : {"public.mpeg-4", "com.apple.quicktime-movie", "public.avi", "org.matroska.mkv",
                        "org.webmproject.webm", "public.mpeg"})
            add(id, {"public.movie"});
        add("public.audio", {"public.audiovisual-content"});
        for (auto id : {"public.mp3", "public.mpeg-4-audio", "org.xiph.flac", "com.microsoft.waveform-audio",
                        "org.xiph.ogg-audio"})
            add(id, {"public.audio"});
        add("public.archive", {"public.data"});
        add("public.zip-archive", {"public.archive"});
        add("com.sun.java-archive", {"public.zip-archive"});
        for (auto id :
             {"public.tar-archive", "org.gnu.gnu-zip-archive", "org.gnu.gnu-zip-tar-archive",
              "public.bzip2-archive", "public.tar-bzip2-archive", "org.tukaani.xz-archive",
              "org.tukaani.tar-xz-archive", "org.facebook.zstandard-archive",
              "org.facebook.tar-zstandard-archive", "org.7-zip.7-zip-archive", "com.rarlab.rar-archive"})
            add(id, {"public.archive"});
        add("public.executable", {"public.item"});
        add("com.apple.application", {"public.executable"});
        add("com.apple.application-bundle", {"com.apple.application", "public.directory"});
        // On Linux a desktop entry or an AppImage is what a user launches as an application.
        add("org.freedesktop.desktop-entry", {"com.apple.application-bundle", "public.data"});
        add("org.appimage.appimage", {"com.apple.application-bundle", "public.data"});
        return t;
    }();
    return table;
}

// Heuristic for MIME types the table does not name: source files (text/x-*src, *hdr) and scripts.
QString dynamicParent(const QString& mime) {
    if (mime.endsWith(QLatin1String("src")) || mime.endsWith(QLatin1String("hdr")))
        return QStringLiteral("public.source-code");
    if (mime.endsWith(QLatin1String("script"))) return QStringLiteral("public.script");
    if (mime.startsWith(QLatin1String("image/"))) return QStringLiteral("public.image");
    if (mime.startsWith(QLatin1String("video/"))) return QStringLiteral("public.movie");
    if (mime.startsWith(QLatin1String("audio/"))) return QStringLiteral("public.audio");
    if (mime.startsWith(QLatin1String("text/"))) return QStringLiteral("public.text");
    return {};
}

void closure(const QString& id, QStringList& out) {
    if (out.contains(id)) return;
    out << id;
    for (const auto& parent : identifierParents().value(id))
        closure(parent, out);
}

struct TypeInfo {
    QString mime;
    QString identifier;
    QStringList conformance;
};

// True when `name` could match the glob `pattern` (both lower case). '?' and bracket expressions are
// taken as '*': this errs towards a match, which the MIME database then decides.
bool mayMatch(QStringView pattern, QStringView name) {
    qsizetype p = 0, n = 0, star = -1, resume = 0;
    auto isWild = [](QChar c) { return c == u'*' || c == u'?' || c == u'['; };
    auto skipWild = [&](qsizetype at) {
        while (at < pattern.size() && isWild(pattern[at])) {
            if (pattern[at] == u'[') {
                const auto close = pattern.indexOf(u']', at + 2); // "[]…]" holds a ']'
                at = close < 0 ? pattern.size() : close;
            }
            ++at;
        }
        return at;
    };
    while (n < name.size()) {
        if (p < pattern.size() && isWild(pattern[p])) {
            p = skipWild(p);
            star = p;
            resume = n;
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++p;
            ++n;
        } else if (star >= 0) {
            p = star;
            n = ++resume;
        } else {
            return false;
        }
    }
    return skipWild(p) == pattern.size();
}

// A glob with a '.' outside its bracket expressions matches only names holding one.
bool needsDot(QStringView glob) {
    for (qsizetype i = 0; i < glob.size(); ++i) {
        if (glob[i] == u'.') return true;
        if (glob[i] == u'[') {
            const auto close = glob.indexOf(u']', i + 2);
            if (close < 0) return false;
            i = close;
        }
    }
    return false;
}

struct Registry {
    QMutex mutex;
    std::vector<TypeInfo> types;
    QHash<QString, TypeId> byMime;
    QHash<QByteArray, TypeId> byKey;
    QMimeDatabase db;
    // The database's globs a name without a dot can match, lower-cased; read at the first such name.
    // None when they could not all be read: the database is then asked about every name.
    std::optional<std::optional<QStringList>> dotFreeGlobs;

    Registry() {
        registerMime(QStringLiteral("application/octet-stream"));
        registerMime(QStringLiteral("inode/directory"));
    }

    // Caller holds the mutex (or is the constructor).
    TypeId registerMime(const QString& mime) {
        if (auto it = byMime.constFind(mime); it != byMime.constEnd()) return *it;
        if (types.size() >= 0xffff) return kUnknown;
        TypeInfo info;
        info.mime = mime;
        const auto& known = mimeToIdentifier();
        if (auto it = known.constFind(mime); it != known.constEnd()) {
            info.identifier = *it;
            closure(info.identifier, info.conformance);
        } else {
            info.identifier = QStringLiteral("dyn.mime.") + mime;
            info.conformance << info.identifier;
            QStringList parents;
            if (auto p = dynamicParent(mime); !p.isEmpty()) parents << p;
            // Only plain-text ancestry is trusted: many formats are zip or XML inside without being
            // archives or XML documents to the user.
            const auto type = db.mimeTypeForName(mime);
            if (type.isValid() && type.inherits(QStringLiteral("text/plain")))
                parents << QStringLiteral("public.plain-text");
            parents << QStringLiteral("public.data");
            for (const auto& p : parents)
                closure(p, info.conformance);
        }
        const auto id = TypeId(types.size());
        types.push_back(std::move(info));
        byMime.insert(mime, id);
        return id;
    }

    // Whether the database may know a type for a name without a dot. Most such names match no glob,
    // and asking the database costs a regular expression compiled per glob and name (a tenth of a
    // crawl of a home folder). Caller holds the mutex.
    bool mayKnowDotFree(const QString& name) {
        if (!dotFreeGlobs) dotFreeGlobs = readDotFreeGlobs();
        if (!*dotFreeGlobs) return true;
        const QStringList& globs = **dotFreeGlobs;
        const QString lower = name.toLower();
        return std::any_of(globs.cbegin(), globs.cend(),
                           [&](const QString& glob) { return mayMatch(glob, lower); });
    }

    // From the globs2 files beside the caches the database reads (the same folders, in QStandardPaths'
    // order), not through QMimeType::globPatterns(), which loads every type whole (megabytes).
    static std::optional<QStringList> readDotFreeGlobs() {
        QStringList globs;
        const QStringList folders = QStandardPaths::locateAll(
            QStandardPaths::GenericDataLocation, QStringLiteral("mime"), QStandardPaths::LocateDirectory);
        for (const QString& folder : folders) {
            QFile file(folder + QStringLiteral("/globs2"));
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
                // Types the database reads here (its cache, or the packages themselves) are not known.
                if (QFile::exists(folder + QStringLiteral("/mime.cache")) ||
                    QFile::exists(folder + QStringLiteral("/packages")))
                    return std::nullopt;
                continue;
            }
            while (!file.atEnd()) {
                const QByteArray line = file.readLine().trimmed();
                if (line.isEmpty() || line.startsWith('#')) continue;
                const QString glob = QString::fromUtf8(line.split(':').value(2));
                if (!glob.isEmpty() && !needsDot(glob)) globs.append(glob.toLower());
            }
        }
        // None read: the database falls back on its built-in types, which only it knows.
        if (globs.isEmpty()) return std::nullopt;
        return globs;
    }
};

Registry& registry() {
    static Registry r;
    return r;
}

bool isCompressionSuffix(QByteArrayView s) {
    for (auto c : {"gz", "bz2", "xz", "zst", "z", "lz", "lzma", "lz4"})
        if (s == QByteArrayView(c)) return true;
    return false;
}

} // namespace

QByteArray cacheKey(QByteArrayView name) {
    const auto dot = name.lastIndexOf('.');
    if (dot <= 0) {
        // Names without an extension (Makefile, README): the whole name, when short.
        if (name.size() > 24) return {};
        return QByteArray("/") + name.toByteArray().toLower();
    }
    QByteArray key = name.sliced(dot + 1).toByteArray().toLower();
    if (key.size() > 16) return {};
    if (isCompressionSuffix(key)) {
        const auto prev = name.first(dot).lastIndexOf('.');
        if (prev > 0) key = name.sliced(prev + 1).toByteArray().toLower();
    }
    return key;
}

TypeId forFileName(QByteArrayView utf8Name, bool isDir) {
    auto& r = registry();
    if (isDir) {
        if (utf8Name.endsWith(".app")) {
            QMutexLocker lock(&r.mutex);
            return r.registerMime(QStringLiteral("application/x-app-bundle-folder"));
        }
        return kFolder;
    }
    const QByteArray key = cacheKey(utf8Name);
    QMutexLocker lock(&r.mutex);
    if (!key.isEmpty())
        if (auto it = r.byKey.constFind(key); it != r.byKey.constEnd()) return *it;
    const QString name = QString::fromUtf8(utf8Name);
    TypeId id = kUnknown; // what the database answers for a name no glob matches
    if (utf8Name.contains('.') || r.mayKnowDotFree(name)) {
        const auto mime = r.db.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
        id = r.registerMime(mime.isValid() ? mime.name() : QStringLiteral("application/octet-stream"));
    }
    if (!key.isEmpty() && r.byKey.size() < 65536) r.byKey.insert(key, id);
    return id;
}

TypeId forMimeName(const QString& mime) {
    auto& r = registry();
    QMutexLocker lock(&r.mutex);
    return r.registerMime(mime);
}

QString mimeName(TypeId id) {
    auto& r = registry();
    QMutexLocker lock(&r.mutex);
    return id < r.types.size() ? r.types[id].mime : QString();
}

QString identifier(TypeId id) {
    auto& r = registry();
    QMutexLocker lock(&r.mutex);
    return id < r.types.size() ? r.types[id].identifier : QString();
}

QStringList conformance(TypeId id) {
    auto& r = registry();
    QMutexLocker lock(&r.mutex);
    return id < r.types.size() ? r.types[id].conformance : QStringList();
}

std::vector<bool> conformingIds(const QStringList& identifiers) {
    auto& r = registry();
    QMutexLocker lock(&r.mutex);
    std::vector<bool> out(r.types.size(), false);
    for (size_t i = 0; i < r.types.size(); ++i)
        for (const auto& want : identifiers)
            if (r.types[i].conformance.contains(want)) {
                out[i] = true;
                break;
            }
    return out;
}

} // namespace zarvo::index::ContentTypes
