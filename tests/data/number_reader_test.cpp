#include "data/number_reader.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

TEST(NumberReader, ReadsNumbersAfterBlanksAndEmptyLinesAndSkipsTextAfterABlank) {
    NumberReader in("12\r\n-7\r\n  \r\n\r\n\t+5 five\r\n6\n7\r8");
    std::vector<int32_t> got;
    for (int32_t v = 0; in.read_line_number(v) == ReadStatus::ok;) got.push_back(v);
    EXPECT_EQ(got, (std::vector<int32_t>{12, -7, 5, 6, 7, 8}));
    EXPECT_TRUE(in.at_end());
}

TEST(NumberReader, RefusesWhatIsNoNumberOrDoesNotFit) {
    int32_t v = 42;
    for (const char* bad : {"x1", "12abc", "-", "+\r\n", "1.5", "0x10", "５"}) {
        EXPECT_EQ(NumberReader(bad).read(v), ReadStatus::not_a_number) << bad;
    }
    for (const char* big : {"2147483648", "-2147483649", "99999999999999999999"}) {
        EXPECT_EQ(NumberReader(big).read(v), ReadStatus::out_of_range) << big;
    }
    EXPECT_EQ(v, 42);
    NumberReader limits("2147483647 -2147483648");
    EXPECT_EQ(limits.read(v), ReadStatus::ok);
    EXPECT_EQ(v, INT32_MAX);
    EXPECT_EQ(limits.read(v), ReadStatus::ok);
    EXPECT_EQ(v, INT32_MIN);
    EXPECT_EQ(limits.read(v), ReadStatus::end_of_file);
}

TEST(NumberReader, ReadsWholeLinesAndCountsLinesForMessages) {
    NumberReader in("3\r\n\r\nname with blanks\n\r\n  x\r\n");
    int32_t v = 0;
    std::string a = "?", b;
    ASSERT_EQ(in.read_line_number(v), ReadStatus::ok);
    ASSERT_EQ(in.read_line(a), ReadStatus::ok);
    ASSERT_EQ(in.read_line(b), ReadStatus::ok);
    EXPECT_EQ(a + "|" + b, "|name with blanks");
    EXPECT_EQ(in.read(v), ReadStatus::not_a_number);
    EXPECT_EQ(in.line(), 5);
}

} // namespace
} // namespace tsu
