#include "platform/c_numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace selvio {
namespace {

struct RealCase {
  const char* name;
  const char* text;
  std::optional<float> expected;
};

class ScanFloatTest : public ::testing::TestWithParam<RealCase> {};

TEST_P(ScanFloatTest, ReadsLikeScanfPercentF) {
  const RealCase& c = GetParam();
  EXPECT_EQ(ScanFloat(QString::fromUtf8(c.text)), c.expected) << c.text;
}

const float kInf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, ScanFloatTest,
    ::testing::Values(
        RealCase{"plain", "2.5", 2.5f}, RealCase{"leading_blanks", " \t 2.5", 2.5f},
        RealCase{"unit_after_number", "2.5 бар", 2.5f}, RealCase{"plus_sign", "+3", 3.0f},
        RealCase{"minus_exponent", "-1.5e2", -150.0f}, RealCase{"no_integer_part", ".5", 0.5f},
        RealCase{"trailing_point", "5.", 5.0f}, RealCase{"dangling_exponent", "1e", 1.0f},
        RealCase{"signed_dangling_exponent", "1e+", 1.0f},
        RealCase{"comma_stops_number", "6,5", 6.0f},
        RealCase{"hexadecimal_reads_its_zero", "0x10", 0.0f},
        RealCase{"too_large_is_infinite", "1e50", kInf}, RealCase{"letters", "abc", std::nullopt},
        RealCase{"inf", "inf", std::nullopt}, RealCase{"nan", "nan", std::nullopt},
        RealCase{"sign_only", "-", std::nullopt}, RealCase{"point_only", ".", std::nullopt},
        RealCase{"empty", "", std::nullopt},
        RealCase{"blank_before_sign_digit_gap", "- 5", std::nullopt}),
    [](const ::testing::TestParamInfo<RealCase>& row) { return std::string(row.param.name); });

struct IntCase {
  const char* name;
  const char* text;
  std::optional<int> expected;
};

class ScanIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(ScanIntTest, ReadsLikeScanfPercentD) {
  EXPECT_EQ(ScanInt(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ScanIntTest,
    ::testing::Values(IntCase{"point_fraction_dropped", "75.6", 75},
                      IntCase{"comma_fraction_dropped", "75,6", 75},
                      IntCase{"negative_with_blanks", "  -3x", -3},
                      IntCase{"letters", "x", std::nullopt},
                      IntCase{"overflow_clamped", "99999999999", std::numeric_limits<int>::max()},
                      IntCase{"empty", "", std::nullopt}),
    [](const ::testing::TestParamInfo<IntCase>& row) { return std::string(row.param.name); });

// The process locale of a Russian desktop uses a decimal comma in the C library.
class RussianLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  }
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(RussianLocaleTest, NumbersKeepThePoint) {
  EXPECT_EQ(ScanFloat(QStringLiteral("2.5")), 2.5f);
  EXPECT_EQ(ScanDouble(std::string_view("0.125")), 0.125);
  EXPECT_EQ(FormatC("%.2f|%f|%.1f-%.1f", 2.5, 0.05, 0.2, 1.0),
            QStringLiteral("2.50|0.050000|0.2-1.0"));
}

TEST(FormatCTest, KeepsUtf8Texts) {
  EXPECT_EQ(FormatC("Клапан: %s", "ВК 15"), QString::fromUtf8("Клапан: ВК 15"));
}

// Texts of any length come out whole: 1e300 with "%f" has 301 digits before the point.
TEST(FormatCTest, LongTextsAreWhole) {
  const QString big = FormatC("%f", 1e300);
  EXPECT_EQ(big.size(), 301 + 7);
  EXPECT_TRUE(big.startsWith(QStringLiteral("1000000000000000052504760255204420248704")));
  EXPECT_TRUE(big.endsWith(QStringLiteral(".000000")));
  const std::string name(127, 'N');
  EXPECT_EQ(FormatC("%s", name.c_str()), QString::fromStdString(name));
  EXPECT_EQ(FormatC("%s!", name.c_str()), QString::fromStdString(name + "!"));
}

}  // namespace
}  // namespace selvio
