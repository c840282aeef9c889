// RCDATA resources of the script: lists of 16-bit words such as the menu-bar button lists.
// The scripts are the tests' own: ids here are parser test data.
#include "core/common/resources/ResourceScript.h"

#include <gtest/gtest.h>

namespace {

bool ParseScript(const QString& script, ResourceSet* set, ResourceError* error) {
    set->symbols = PredefinedResourceSymbols();
    const QString header = "#define IDM_TIMES 128\n#define I_IMAGENONE -2\n"
                           "#define TBSTYLE_DROPDOWN 0x0008\n#define TBSTYLE_AUTOSIZE 0x0010\n";
    return ParseResourceHeader(header, "resource.h", &set->symbols, error) &&
           ParseResourceScript(script, "trevallion.rc", set, error);
}

TEST(ResourceRawData, ReadsWordsWithSymbolsAndExpressions) {
    ResourceSet set;
    ResourceError error;
    ASSERT_TRUE(ParseScript("IDM_TIMES RCDATA\nBEGIN\n    IDM_TIMES, 1,\n"
                            "    I_IMAGENONE, 32846, 4, TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE, "
                            "32846, 0, 0\nEND\n"
                            "129 RCDATA { 0xFFFF }\n",
                            &set, &error))
        << error.ToText().toStdString();
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
        ResourceError error;
        EXPECT_FALSE(ParseScript(c.script, &set, &error)) << c.script;
        EXPECT_EQ(error.line, c.line) << c.script;
        EXPECT_TRUE(error.message.contains(c.message))
            << c.script << " -> " << error.message.toStdString();
    }
}

} // namespace
