#include "core/common/io/ByteReader.h"
#include "core/common/io/ByteWriter.h"
#include "core/common/io/FileIo.h"
#include "core/common/text/Utf8String.h"

#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(ByteReader, ReadsLittleEndianAndFailsPastTheEnd) {
    ByteWriter w;
    w.U16(0x1234);
    w.U32(0xA1B2C3D4);
    w.F64(-2.5);
    ByteReader r(w.Data());
    EXPECT_EQ(r.U16(), 0x1234);
    EXPECT_EQ(r.U32(), 0xA1B2C3D4u);
    EXPECT_DOUBLE_EQ(r.F64(), -2.5);
    EXPECT_TRUE(r.Ok());
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(r.U8(), 0);
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.U32(), 0u); // stays failed
}

TEST(ByteReader, RejectsHugeAndNegativeCounts) {
    ByteReader r(QByteArray(8, 'x'));
    EXPECT_TRUE(r.Bytes(9).isEmpty());
    EXPECT_FALSE(r.Ok());
    ByteReader s(QByteArray(8, 'x'));
    EXPECT_FALSE(s.Skip(-1));
    ByteReader t(QByteArray(8, 'x'));
    EXPECT_FALSE(t.Seek(9));
}

QByteArray Encoded(const QString& text) {
    ByteWriter w;
    WriteUtf8String(w, text);
    return w.Data();
}

TEST(Utf8String, RoundTripsWithCountIncludingTheZero) {
    const QString name = QStringLiteral("Piper°15chars!!");
    ASSERT_EQ(name.size(), 15);
    const QByteArray bytes = Encoded(name);
    EXPECT_EQ(ByteReader(bytes).U32(), static_cast<uint32_t>(name.toUtf8().size() + 1));
    EXPECT_EQ(bytes.back(), '\0');
    ByteReader r(bytes);
    EXPECT_EQ(ReadUtf8String(r, 16), name);
    EXPECT_TRUE(r.AtEnd());
}

TEST(Utf8String, RefusesDamagedStrings) {
    const auto fails = [](const QByteArray& bytes, int capacity) {
        ByteReader r(bytes);
        return !ReadUtf8String(r, capacity).has_value() && !r.Ok();
    };
    ByteWriter zero;
    zero.U32(0);
    EXPECT_TRUE(fails(zero.Data(), 16));
    ByteWriter huge;
    huge.U32(257);
    huge.Zeros(257);
    EXPECT_TRUE(fails(huge.Data(), 300));
    EXPECT_TRUE(fails(Encoded("abc").left(6), 16));      // ends early
    EXPECT_TRUE(fails(Encoded("sixteen chars!!!"), 16)); // does not fit
    EXPECT_FALSE(fails(Encoded("fifteen chars!!"), 16));
}

TEST(Utf8String, LongTextIsCutAtACharacterBoundary) {
    const QString text = QString(200, QChar(0x00B0)); // 400 bytes of UTF-8
    ByteReader r(Encoded(text));
    const auto read = ReadUtf8String(r, 1000);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, QString(127, QChar(0x00B0)));
}

TEST(WriteWholeFile, ReplacesAtomicallyAndReportsFailure) {
    TempFolder folder;
    const QString path = folder.File("sub/data.db");
    ASSERT_TRUE(WriteWholeFile(path, "first", "Error: ").ok());
    ASSERT_TRUE(WriteWholeFile(path, "second", "Error: ").ok());
    EXPECT_EQ(ReadWholeFile(path, "", 100).value(), QByteArray("second"));

    // A folder where the file should be: the write fails with the prefix and a reason.
    const Status failed = WriteWholeFile(folder.Path(), "x", "Error: ");
    ASSERT_FALSE(failed.ok());
    EXPECT_TRUE(failed.error().text.startsWith("Error: "));
    EXPECT_GT(failed.error().text.size(), 7);

    const Outcome<QByteArray> missing = ReadWholeFile(folder.File("none"), "Oops ", 100);
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().text.startsWith("Oops "));
}

} // namespace
