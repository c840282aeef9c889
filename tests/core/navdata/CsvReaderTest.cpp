#include "core/navdata/CsvReader.h"

#include <gtest/gtest.h>

namespace {

QList<QStringList> ReadAll(const QByteArray& data) {
    CsvReader reader(data);
    QList<QStringList> records;
    while (reader.Next())
        records << reader.Texts();
    return records;
}

TEST(CsvReader, QuotedFieldsAndLineEnds) {
    struct Case {
        const char* what;
        QByteArray data;
        QList<QStringList> records;
    } cases[] = {
        {"plain", "a,b,c\n1,2,3\n", {{"a", "b", "c"}, {"1", "2", "3"}}},
        {"comma in quotes", "\"Alpha, Main\",x\n", {{"Alpha, Main", "x"}}},
        {"doubled quotes", "\"say \"\"hi\"\"\",\"\"\n", {{"say \"hi\"", ""}}},
        {"line break in quotes", "\"two\nlines\",z\r\nnext\r\n", {{"two\nlines", "z"}, {"next"}}},
        {"empty fields", ",,\n", {{"", "", ""}}},
        {"no final line end", "a,b", {{"a", "b"}}},
        {"byte order mark and UTF-8", "\xEF\xBB\xBFZ\xC3\xBCrich\n", {{"Zürich"}}},
        {"empty line", "a\n\nb\n", {{"a"}, {""}, {"b"}}},
        {"unterminated quote", "\"open,end\n", {{"open,end\n"}}},
        {"quotes inside a field", "a\"b,c\"d,\"x\"y\"z\"\n", {{"ab,cd", "xyz"}}},
        {"empty quotes before text", "\"\"tail,\"\"\n", {{"tail", ""}}},
        {"doubled quote then text", "\"\"\"\"q,\"a\"\"\"b\n", {{"\"q", "a\"b"}}},
        {"carriage return inside a field", "a\rb,c\r\n", {{"a\rb", "c"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadAll(c.data), c.records) << c.what;
}

TEST(CsvReader, ColumnsByName) {
    const QStringList header = {"id", "ident", "name"};
    EXPECT_EQ(CsvReader::Column(header, "name"), 2);
    EXPECT_EQ(CsvReader::Column(header, "gps_code"), -1);
    CsvReader reader("1,KSEA\n");
    ASSERT_TRUE(reader.Next());
    EXPECT_EQ(reader.Field(1), "KSEA");
    EXPECT_EQ(reader.Field(2), "");
    EXPECT_EQ(reader.Field(-1), "");
}

} // namespace
