#include "data/number_reader.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

TEST(NumberReader, ReadsOneNumberALine) {
    NumberReader in("12\r\n-7\r\n+3\r\n");
    int32_t v = 0;
    ASSERT_EQ(in.read_line_number(v), ReadStatus::ok);
    EXPECT_EQ(v, 12);
    ASSERT_EQ(in.read_line_number(v), ReadStatus::ok);
    EXPECT_EQ(v, -7);
    ASSERT_EQ(in.read_line_number(v), ReadStatus::ok);
    EXPECT_EQ(v, 3);
    EXPECT_EQ(in.read_line_number(v), ReadStatus::end_of_file);
}

TEST(NumberReader, SkipsBlanksAndEmptyLinesBeforeANumberAndTextAfterABlank) {
    NumberReader in("  \r\n\r\n\t 5 five\r\n6\n7\r8");
    int32_t v = 0;
    ASSERT_EQ(in.read_line_number(v), ReadStatus::ok);
    EXPECT_EQ(v, 5);
    ASSERT_EQ(in.read_line_number(v), ReadStatus::ok);
    EXPECT_EQ(v, 6);
    ASSERT_EQ(in.read_line_number(v), ReadStatus::ok);
    EXPECT_EQ(v, 7);
    ASSERT_EQ(in.read_line_number(v), ReadStatus::ok);
    EXPECT_EQ(v, 8);
}

TEST(NumberReader, RefusesWhatIsNoNumber) {
    int32_t v = 42;
    for (const char* bad : {"x1", "12abc", "-", "+\r\n", "1.5", "0x10", "５"}) {
        NumberReader in(bad);
        EXPECT_EQ(in.read(v), ReadStatus::not_a_number) << bad;
    }
    EXPECT_EQ(v, 42);
}

TEST(NumberReader, KnowsTheLimitsOfThirtyTwoBits) {
    int32_t v = 0;
    NumberReader a("2147483647 -2147483648 2147483648 -2147483649 99999999999999999999");
    ASSERT_EQ(a.read(v), ReadStatus::ok);
    EXPECT_EQ(v, INT32_MAX);
    ASSERT_EQ(a.read(v), ReadStatus::ok);
    EXPECT_EQ(v, INT32_MIN);
    EXPECT_EQ(a.read(v), ReadStatus::out_of_range);
    NumberReader b("-2147483649");
    EXPECT_EQ(b.read(v), ReadStatus::out_of_range);
    NumberReader c("99999999999999999999");
    EXPECT_EQ(c.read(v), ReadStatus::out_of_range);
}

TEST(NumberReader, ReadsWholeLinesAndCountsThem) {
    NumberReader in("3\r\n\r\nname with blanks\r\nlast");
    int32_t v = 0;
    std::string s;
    ASSERT_EQ(in.read_line_number(v), ReadStatus::ok);
    ASSERT_EQ(in.read_line(s), ReadStatus::ok);
    EXPECT_EQ(s, "");
    EXPECT_EQ(in.line(), 3);
    ASSERT_EQ(in.read_line(s), ReadStatus::ok);
    EXPECT_EQ(s, "name with blanks");
    ASSERT_EQ(in.read_line(s), ReadStatus::ok);
    EXPECT_EQ(s, "last");
    EXPECT_EQ(in.read_line(s), ReadStatus::end_of_file);
}

TEST(NumberReader, ReportsTheLineOfAFault) {
    NumberReader in("1\r\n2\n\r\n  x\r\n");
    int32_t v = 0;
    ASSERT_EQ(in.read_line_number(v), ReadStatus::ok);
    ASSERT_EQ(in.read_line_number(v), ReadStatus::ok);
    EXPECT_EQ(in.read_line_number(v), ReadStatus::not_a_number);
    EXPECT_EQ(in.line(), 4);
}

} // namespace
} // namespace tsu
