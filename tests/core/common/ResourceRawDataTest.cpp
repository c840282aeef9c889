// RCDATA resources of the script: lists of 16-bit words such as the menu-bar button lists.
// The scripts are the tests' own: ids here are parser test data.
#include "core/common/resources/ResourceScript.h"

#include <gtest/gtest.h>

namespace {

Status ParseScript(const QString& script, ResourceSet* set) {
    set->symbols = PredefinedResourceSymbols();
    const QString header = "#define IDM_TIMES 128\n#define I_IMAGENONE -2\n"
                           "#define TBSTYLE_DROPDOWN 0x0008\n#define TBSTYLE_AUTOSIZE 0x0010\n";
    if (const Status symbols = ParseResourceHeader(header, "resource.h", &set->symbols); !symbols)
        return symbols;
    return ParseResourceScript(script, "trevallion.rc", set);
}

TEST(ResourceRawData, ReadsWordsWithSymbolsAndExpressions) {
    ResourceSet set;
    const Status parsed =
        ParseScript("IDM_TIMES RCDATA\nBEGIN\n    IDM_TIMES, 1,\n"
                    "    I_IMAGENONE, 32846, 4, TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE, "
                    "32846, 0, 0\nEND\n"
                    "129 RCDATA { 0xFFFF }\n",
                    &set);
    ASSERT_TRUE(parsed.ok()) << parsed.error().text.toStdString();
    EXPECT_EQ(set.rawData.value(128), (QVector<int>{128, 1, -2, 32846, 4, 0x18, 32846, 0, 0}));
    EXPECT_EQ(set.rawData.value(129), (QVector<int>{0xFFFF}));
}

TEST(ResourceRawData, RefusesBadListsWithTheirLine) {
    const struct {
        const char* script;
        int line;
        const char* message;
    } cases[] = {
        {"128 RCDATA\nBEGIN\n  1, 2\n  3\nEND\n", 4, "expected ','"},
        {"128 RCDATA\nBEGIN\n  70000\nEND\n", 3, "does not fit 16 bits"},
        {"128 RCDATA\nBEGIN\n  -40000\nEND\n", 3, "does not fit 16 bits"},
        {"128 RCDATA\nBEGIN\n  UNKNOWN\nEND\n", 3, "unknown symbol"},
        {"128 RCDATA { 1 }\n128 RCDATA { 2 }\n", 2, "defined twice"},
    };
    for (const auto& c : cases) {
        ResourceSet set;
        const Status parsed = ParseScript(c.script, &set);
        ASSERT_FALSE(parsed.ok()) << c.script;
        EXPECT_TRUE(
            parsed.error().text.startsWith(QStringLiteral("trevallion.rc:%1: ").arg(c.line)))
            << c.script << " -> " << parsed.error().text.toStdString();
        EXPECT_TRUE(parsed.error().text.contains(c.message))
            << c.script << " -> " << parsed.error().text.toStdString();
    }
}

} // namespace
