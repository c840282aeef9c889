#include "core/weight-balance/LoadingFile.h"

#include "support/TempFolder.h"

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
        file.write(QByteArray(size, 'x'));
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
    ASSERT_TRUE(WriteLoadingFile(path, QStringLiteral("Fuel=Full\r\n")).ok());
    EXPECT_EQ(ReadLoadingFile(path).value(), QStringLiteral("Fuel=Full\r\n"));
}

} // namespace
