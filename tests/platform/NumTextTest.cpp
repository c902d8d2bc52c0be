#include "platform/NumText.h"

#include <charconv>
#include <cstring>
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

using namespace platform;

TEST(NumText, RoundHalfEven1WorksOnTheExactBinaryValue)
{
    struct Case {
        double in, out;
    };
    const Case cases[] = {
        {2.25, 2.2},      {2.35, 2.4}, // 2.35 is slightly above 2.35 in binary
        {0.35, 0.3},      {0.75, 0.8},     {0.25, 0.2},
        {1.25, 1.2},      {-0.25, -0.2},   {30.48 / 0.3048 * 0 + 32.808398950131235, 32.8},
        {3.048, 3.0},     {37.8564, 37.9}, {46.563372, 46.6},
        {0.0, 0.0},       {-0.04, 0.0},    {9.95, 9.9}, // 9.95 is 9.949999... in binary
        {3785.3, 3785.3}, {100.05, 100.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(roundHalfEven1(c.in), c.out) << c.in;
}

TEST(NumText, RoundHalfEven0AndInt16)
{
    EXPECT_EQ(roundHalfEven0(12.5), 12);
    EXPECT_EQ(roundHalfEven0(13.5), 14);
    EXPECT_EQ(roundHalfEven0(-0.5), 0);
    EXPECT_EQ(*toInt16(32767.4), 32767);
    EXPECT_EQ(*toInt16(-32768.5), -32768);
    EXPECT_FALSE(toInt16(32767.5).has_value());
    EXPECT_FALSE(toInt16(-32769).has_value());
    EXPECT_FALSE(toInt16(std::nan("")).has_value());
}

TEST(NumText, StrictParseTakesOnlyWholeNumbers)
{
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {"12.5", true, 12.5}, {" 7.25", true, 7.25}, {"7.25 ", true, 7.25}, {"-3", true, -3},     {"+3", true, 3},
        {".5", true, 0.5},    {"5.", true, 5},       {"1E3", true, 1000},   {"1e-2", true, 0.01}, {"2D2", true, 200},
        {"", false, 0},       {" ", false, 0},       {".", false, 0},       {"abc", false, 0},    {"1.2.3", false, 0},
        {"12a", false, 0},    {"1E", false, 0},      {"--1", false, 0},     {"1,5", false, 0},    {"1e999", false, 0},
        {"1 2", false, 0},    {"- 5", false, 0},     {"1E+", false, 0},     {"-.5E+1", true, -5},
    };
    for (const auto& c : cases) {
        const auto v = parseDouble(QString::fromLatin1(c.text));
        EXPECT_EQ(v.has_value(), c.ok) << c.text;
        if (c.ok && v) {
            EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
        }
    }
    EXPECT_EQ(*parseSingle(u"0.3"), 0.3f);
    EXPECT_FALSE(parseSingle(u"1e39").has_value()); // beyond a single
}

TEST(NumText, BooleanForms)
{
    EXPECT_EQ(parseBoolean(u"#TRUE#"), std::optional<bool>(true));
    EXPECT_EQ(parseBoolean(u"#FALSE#"), std::optional<bool>(false));
    EXPECT_EQ(parseBoolean(u"True"), std::optional<bool>(true));
    EXPECT_EQ(parseBoolean(u"false"), std::optional<bool>(false));
    EXPECT_EQ(parseBoolean(u"-1"), std::optional<bool>(true));
    EXPECT_EQ(parseBoolean(u"0"), std::optional<bool>(false));
    EXPECT_FALSE(parseBoolean(u"#YES#").has_value());
    EXPECT_FALSE(parseBoolean(u"").has_value());
}

TEST(NumText, LeadingNumber)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"12.5", 12.5}, {"  3", 3},     {"1 2", 12},    {"12abc", 12}, {"", 0},   {"abc", 0},
        {".", 0},       {"-4.5", -4.5}, {"1.2.3", 1.2}, {"2E2", 200},  {"2E", 2}, {"- 5", -5},
        {"1 E2", 100},  {"1E 2", 1},    {"3D-1x", 0.3}, {"\r\n 7", 7},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromLatin1(c.text)), c.value) << c.text;
}

