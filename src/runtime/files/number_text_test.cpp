#include "runtime/files/number_text.h"

// GCC 12 sees overlapping copies in short std::string concatenations that cannot overlap.
#pragma GCC diagnostic ignored "-Wrestrict"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "runtime/files/error_number.h"

namespace runtime {
namespace {

constexpr Number kTwoTo127 = 170141183460469231731687303715884105728.0L;

TEST(NumberToText, EveryLayout) {
    struct Case {
        Number value;
        const char* blank;
        const char* trim;
    };
    const Case cases[] = {
        {0, " 0", "0"},
        {5, " 5", "5"},
        {-5, "-5", "-5"},
        {70, " 70", "70"},
        {-32768, "-32768", "-32768"},
        {2147483647, " 2147483647", "2147483647"},
        {16777215, " 16777215", "16777215"},
        {100, " 100", "100"},
        {123.456, " 123.456", "123.456"},
        {0.5, " .5", ".5"},
        {-0.5, "-.5", "-.5"},
        {0.001, " .001", ".001"},
        {0.00001, " .00001", ".00001"},
        {1e-15, " .000000000000001", ".000000000000001"},  // 15 digits after the point still fit
        {1e-16, " 1E-16", "1E-16"},
        {1.25e-16, " 1.25E-16", "1.25E-16"},
        {0.1 + 0.2, " .3", ".3"},
        {1.0 / 3, " .333333333333333", ".333333333333333"},
        {2.0 / 3, " .666666666666667", ".666666666666667"},
        {-2.0 / 3, "-.666666666666667", "-.666666666666667"},
        {999999999999999, " 999999999999999", "999999999999999"},
        {1000000000000000, " 1E+15", "1E+15"},
        {123456789012345678.0L, " 1.23456789012346E+17", "1.23456789012346E+17"},
        {1e300, " 1E+300", "1E+300"},
        {1e-300, " 1E-300", "1E-300"},
        {1e4000L, " 1E+4000", "1E+4000"},  // four exponent digits
        {-2.5e-4000L, "-2.5E-4000", "-2.5E-4000"},
        {kTwoTo127, " 1.70141183460469E+38", "1.70141183460469E+38"},
        {-0.0, " 0", "0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberToText(c.value), c.blank) << "value " << static_cast<double>(c.value);
        EXPECT_EQ(NumberToTextTrim(c.value), c.trim) << "value " << static_cast<double>(c.value);
    }
    EXPECT_EQ(RemoveText(NumberToText(12), " "), NumberToTextTrim(12));
}

TEST(NumberToText, RoundsOnTheSixteenthDigitAlone) {
    // Integers are exact, so their digits beyond the 15th are known.
    EXPECT_EQ(NumberToText(1234567890123446), " 1.23456789012345E+15") << "above 5 rounds up";
    EXPECT_EQ(NumberToText(1234567890123444), " 1.23456789012344E+15") << "below 5 cuts";
    EXPECT_EQ(NumberToText(1234567890123455), " 1.23456789012346E+15") << "5 after odd rounds up";
    EXPECT_EQ(NumberToText(1234567890123445), " 1.23456789012344E+15") << "5 after even cuts";
    EXPECT_EQ(NumberToText(12345678901234451.0L), " 1.23456789012344E+16")
        << "the 17th digit is not looked at";
    EXPECT_EQ(NumberToText(12345678901234459.0L), " 1.23456789012344E+16");
    EXPECT_EQ(NumberToText(999999999999999.5), " 1E+15") << "the carry makes a 16th digit";
    EXPECT_EQ(NumberToText(99999999999999.95), " 100000000000000") << "exactly .953125";
    EXPECT_EQ(NumberToText(99999999999999.94), " 99999999999999.9") << "exactly .9375";
    EXPECT_EQ(NumberToText(-9999999999999995.0L), "-1E+16");
}

TEST(NumberToText, NonNumbersDoNotBreakIt) {
    EXPECT_EQ(NumberToText(INFINITY), " INF");
    EXPECT_EQ(NumberToTextTrim(-INFINITY), "-INF");
    EXPECT_EQ(NumberToText(NAN), " NAN");
}

// The same rules laid out independently from the decimal digits the C library prints.
struct Digits {
    std::string digits;  // significant digits
    int exponent;        // decimal exponent of the first
};

Digits FromLibrary(const char* format, double value) {
    char text[1024];
    std::snprintf(text, sizeof text, format, std::fabs(value));
    Digits d;
    const char* e = std::strchr(text, 'E');
    for (const char* c = text; c < e; ++c)
        if (*c != '.') d.digits += *c;
    d.exponent = std::atoi(e + 1);
    return d;
}

std::string LaidOut(double value, std::string digits, int e) {
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int p = static_cast<int>(digits.size());
    std::string body;
    if (e >= 0 && e <= 14) {
        std::string padded = digits + std::string(p < e + 1 ? e + 1 - p : 0, '0');
        body = padded.substr(0, e + 1);
        if (padded.size() > static_cast<std::size_t>(e + 1)) body += "." + padded.substr(e + 1);
    } else if (e < 0 && p - e - 1 <= 15) {
        body = "." + std::string(-e - 1, '0') + digits;
    } else {
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "E%c%d", e < 0 ? '-' : '+', std::abs(e));
        body = digits.substr(0, 1) + (p > 1 ? "." + digits.substr(1) : "") + exponent;
    }
    return (value < 0 ? "-" : " ") + body;
}

TEST(NumberToText, AgreesWithTheLibraryOverRandomNumbers) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> unit(1.0, 10.0);
    std::uniform_int_distribution<int> smallExponent(-20, 20);
    std::uniform_int_distribution<int> anyExponent(-307, 307);
    int compared = 0, ties = 0;
    for (int i = 0; i < 100000; ++i) {
        const double sign = (i & 1) ? -1.0 : 1.0;
        const int e = (i % 4 < 2) ? smallExponent(random) : anyExponent(random);
        const double value = sign * unit(random) * std::pow(10.0, e);

        // 800 digits hold any double exactly, so the first 16 are the cut ones.
        Digits wide = FromLibrary("%.800E", value);
        std::string fifteen = wide.digits.substr(0, 15);
        const int sixteenth = wide.digits[15] - '0';
        int exponent = wide.exponent;
        if (sixteenth > 5 || (sixteenth == 5 && (fifteen[14] - '0') % 2 == 1)) {
            int k = 14;
            while (k >= 0 && fifteen[k] == '9') fifteen[k--] = '0';
            if (k < 0) {
                fifteen = "1" + fifteen.substr(0, 14);
                ++exponent;
            } else {
                ++fifteen[k];
            }
        }
        if (sixteenth != 5) {
            // Away from ties, the library's own rounding to 15 digits must agree.
            const Digits rounded = FromLibrary("%.14E", value);
            ASSERT_EQ(rounded.digits, fifteen) << "value " << wide.digits << "E" << wide.exponent;
            ASSERT_EQ(rounded.exponent, exponent);
        } else {
            ++ties;
        }
        ASSERT_EQ(NumberToText(value), LaidOut(value, fifteen, exponent))
            << "digits " << wide.digits << "E" << wide.exponent;
        ++compared;
    }
    EXPECT_EQ(compared, 100000);
    EXPECT_GT(ties, 5000) << "the tie rule was exercised";
}

TEST(TextToNumber, ReadsDecimals) {
    struct Case {
        const char* text;
        Number value;
    };
    const Case cases[] = {
        {" 5", 5},      {"16777215", 16777215},
        {"12abc", 12},  {" -7", -7},
        {" .5", 0.5},   {"-.5", -0.5},
        {"+5", 5},      {"\t\r\n 7", 7},
        {"1E3", 1000},  {"1e3", 1000},
        {"1D3", 1000},  {"1d3", 1000},
        {"1E+3", 1000}, {"25E-2", 0.25},
        {"1E", 1},      {"1E+", 1},
        {"1.5.5", 1.5}, {"2.5", 2.5},
        {"007", 7},     {"1 000", 1},
        {"- 5", 0},     {"-", 0},
        {".", 0},       {"abc", 0},
        {"", 0},        {"   ", 0},
        {"E5", 0},      {"-0", 0},
        {"\v5", 0},     {"4294967295", 4294967295.0L},
    };
    for (const Case& c : cases) EXPECT_EQ(TextToNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextToNumber, ReadsOtherBases) {
    struct Case {
        const char* text;
        Number value;
    };
    const Case cases[] = {
        {"&HFF", 255},
        {"&hff", 255},
        {" &H1g", 1},
        {"&O17", 15},
        {"&o17", 15},
        {"&Q17", 15},
        {"&q17", 15},
        {"&B101", 5},
        {"&b1012", 5},
        {"&17", 15},
        {"&178", 15},
        {"&8", 0},
        {"&H", 0},
        {"&", 0},
        {"&X1", 0},
        {"-&H10", 0},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0L},
        {"&HFFFFFFFFFFFFFFFFF", 0},  // 68 bits
        {"&H00000000000000000001", 1},
        {"&1777777777777777777777", 18446744073709551615.0L},
        {"&2000000000000000000000", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(TextToNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(TextToNumber("&B" + std::string(64, '1')), 18446744073709551615.0L);
    EXPECT_EQ(TextToNumber("&B1" + std::string(64, '0')), 0);
}

TEST(TextToNumber, UsesEighteenSignificantDigits) {
    EXPECT_EQ(TextToNumber("1234567890123456789"), 1234567890123456780.0L);
    EXPECT_EQ(TextToNumber("000000001234567890123456789"), 1234567890123456780.0L);
    EXPECT_EQ(TextToNumber("1234567890123456789.99"), 1234567890123456780.0L);
    EXPECT_EQ(TextToNumber("123456789012345678"), 123456789012345678.0L);
    EXPECT_EQ(static_cast<double>(TextToNumber(".0000012345678901234567891")),
              1.23456789012345678e-6);
    EXPECT_EQ(TextToNumber("1" + std::string(30, '0')), 1e30L);
}

TEST(TextToNumber, LimitsOfTheRange) {
    EXPECT_EQ(TextToNumber("1E4932"), kTwoTo127);
    EXPECT_EQ(TextToNumber("-1E5000"), -kTwoTo127);
    EXPECT_EQ(TextToNumber("1e999999"), kTwoTo127);
    EXPECT_EQ(TextToNumber("1" + std::string(5000, '0')), kTwoTo127);
    const Number justBelow = TextToNumber("9.99E4931");
    EXPECT_TRUE(std::isfinite(justBelow));
    EXPECT_GT(justBelow, 9.98e4931L);
    EXPECT_LT(justBelow, 1e4932L);

    EXPECT_GT(TextToNumber("1E-4933"), 0);
    EXPECT_GT(TextToNumber("0.1E-4932"), 0);
    EXPECT_EQ(TextToNumber("9.9E-4934"), 0);
    EXPECT_EQ(TextToNumber("-1E-99999"), 0);
    EXPECT_NEAR(TextToNumber("1E-4000") / 1e-4000L, 1, 1e-17L);
    EXPECT_NEAR(TextToNumber("-1E4000") / 1e4000L, -1, 1e-17L);

    // The cap falls on the exponent as written, before the digits move it.
    EXPECT_EQ(TextToNumber("1" + std::string(10000, '0') + "E-99999"), 10);
    EXPECT_EQ(TextToNumber("." + std::string(5066, '0') + "1E99999"), kTwoTo127);
    const Number capped = TextToNumber("." + std::string(5067, '0') + "1E99999");
    EXPECT_NEAR(capped / 1e4931L, 1, 1e-17L);
}

TEST(TextToNumber, GivesBackEveryShownInteger) {
    std::mt19937_64 random(7);
    for (int digits = 1; digits <= 15; ++digits) {
        std::int64_t low = 1;
        for (int k = 1; k < digits; ++k) low *= 10;
        const std::int64_t high = low * 10 - 1;
        if (digits == 1) low = 0;
        std::uniform_int_distribution<std::int64_t> pick(low, high);
        for (int i = 0; i < 20000; ++i) {
            const std::int64_t n = i == 0 ? low : i == 1 ? high : pick(random);
            for (const std::int64_t v : {n, -n}) {
                const std::string text = NumberToText(static_cast<Number>(v));
                ASSERT_EQ(text, (v < 0 ? "" : " ") + std::to_string(v));
                ASSERT_EQ(TextToNumber(text), static_cast<Number>(v)) << text;
            }
        }
    }
}

TEST(TextToNumber, ReadsBackWhatItShows) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 20000; ++i) {
        const double value = unit(random) * std::pow(10.0, static_cast<int>(random() % 80) - 40);
        const std::string text = NumberToText(value);
        // Fifteen digits hold the value to within a unit of the 15th.
        EXPECT_NEAR(static_cast<double>(TextToNumber(text)), value, std::fabs(value) * 1e-14)
            << text;
        EXPECT_EQ(NumberToText(TextToNumber(text)), text);
    }
}

TEST(RemoveText, TakesOutEveryOccurrence) {
    EXPECT_EQ(RemoveText(" 12", " "), "12");
    EXPECT_EQ(RemoveText("a b  c ", " "), "abc");
    EXPECT_EQ(RemoveText("aaaa", "aa"), "");
    EXPECT_EQ(RemoveText("aaa", "aa"), "a");
    EXPECT_EQ(RemoveText("abcabc", "bc"), "aa");
    EXPECT_EQ(RemoveText("abc", ""), "abc");
    EXPECT_EQ(RemoveText("", "a"), "");
    EXPECT_EQ(RemoveText("ab", "abc"), "ab");
    EXPECT_EQ(RemoveText("abc", "x"), "abc");
}

TEST(StoreInteger, RoundsHalvesToEvenAndRangesToTheBottom) {
    EXPECT_EQ(StoreInt32(2.5), 2);
    EXPECT_EQ(StoreInt32(3.5), 4);
    EXPECT_EQ(StoreInt32(-2.5), -2);
    EXPECT_EQ(StoreInt32(-3.5), -4);
    EXPECT_EQ(StoreInt32(0.5), 0);
    EXPECT_EQ(StoreInt32(-0.5), 0);
    EXPECT_EQ(StoreInt32(1.4999999), 1);
    EXPECT_EQ(StoreInt32(-1.6), -2);
    EXPECT_EQ(StoreInt32(2147483647), 2147483647);
    EXPECT_EQ(StoreInt32(2147483647.4L), 2147483647);
    EXPECT_EQ(StoreInt32(2147483647.5L), INT32_MIN) << "rounds to 2^31, out of range";
    EXPECT_EQ(StoreInt32(-2147483648.5L), INT32_MIN) << "rounds to the even -2^31";
    EXPECT_EQ(StoreInt32(-2147483647.5L), INT32_MIN);
    EXPECT_EQ(StoreInt32(-2147483646.5L), -2147483646);
    EXPECT_EQ(StoreInt32(4294967295.0L), INT32_MIN);
    EXPECT_EQ(StoreInt32(kTwoTo127), INT32_MIN);
    EXPECT_EQ(StoreInt32(-kTwoTo127), INT32_MIN);
    EXPECT_EQ(StoreInt32(INFINITY), INT32_MIN);
    EXPECT_EQ(StoreInt32(NAN), INT32_MIN);

    EXPECT_EQ(StoreInt16(2.5), 2);
    EXPECT_EQ(StoreInt16(3.5), 4);
    EXPECT_EQ(StoreInt16(70000), -32768);
    EXPECT_EQ(StoreInt16(32767), 32767);
    EXPECT_EQ(StoreInt16(32767.5), -32768);
    EXPECT_EQ(StoreInt16(32766.5), 32766);
    EXPECT_EQ(StoreInt16(-32768.5), -32768);
    EXPECT_EQ(StoreInt16(-32767.5), -32768);
    EXPECT_EQ(StoreInt16(-40000), -32768);
}

}  // namespace
}  // namespace runtime
