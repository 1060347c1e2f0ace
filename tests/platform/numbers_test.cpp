// The one reader of the numbers in the saved game, config.tll and recordings.
#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <climits>

// Each row: a text, the field's range, and what the first number is, with where reading stops.
// A number its field cannot hold is refused however far it reaches, never wrapped or pinned.
TEST(NumberReader, ReadsAsPercentDAndRefusesWhatTheFieldCannotHold) {
    const auto done = number_read::done, none = number_read::none, out = number_read::out_of_range;
    struct row {
        const char* text;
        long long low, high;
        number_read got;
        long long value;
        std::size_t at;
    };
    const row rows[] = {
        {" \t\n-12x", INT_MIN, INT_MAX, done, -12, 6},
        {"+7 8", INT_MIN, INT_MAX, done, 7, 2},
        {"2147483647", INT_MIN, INT_MAX, done, INT_MAX, 10},
        {"-2147483648", INT_MIN, INT_MAX, done, INT_MIN, 11},
        {"2147483648", INT_MIN, INT_MAX, out, 0, 10},
        {"-2147483649", INT_MIN, INT_MAX, out, 0, 11},
        {"17", 1, 16, out, 0, 2},
        {"9223372036854775807", LLONG_MIN, LLONG_MAX, done, LLONG_MAX, 19},
        {"-9223372036854775808", LLONG_MIN, LLONG_MAX, done, LLONG_MIN, 20},
        {"9223372036854775808", LLONG_MIN, LLONG_MAX, out, 0, 19},
        {"18446744073709551626 1", LLONG_MIN, LLONG_MAX, out, 0, 20}, // 2^64 + 10
        {"99999999999999999999999999", 0, 1, out, 0, 26},
        {"- 5", INT_MIN, INT_MAX, none, 0, 0},
        {"  ", INT_MIN, INT_MAX, none, 0, 0},
        {"x1", INT_MIN, INT_MAX, none, 0, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.text);
        std::string text = r.text;
        number_reader in(text);
        long long value = 0;
        EXPECT_EQ(in.next(r.low, r.high, &value), r.got);
        EXPECT_EQ(value, r.value);
        EXPECT_EQ(in.at, r.at);
    }
    // A refused number is passed over whole: the next one reads, and then nothing is left.
    std::string text = "0 4294967298 3\r\n";
    number_reader in(text);
    int value = 0;
    EXPECT_EQ(in.next_int(&value), done);
    EXPECT_EQ(in.next_int(&value), out);
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(in.at_end());
    EXPECT_EQ(in.next_int(&value), done);
    EXPECT_EQ(value, 3);
    EXPECT_TRUE(in.at_end());
}
