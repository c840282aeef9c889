#include "ui/app/SingleInstance.h"
#include "support/TempFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// Two starts on one data folder: the second finds the first and asks for its window; once the
// first is gone the next start takes over. Another data folder has its own copy.
TEST(SingleInstance, ALaterStartAsksTheRunningOneForItsWindow) {
    TempFolder runtime;
    int requests = 0;
    auto running = std::make_unique<CSingleInstance>("/home/pilot/Documents", runtime.Path());
    QObject::connect(running.get(), &CSingleInstance::ShowRequested, [&requests] { ++requests; });
    ASSERT_TRUE(running->Claim());
    EXPECT_TRUE(QFileInfo(running->SocketPath()).exists());
    EXPECT_TRUE(CSingleInstance("/home/other/Documents", runtime.Path()).Claim());

    const CSingleInstance second("/home/pilot/Documents/", runtime.Path());
    CSingleInstance copy("/home/pilot/Documents", runtime.Path());
    EXPECT_FALSE(copy.Claim());
    EXPECT_TRUE(second.AskRunningToShow());
    QElapsedTimer waited;
    waited.start();
    while (requests == 0 && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(requests, 1);

    running.reset();
    EXPECT_TRUE(copy.Claim());
}

// Without a usable runtime folder (here a file in its place) the program starts unguarded
// rather than take itself for a second copy.
TEST(SingleInstance, AnUnusableRuntimeFolderDoesNotStopTheStart) {
    TempFolder folder;
    QFile file(folder.File("run"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(CSingleInstance("/home/pilot/Documents", folder.File("run")).Claim());
}

} // namespace
