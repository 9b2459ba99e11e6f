// A second copy of the desktop program hands its file to the running copy over a local socket.

#include "platform/qt/QtFileHandOver.h"

#include "support/TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <gtest/gtest.h>
#include <vector>

namespace {

QCoreApplication& Application() {
    static int argc = 1;
    static char name[] = "handover_tests";
    static char* argv[] = {name, nullptr};
    static auto* application = new QCoreApplication(argc, argv);
    return *application;
}

// Lets the running copy's side take what was sent.
template <typename Done> bool Pump(Done done, int limitMs = 3000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < limitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

struct HandOver : ::testing::Test {
    QCoreApplication& application = Application();
    testsupport::TempDir dir;
    std::vector<std::filesystem::path> received;
};

TEST_F(HandOver, TheRunningCopyReceivesTheFullPathOfEachFile) {
    platform::QtFileHandOver running("vqn58.test", dir.Path(), [&](const auto& path) { received.push_back(path); });
    ASSERT_TRUE(running.Listening());
    const std::filesystem::path file = dir / "boat with spaces ä.qcf";
    ASSERT_TRUE(platform::QtFileHandOver::Send("vqn58.test", dir.Path(), file));
    ASSERT_TRUE(platform::QtFileHandOver::Send("vqn58.test", dir.Path(), "relative.qcf"));
    ASSERT_TRUE(Pump([&] { return received.size() == 2; }));
    EXPECT_EQ(received[0], file);
    EXPECT_TRUE(received[1].is_absolute()); // made full in the sender's working directory
    EXPECT_EQ(received[1].filename(), "relative.qcf");
}

TEST_F(HandOver, NothingListeningAndBadMessagesAreRefused) {
    EXPECT_FALSE(platform::QtFileHandOver::Send("vqn58.none", dir.Path(), dir / "a.qcf", 200));

    platform::QtFileHandOver running("vqn58.test", dir.Path(), [&](const auto& path) { received.push_back(path); });
    for (const QByteArray& bad : {QByteArray("relative/path.qcf"),
                                  QByteArray(platform::QtFileHandOver::kMaxPathBytes + 10, '/'),
                                  QByteArray("/a\0b", 4)}) {
        QLocalSocket socket;
        socket.connectToServer(platform::QtFileHandOver::SocketPath("vqn58.test", dir.Path()));
        ASSERT_TRUE(socket.waitForConnected(1000));
        socket.write(bad);
        socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
    }
    ASSERT_TRUE(platform::QtFileHandOver::Send("vqn58.test", dir.Path(), dir / "good.qcf"));
    ASSERT_TRUE(Pump([&] { return !received.empty(); }));
    Pump([] { return false; }, 200); // time for anything else to arrive
    EXPECT_EQ(received, std::vector<std::filesystem::path>{dir / "good.qcf"});
}

// A copy started without a file asks the running one to come to the front; no file is opened.
TEST_F(HandOver, AnEmptyMessageAsksToShowTheRunningCopy) {
    int shown = 0;
    platform::QtFileHandOver running("vqn58.test", dir.Path(), [&](const auto& path) { received.push_back(path); });
    running.OnShowRequest([&] { ++shown; });
    EXPECT_FALSE(platform::QtFileHandOver::SendShow("vqn58.none", dir.Path(), 200));
    ASSERT_TRUE(platform::QtFileHandOver::SendShow("vqn58.test", dir.Path()));
    ASSERT_TRUE(platform::QtFileHandOver::Send("vqn58.test", dir.Path(), dir / "a.qcf"));
    ASSERT_TRUE(Pump([&] { return shown == 1 && received.size() == 1; }));
    EXPECT_EQ(received.front(), dir / "a.qcf");
}

} // namespace