// Short plain decimals take a quicker road than the general parser: it must
// give the same double, bit for bit.
TEST(NumText, LeadingNumberOfPlainDecimalsMatchesTheGeneralParser)
{
    std::mt19937 random(20261210);
    for (int k = 0; k < 200000; ++k) {
        const int digits = 1 + int(random() % 17);
        std::string text = random() % 4 == 0 ? "-" : "";
        const int point = int(random() % (digits + 1));
        for (int d = 0; d < digits; ++d) {
            if (d == point && random() % 2)
                text += '.';
            text += char('0' + random() % 10);
        }
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        const double got = leadingNumber(QString::fromStdString(text));
        ASSERT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << text;
    }
}

TEST(NumText, SingleToTextIsShortAndPlain)
{
    struct Case {
        float value;
        const char* text;
    };
    const Case cases[] = {
        {100.0f, "100"},   {12.5f, "12.5"},         {0.1f, "0.1"},   {0.5f, "0.5"},
        {-2.25f, "-2.25"}, {99.99905f, "99.99905"}, {0.0f, "0"},     {1234567.0f, "1234567"},
        {1.0e7f, "1E+07"}, {1.0e-5f, "1E-05"},      {37.9f, "37.9"}, {1.0f / 3.0f, "0.3333333"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(singleToText(c.value), QString::fromLatin1(c.text)) << c.text;
    EXPECT_EQ(doubleToText(46.563372), "46.563372");
}

TEST(NumText, SingleTextRoundTrips)
{
    for (float v : {0.1f, 12.5f, 7.25f, 3785.3f, 999.9f, 0.001f, 123.456f}) {
        const auto back = parseSingle(singleToText(v));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, v);
    }
}

TEST(NumText, ExactTextKeepsSevenDigitsUnlessTheyWouldChangeTheValue)
{
    struct Case {
        float value;
        const char* text;
    };
    const Case cases[] = {
        {0.1f, "0.1"},
        {12.5f, "12.5"},
        {1.0f / 3.0f, "0.33333334"},
        {1.0000001f, "1.0000001"},
        {16777217.0f, "16777216"},
        {1.0e7f, "1E+07"},
        {0.0f, "0"},
        {3.4028235e38f, "3.4028235E+38"},
        {104.275894f, "104.275894"},
        {-1.0000001f, "-1.0000001"},
        {1.2345678e-5f, "1.2345678E-05"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(singleToExactText(c.value), QString::fromLatin1(c.text)) << c.text;
    // Every value reads back as itself, over a sweep of neighbouring singles.
    for (float v = 0.999f; v < 1.001f; v = std::nextafter(v, 2.0f)) {
        const auto back = parseSingle(singleToExactText(v));
        ASSERT_TRUE(back.has_value());
        ASSERT_EQ(*back, v);
    }
}

TEST(NumText, DisplayPatternsRoundTheDecimalFormHalvesAwayFromZero)
{
    struct Case {
        double value;
        int significant, minDecimals, maxDecimals;
        const char* text;
    };
    const Case cases[] = {
        // "##0.0"
        {0.0, 7, 1, 1, "0.0"},
        {double(0.04f), 7, 1, 1, "0.0"},
        {double(0.25f), 7, 1, 1, "0.3"},  // an exact half goes up
        {double(0.35f), 7, 1, 1, "0.4"},  // 0.3499999940... is 0.35 at seven digits
        {double(0.35f), 15, 1, 1, "0.3"}, // ... but not at fifteen
        {1.0, 7, 1, 1, "1.0"},
        {double(1234.56f), 7, 1, 1, "1234.6"},
        {double(9.96f), 7, 1, 1, "10.0"}, // the carry reaches a new digit
        {99999.96, 15, 1, 1, "100000.0"},
        {double(-2.25f), 7, 1, 1, "-2.3"},
        {-0.04, 7, 1, 1, "0.0"}, // no "-0.0"
        {1234567.0, 7, 1, 1, "1234567.0"},
        {double(1e-9f), 7, 1, 1, "0.0"},
        // "##0.0#"
        {double(0.04f), 7, 1, 2, "0.04"},
        {double(0.25f), 7, 1, 2, "0.25"},
        {double(0.2f), 7, 1, 2, "0.2"},
        {1.0, 7, 1, 2, "1.0"},
        {0.3048, 15, 1, 2, "0.3"},
        {double(0.125f), 7, 1, 2, "0.13"},
        {double(1.005f), 7, 1, 2, "1.01"}, // 1.00499999... is 1.005000 at seven digits
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatDecimals(c.value, c.significant, c.minDecimals, c.maxDecimals).toStdString(), c.text)
            << c.value << " " << c.significant << " " << c.maxDecimals;
}
