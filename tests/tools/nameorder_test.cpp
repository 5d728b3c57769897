#include "tests/support/songfixture.h"
#include "tools/songbook/nameorder.h"

#include <gtest/gtest.h>

namespace {

// A language's order, not the bytes': accents follow their letter,
// lowercase comes before uppercase, and equal names keep their places.
TEST(TreeOrder, SortsAsALanguageDoesWithEqualNamesInTheirPlaces) {
    const std::vector<std::string> names = {"Bor", AnsiFromUtf8("Ágnes"), "Alma", "alma", "Abc", "Bor", "Zebra"};
    const std::vector<std::string_view> views(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::size_t>{4, 1, 3, 2, 0, 5, 6}), TreeOrder(views));
    EXPECT_TRUE(TreeOrder({}).empty());
}

} // namespace
