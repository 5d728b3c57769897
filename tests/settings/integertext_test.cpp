#include "settings/integertext.h"

#include <gtest/gtest.h>

namespace {

TEST(IntegerText, ReadsDecimalAndHexadecimalFormsAndNothingElse) {
    const std::vector<std::pair<std::string, std::optional<std::int32_t>>> cases = {
        {"0", 0},
        {"12", 12},
        {"  12", 12},
        {"+7", 7},
        {"-15", -15},
        {"-2147483643", static_cast<std::int32_t>(0x80000005)},
        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"007", 7},
        {"$80000005", static_cast<std::int32_t>(0x80000005)},
        {"0x1F", 31},
        {"0XfF", 255},
        {"x10", 16},
        {"X10", 16},
        {"$FFFFFFFF", -1},
        {" $a", 10},
        {"12 ", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"$123456789", std::nullopt},
        {"-$5", std::nullopt},
        {"$5g", std::nullopt},
        {"12,5", std::nullopt},
        {"1e3", std::nullopt},
        {"\t12", std::nullopt},
        {"tizenkettő", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(expected, ParseIntegerText(text)) << '"' << text << '"';
}

} // namespace
