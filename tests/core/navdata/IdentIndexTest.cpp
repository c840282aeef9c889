#include "core/navdata/IdentIndex.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(IdentIndex, FindsEveryIdentifierAfterGrowing) {
    IdentIndex index(2); // grows many times
    for (int i = 0; i < 5000; ++i)
        index.Insert("ID" + std::to_string(i), i);
    index.Insert("", 7);     // an empty identifier is an identifier
    index.Insert("ID42", 9); // replaces
    index.Insert("NEG", -1); // not stored
    struct Case {
        std::string ident;
        int value;
    } cases[] = {{"ID0", 0}, {"ID4999", 4999}, {"ID42", 9},   {"", 7},
                 {"ID", -1}, {"ID49990", -1},  {"NEG", -1},   {"id1", -1},
                 {"ID1", 1}, {"ID10", 10},     {"ID100", 100}}; // prefixes of one another
    for (const Case& c : cases)
        EXPECT_EQ(index.Find(c.ident), c.value) << c.ident;
}

} // namespace
