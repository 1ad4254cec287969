#include "app/Updater.h"
#include "app/LazyModules.h"
#include "app/UpdateDialogs.h"

#include "fakes/EventLoop.h"
#include "fakes/FakePlatform.h"
#include "fakes/Files.h"
#include "platform/linux/LinuxInstallation.h"
#include "store/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>
#include <memory>
#include <openssl/evp.h>
#include <optional>

using namespace Qt::StringLiterals;
using zarvo::app::Updater;
using zarvo::app::Appcast::Item;

namespace {

// A web server on 127.0.0.1 that answers each path with a canned reply.
class TinyServer : public QObject {
public:
    QHash<QString, QByteArray> replies; // path → the whole HTTP reply
    QList<QByteArray> requests;         // as they came
    TinyServer() {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray request = socket->readAll();
                    requests << request;
                    const QString path = QString::fromLatin1(request.split(' ').value(1));
                    socket->write(replies.value(path, "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n"));
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString base() const { return u"http://127.0.0.1:%1"_s.arg(server.serverPort()); }
    void serve(const QString& path, const QByteArray& body, const QByteArray& headers = {}) {
        replies[path] = "HTTP/1.1 200 OK\r\n" + headers +
                        "Content-Length: " + QByteArray::number(body.size()) +
                        "\r\nConnection: close\r\n\r\n" + body;
    }
    QTcpServer server;
};

struct Signer {
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key{EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"),
                                                            &EVP_PKEY_free};
    QByteArray publicKey() const {
        QByteArray raw(32, 0);
        size_t size = 32;
        EVP_PKEY_get_raw_public_key(key.get(), reinterpret_cast<unsigned char*>(raw.data()), &size);
        return raw;
    }
    QByteArray sign(const QByteArray& data) const {
        std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
        EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key.get());
        QByteArray signature(64, 0);
        size_t size = 64;
        EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()), &size,
                       reinterpret_cast<const unsigned char*>(data.constData()), size_t(data.size()));
        return signature;
    }
};

// The real installation in a sandbox home, running from the test's folder, quitting or starting nothing.
class SandboxInstallation : public zarvo::linux_::LinuxInstallation {
public:
    explicit SandboxInstallation(const zarvo::Environment& environment)
        : LinuxInstallation(environment), m_trash(environment.dataHome() + "/Trash/files/") {}
    const QString m_trash;
    QString running;
    QStringList opened;
    QString runningFolder() const override { return running; }
    void quitOtherCopies() override {}
    // GLib's Trash is the process's own; the sandbox keeps one of its own.
    std::optional<QString> moveToTrash(const QString& path) override {
        const QString trash = m_trash + QFileInfo(path).fileName();
        QDir().mkpath(QFileInfo(trash).path());
        if (!QDir().rename(path, trash)) return "cannot trash";
        return std::nullopt;
    }
    std::optional<QString> open(const QString& folder, const QStringList& arguments) override {
        opened << folder + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
        return std::nullopt;
    }
};

