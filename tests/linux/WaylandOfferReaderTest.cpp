#include "platform/wayland/OfferReader.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <unistd.h>

using namespace zarvo::wayland;
using Outcome = ClipboardRead::Outcome;

namespace {

// An owner that answers each type from `answers` at once (the pipe holds it) and closes its end.
struct Owner {
    QHash<QByteArray, QByteArray> answers;
    QList<QByteArray> asked;
    int keptOpen = -1; // the write end of a type it never finishes

    std::function<void(const QByteArray&, int)> receive() {
        return [this](const QByteArray& mime, int fd) {
            asked << mime;
            if (mime == "application/x-never-ends") {
                keptOpen = ::dup(fd);
                return;
            }
            const QByteArray bytes = answers.value(mime);
            EXPECT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
        };
    }
    ~Owner() {
        if (keptOpen >= 0) ::close(keptOpen);
    }
};

ReadPolicy policy(qint64 perType, qint64 total, int deadlineMs, QList<std::pair<QByteArray, qint64>> wanted) {
    return {perType, total, deadlineMs, [wanted](const QStringList&) { return wanted; }};
}

} // namespace

TEST(WaylandOfferReader, ReadsTheWantedOfferedTypesAndLeavesSecretsUnread) {
    const QStringList offered{"text/plain;charset=utf-8", "text/html", "application/x-office"};
    Owner owner;
    owner.answers = {{"text/plain;charset=utf-8", "héllo"}, {"text/html", "<b>héllo</b>"}};
    const auto read = readOffer(
        offered, owner.receive(),
        policy(1000, 2000, 1000, {{"text/plain;charset=utf-8", 0}, {"image/png", 0}, {"text/html", 0}}));
    EXPECT_EQ(read.outcome, Outcome::Read);
    // A wanted type that is not offered is never asked for.
    EXPECT_EQ(owner.asked, (QList<QByteArray>{"text/plain;charset=utf-8", "text/html"}));
    EXPECT_EQ(read.data.value("text/plain;charset=utf-8"), QByteArray("héllo"));

    // Either marker, whatever its value: nothing of the copy is read.
    for (const char* marker : {"x-kde-passwordManagerHint", "text/x-kde-passwordManagerHint"}) {
        Owner secret;
        secret.answers = {{"text/plain;charset=utf-8", "hunter2"}};
        const auto hidden = readOffer({"text/plain;charset=utf-8", marker}, secret.receive(),
                                      policy(1000, 2000, 1000, {{"text/plain;charset=utf-8", 0}}));
        EXPECT_EQ(hidden.outcome, Outcome::Private) << marker;
        EXPECT_TRUE(secret.asked.isEmpty()) << marker;
        EXPECT_TRUE(hidden.data.isEmpty()) << marker;
    }
    Owner none;
    EXPECT_EQ(readOffer({}, none.receive(), policy(1000, 2000, 1000, {})).outcome, Outcome::Empty);
}

TEST(WaylandOfferReader, RefusesTooMuchAndGivesUpAtTheDeadline) {
    const QStringList offered{"text/plain", "text/html", "application/x-never-ends"};
    Owner big;
    big.answers = {{"text/plain", QByteArray(600, 'a')}, {"text/html", QByteArray(600, 'b')}};
    // Each alone is within its own limit; together they pass the whole copy's.
    auto read =
        readOffer(offered, big.receive(), policy(1000, 1000, 1000, {{"text/plain", 0}, {"text/html", 0}}));
    EXPECT_EQ(read.outcome, Outcome::TooLarge);
    EXPECT_TRUE(read.data.isEmpty());
    // A type's own maximum is below the general one.
    read = readOffer(offered, big.receive(), policy(1000, 5000, 1000, {{"text/plain", 100}}));
    EXPECT_EQ(read.outcome, Outcome::TooLarge);

    Owner stuck;
    stuck.answers = {{"text/plain", "quick"}};
    QElapsedTimer clock;
    clock.start();
    read = readOffer(offered, stuck.receive(),
                     policy(1000, 5000, 200, {{"text/plain", 0}, {"application/x-never-ends", 0}}));
    EXPECT_EQ(read.outcome, Outcome::TimedOut);
    EXPECT_GE(clock.elapsed(), 190);
    EXPECT_LT(clock.elapsed(), 1000);
}
