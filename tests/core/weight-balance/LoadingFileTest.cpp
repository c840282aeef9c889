#include "core/weight-balance/LoadingFile.h"

#include "core/common/io/DeviceFolders.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(LoadingFile, ReadsUpToTheLimitAndRefusesMore) {
    TempFolder folder;
    const QString path = folder.Path() + QStringLiteral("/a.wb");
    ASSERT_TRUE(WriteLoadingFile(path, QStringLiteral("Aircraft=N123A\r\n")).ok());
    const Outcome<QString> read = ReadLoadingFile(path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), QStringLiteral("Aircraft=N123A\r\n"));

    for (const qint64 size : {kMaxLoadingFileBytes, kMaxLoadingFileBytes + 1}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("Aircraft=N1\r\n").leftJustified(size, 'x'));
        file.close();
        const Outcome<QString> big = ReadLoadingFile(path);
        EXPECT_EQ(big.ok(), size == kMaxLoadingFileBytes) << size;
        if (!big.ok()) {
            EXPECT_TRUE(
                big.error().text.startsWith(QStringLiteral("Error, Unable to open file.\n")));
        }
    }
    EXPECT_FALSE(ReadLoadingFile(folder.Path() + QStringLiteral("/missing.wb")).ok());
}

TEST(LoadingFile, WritingCreatesTheFolder) {
    TempFolder folder;
    const QString path = folder.Path() + QStringLiteral("/new/folder/b.wb");
    ASSERT_TRUE(WriteLoadingFile(path, QStringLiteral("Aircraft=N1\r\nFuel=Full\r\n")).ok());
    EXPECT_EQ(ReadLoadingFile(path).value(), QStringLiteral("Aircraft=N1\r\nFuel=Full\r\n"));
}

// What names no aircraft is no loading: refused with a message instead of being ignored, and a
// weight.txt like that is kept as weight.txt.bad before it is replaced.
TEST(LoadingFile, RefusesWhatIsNoLoadingAndKeepsSuchAWeightTxt) {
    TempFolder folder;
    SetDocumentsFolder(folder.Path());
    const QByteArray cases[] = {
        "",
        QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
        "[Desktop Entry]\r\nName=Other\r\n",
        "Aircraft=\r\nPilot seat=80.0\r\n",
    };
    for (const QByteArray& bytes : cases) {
        QFile::remove(WeightFilePath() + ".bad");
        QDir().mkpath(DataFolder());
        QFile file(WeightFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const Outcome<QString> read = ReadLoadingFile(WeightFilePath());
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.error().text, QString(kNotALoadingText));
        ASSERT_TRUE(WriteWeightFile(QStringLiteral("Aircraft=N1\r\n")).ok());
        ASSERT_TRUE(WriteWeightFile(QStringLiteral("Aircraft=N2\r\n")).ok()); // kept once
        QFile kept(WeightFilePath() + ".bad");
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), bytes);
        EXPECT_FALSE(QFile::exists(WeightFilePath() + ".bad2"));
        EXPECT_EQ(ReadLoadingFile(WeightFilePath()).value(), QStringLiteral("Aircraft=N2\r\n"));
    }
    SetDocumentsFolder(QString());
}

} // namespace
