#include "platform/linux/InstanceLock.h"
#include "fakes/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace zarvo;
using namespace zarvo::linux_;

TEST(InstanceLock, OneInstancePerIdentifierAndUserInTheRuntimeFolder) {
    QTemporaryDir root;
    fakes::FakeEnvironment env;
    env.identifier = QStringLiteral("com.velorin.zarvo.locktest");
    env.temp = root.filePath(QStringLiteral("tmp"));
    QDir().mkpath(env.temp);
    const QString suffix = QStringLiteral("/com.velorin.zarvo.locktest-%1").arg(::getuid());
    EXPECT_EQ(InstanceLock::serverName(env), env.temp + suffix); // no runtime folder
    env.vars.insert(QStringLiteral("XDG_RUNTIME_DIR"), root.filePath(QStringLiteral("missing")));
    EXPECT_EQ(InstanceLock::serverName(env), env.temp + suffix);
    const QString runtime = root.filePath(QStringLiteral("run"));
    QDir().mkpath(runtime);
    env.vars.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    EXPECT_EQ(InstanceLock::serverName(env), runtime + suffix);

    EXPECT_FALSE(InstanceLock::isRunning(env, 200));
    auto first = std::make_unique<InstanceLock>(env);
    ASSERT_TRUE(first->acquire());
    EXPECT_TRUE(first->isHeld());
    EXPECT_TRUE(InstanceLock::isRunning(env, 200));
    InstanceLock second(env);
    EXPECT_FALSE(second.acquire());
    EXPECT_FALSE(second.isHeld());

    // Another identifier (a test build beside the real one) is another instance.
    fakes::FakeEnvironment other = env;
    other.identifier = QStringLiteral("com.velorin.zarvo.other");
    EXPECT_FALSE(InstanceLock::isRunning(other, 200));

    first.reset();
    EXPECT_FALSE(InstanceLock::isRunning(env, 200));
    EXPECT_TRUE(second.acquire());
}

TEST(InstanceLock, WhatACrashLeftBehindDoesNotBlock) {
    QTemporaryDir root;
    fakes::FakeEnvironment env;
    env.identifier = QStringLiteral("com.velorin.zarvo.locktest");
    env.temp = root.path();
    // A socket file nobody listens on any more, as a killed instance leaves it.
    const QByteArray name = QFile::encodeName(InstanceLock::serverName(env));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(std::size_t(name.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, name.constData(), name.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(QFile::decodeName(name)));

    EXPECT_FALSE(InstanceLock::isRunning(env, 200));
    InstanceLock lock(env);
    EXPECT_TRUE(lock.acquire());
    EXPECT_TRUE(InstanceLock::isRunning(env, 200));
}