void writeCopy(const QString& folder, const QByteArray& build) {
    zarvo::testing::writeFile(folder + "/Info.json",
                              "{\"CFBundleIdentifier\": \"com.velorin.zarvo\", \"CFBundleVersion\": \"" +
                                  build + "\", \"CFBundleShortVersionString\": \"2." + build + "\"}");
    zarvo::testing::writeFile(folder + "/zarvo", "#!/bin/sh\n");
    QFile::setPermissions(folder + "/zarvo",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A feed with an older item and build `build` of `url` for Linux (and one for the Mac).
QByteArray feedFor(const QString& url, const QByteArray& build, qint64 length, const QByteArray& signature,
                   const QByteArray& prolog = {}) {
    return QString(R"(<?xml version="1.0"?>%1
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle"><channel>
<item><title>Old</title><sparkle:version>3</sparkle:version>
<enclosure url="%2" length="1" sparkle:os="linux" sparkle:edSignature="AA=="/></item>
<item><title>New</title><sparkle:version>%3</sparkle:version>
<sparkle:shortVersionString>2.%3</sparkle:shortVersionString>
<description><![CDATA[<p>Faster <b>search</b></p>]]></description>
<enclosure url="%2" length="%4" sparkle:os="linux" sparkle:edSignature="%5"/>
<enclosure url="https://example.invalid/mac.zip" length="5" sparkle:os="macos"/></item>
</channel></rss>)")
        .arg(QString::fromUtf8(prolog), url, QString::fromUtf8(build), QString::number(length),
             QString::fromLatin1(signature.toBase64()))
        .toUtf8();
}

struct UpdaterTest : ::testing::Test {
    zarvo::fakes::FakePlatform p;
    zarvo::UserDefaults defaults{p.defaults, "test.updater"};
    std::unique_ptr<SandboxInstallation> installation;
    TinyServer server;
    Signer signer;
    QByteArray archive;
    QStringList shown;
    bool quitCalled = false;

    void SetUp() override {
        // The signature check of this build, loaded from its module as the application loads it.
        zarvo::app::installLazyModules(
            [](const QString& name) { return QStringList{QStringLiteral(ZARVO_MODULE_DIR "/") + name}; });
        installation = std::make_unique<SandboxInstallation>(p.environment);
        installation->running = installation->destination();
        writeCopy(installation->destination(), "10");
        // The published build 11 as the portable archive.
        writeCopy(p.root.filePath("publish/Zarvo"), "11");
        QProcess::execute(
            "tar", {"-czf", p.root.filePath("update.tar.gz"), "-C", p.root.filePath("publish"), "Zarvo"});
        archive = zarvo::testing::readFile(p.root.filePath("update.tar.gz"));
        server.serve("/update.tar.gz", archive);
    }

    std::unique_ptr<Updater> updater(const QString& feedPath = "/appcast.xml") {
        auto made = std::make_unique<Updater>(
            Updater::Config{QUrl(server.base() + feedPath), signer.publicKey(), false}, defaults,
            installation.get());
        made->present = [this](const Updater::Found& found) {
            shown << (found.kind == Updater::Found::Kind::available  ? "available " + found.item.version
                      : found.kind == Updater::Found::Kind::upToDate ? "up to date"
                                                                     : "error " + found.error);
            return true;
        };
        made->presentError = [this](const QString& error) { shown << "error " + error; };
        made->quit = [this] { quitCalled = true; };
        return made;
    }

    // Serves a feed, runs the check the user asks for, and waits for its last word.
    QString run(const QByteArray& feed) {
        shown.clear();
        server.serve("/appcast.xml", feed);
        auto made = updater();
        made->checkForUpdates();
        zarvo::testing::waitUntil(
            [&] {
                return quitCalled ||
                       (!shown.isEmpty() && !shown.last().startsWith(QLatin1String("available")));
            },
            10000);
        return shown.join(" / ");
    }

    QString installedBuild() const { return *installation->info(installation->destination())->build; }
    // Nothing of a refused update stays beside the installed copy.
    QStringList leftovers() const {
        return QDir(QFileInfo(installation->destination()).path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
            .filter(".Zarvo");
    }
};

TEST_F(UpdaterTest, ASignedNewerBuildIsInstalledAndStarted) {
    const QString url = server.base() + "/update.tar.gz";
    EXPECT_EQ(run(feedFor(url, "11", archive.size(), signer.sign(archive))), "available 2.11");
    EXPECT_TRUE(quitCalled);
    EXPECT_EQ(installedBuild(), "11");
    EXPECT_EQ(installation->opened, QStringList{installation->destination() + " --installed"});
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(' ').toStdString();
    EXPECT_FALSE(QDir(p.environment.data + "/Trash/files")
                     .entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)
                     .isEmpty());
}

TEST_F(UpdaterTest, HostileFeedsAndDownloadsAreRefusedAndNothingIsInstalled) {
    const QString url = server.base() + "/update.tar.gz";
    const QByteArray good = signer.sign(archive);
    QByteArray tampered = archive;
    tampered[tampered.size() / 2] = char(tampered[tampered.size() / 2] ^ 1);
    server.serve("/tampered.tar.gz", tampered);
    server.replies["/elsewhere.tar.gz"] =
        "HTTP/1.1 302 Found\r\nLocation: http://localhost:" + QByteArray::number(server.server.serverPort()) +
        "/update.tar.gz\r\nContent-Length: 0\r\n\r\n";
    server.replies["/same.tar.gz"] =
        "HTTP/1.1 302 Found\r\nLocation: /tampered.tar.gz\r\nContent-Length: 0\r\n\r\n";
    server.serve("/huge.tar.gz", QByteArray(3 * 1024 * 1024, 'x'));

    const QByteArray bomb =
        "<!DOCTYPE rss [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>";
    const std::pair<QByteArray, const char*> cases[] = {
        {feedFor(url, "10", archive.size(), good), "up to date"},
        {feedFor(url, "9", archive.size(), good), "up to date"},
        {feedFor(server.base() + "/tampered.tar.gz", "11", archive.size(), good), "signature does not match"},
        {feedFor(server.base() + "/same.tar.gz", "11", archive.size(), good), "signature does not match"},
        {feedFor(url, "11", archive.size(), {}), "not signed"},
        {feedFor(url, "11", archive.size() + 1, good), "not the"},
        {feedFor(url, "11", archive.size() - 1, good), "larger than"},
        {feedFor(server.base() + "/huge.tar.gz", "11", 1024, good), "larger than"},
        {feedFor(server.base() + "/elsewhere.tar.gz", "11", archive.size(), good), "another place"},
        {feedFor("http://example.invalid/update.tar.gz", "11", archive.size(), good),
         "not offered over HTTPS"},
        {feedFor(url, "11", archive.size(), good, bomb), "declares a DTD"},
        {"<rss><channel><item>", "not readable"},
        {QByteArray(2 * 1024 * 1024, ' '), "larger than"},
    };
    for (const auto& [feed, expected] : cases) {
        const QString said = run(feed);
        EXPECT_TRUE(said.contains(QLatin1String(expected))) << expected << " — said: " << said.toStdString();
        EXPECT_FALSE(quitCalled) << expected;
        EXPECT_EQ(installedBuild(), "10") << expected;
        EXPECT_TRUE(leftovers().isEmpty()) << expected;
    }
    // Without its module the signature cannot be checked, and a well signed update is refused.
    zarvo::app::installLazyModules([&](const QString& name) { return QStringList{p.root.filePath(name)}; });
    const QString said = run(feedFor(url, "11", archive.size(), good));
    EXPECT_TRUE(said.contains("cannot be checked")) << said.toStdString();
    EXPECT_EQ(installedBuild(), "10");
    EXPECT_TRUE(leftovers().isEmpty());
    // A signed archive that holds another build than the feed says is refused too.
    auto made = updater();
    Item item{"12", "2.12", {}, QUrl(url), archive.size(), good};
    const auto error = made->install(archive, item);
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains("no Zarvo of build 12"));
    EXPECT_TRUE(leftovers().isEmpty());
}

TEST_F(UpdaterTest, ChecksAreOffUntilTurnedOnAndACopyThatCannotCheckSaysWhy) {
    auto made = updater();
    EXPECT_FALSE(made->automaticallyChecksForUpdates());
    made->setAutomaticallyChecksForUpdates(true);
    EXPECT_TRUE(updater()->automaticallyChecksForUpdates());
    EXPECT_EQ(made->unavailableReason(), QString());

    Updater packaged(Updater::Config{QUrl("https://updates.example/appcast.xml"), signer.publicKey(), true},
                     defaults, installation.get());
    EXPECT_EQ(packaged.unavailableReason(), "Updates come with your package manager");
    Updater unconfigured(Updater::Config{}, defaults, installation.get());
    EXPECT_EQ(unconfigured.unavailableReason(), "Update checks are not set up for this build");
    Updater plain(Updater::Config{QUrl("http://updates.example/appcast.xml"), signer.publicKey(), false},
                  defaults, installation.get());
    EXPECT_EQ(plain.unavailableReason(), "Update checks are not set up for this build");
    installation->running = p.root.filePath("build");
    EXPECT_EQ(made->unavailableReason(), "Only a copy installed from the portable folder updates itself");
}

TEST_F(UpdaterTest, FeedTextIsShownPlainAndNoCookieOrLanguageGoesBack) {
    const QString url = server.base() + "/update.tar.gz";
    QByteArray feed = feedFor(url, "11", archive.size(), signer.sign(archive));
    const QByteArray hostile =
        "<![CDATA[<a href=\"file:///etc/passwd\">2.11</a><img src=\"file:///x.png\">]]>"
        "\u202E" +
        QByteArray(3000, 'v');
    feed.replace("<sparkle:shortVersionString>2.11", "<sparkle:shortVersionString>" + hostile);
    server.serve("/appcast.xml", feed, "Set-Cookie: visitor=tracked; Path=/\r\n");
    auto made = updater();
    std::optional<Updater::Found> found;
    for (int check = 0; check < 2; ++check) {
        found.reset();
        made->check([&](Updater::Found f) { found = f; });
        ASSERT_TRUE(zarvo::testing::waitUntil([&] { return found.has_value(); }, 10000));
    }
    ASSERT_EQ(server.requests.size(), 2);
    const QByteArray second = server.requests.last().toLower();
    EXPECT_FALSE(second.contains("\r\ncookie:")) << second.toStdString();
    EXPECT_TRUE(second.contains("\r\naccept-language: *\r\n")) << second.toStdString();
    ASSERT_EQ(found->kind, Updater::Found::Kind::available);

    // Markup shows as the characters it is, cut short, without the reordering mark; no label links.
    const auto boxes = {zarvo::app::foundBox(*found, "2.10"),
                        zarvo::app::errorBox("<a href=\"file:///etc\">x</a>\x1b[2J\x07done")};
    for (const auto& box : boxes) {
        const auto labels = box->findChildren<QLabel*>();
        ASSERT_FALSE(labels.isEmpty());
        for (const QLabel* label : labels) {
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
            EXPECT_FALSE(label->openExternalLinks());
        }
        const QString informative = box->informativeText();
        EXPECT_TRUE(informative.contains("<a href=\"file:///")) << informative.toStdString();
        EXPECT_LT(informative.size(), 600);
        for (const QChar c : informative)
            EXPECT_TRUE(c.category() != QChar::Other_Control && c.category() != QChar::Other_Format);
    }
}

} // namespace
