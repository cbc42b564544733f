// The definite integral: sums and signs, breaks in the function, bounds as
// typed.

#include "tools/ComputeIntegral.h"
#include "tools/IntegralBounds.h"
#include "tools/IntegralChecks.h"
#include "tools/IntegralRequest.h"
#include "StringTable.h"
#include "ToolsTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ComputeIntegral, SumsStepsOrEndsWithoutResults)
{
    const struct {
        const char* text;
        char argument;
        double from, to;
        int precision;
        IntegralOutcome outcome;
        double integral, area;  // 0 without results
        int errorCode;
    } rows[] = {
        {"x", 'x', 0, 1, 100, IntegralFinished, 0.5, 0.5, 0},
        {"x", 'x', -1, 1, 100, IntegralFinished, 0, 1, 0},      // the sample at 0 is exactly zero
        {"-x", 'x', 0, 1, 100, IntegralFinished, -0.5, 0.5, 0},  // a first sample on the axis takes the next one's sign
        {"x", 'x', 0, 1, 3200, IntegralFinished, 0.5, 0.5, 0},
        {"2", 't', 0, 0.005, 100, IntegralFinished, 0.01, 0.01, 0},      // one shorter step only
        {"1", 'y', 0, 1.005, 100, IntegralFinished, 1.005, 1.005, 0},    // a shorter last step
        {"x-0.005", 'x', 0, 0.01, 100, IntegralFinished, 0, 0.00005, 0},  // samples on both sides: area only
        {"1/x", 'x', -1, 1, 100, IntegralNotContinuous, 0, 0, 0},
        {"100001*x", 'x', 0, 1, 100, IntegralNotContinuous, 0, 0, 0},  // only the last sample is too large
        {"sqrt(x)", 'x', -1, 0, 100, IntegralNotContinuous, 0, 0, 0},
        {"x)", 'x', 0, 1, 100, IntegralFailed, 0, 0, 1002},
        {"root(2,x)", 'x', 0, 1, 100, IntegralFailed, 0, 0, 1020},
    };
    StartEngine();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        RecordingIntegralSink sink;
        const IntegralResult result =
            ComputeIntegral({row.text, row.argument, row.precision, row.from, row.to}, sink, nullptr);
        EXPECT_EQ(result.outcome, row.outcome);
        EXPECT_EQ(result.error ? result.error->Code() : 0, row.errorCode);
        EXPECT_NEAR(result.integral, row.integral, 1e-9);
        EXPECT_NEAR(result.area, row.area, 1e-9);
        EXPECT_EQ(sink.doneCount, 0);  // the end is the caller's to report
    }
}

// The sums are taken in their one order, so that every result keeps every
// digit it has always had: the values below are those of the run that
// evaluated under the lock through the variable table.
TEST(ComputeIntegral, KeepsEveryDigit)
{
    const struct {
        const char* text;
        char argument;
        double from, to;
        int precision;
        double integral, area;
    } rows[] = {
        {"x", 'x', 0, 1, 100, 0.49999999999999939, 0.49999999999999939},
        {"x", 'x', -1, 1, 100, -6.4878658001532585e-16, 0.99999999999999933},
        {"sin(x)", 'x', 0, 3.141592653589793, 100, 1.9999820650436648, 1.999983333352815},
        {"x^3-2*x+1", 'x', -3, 5.37, 800, 176.17480891594107, 197.76498516301166},
        {"exp(-t)*cos(3*t)", 't', 0, 10, 1600, 0.099985605825877566, 0.64756206118225312},
        {"ln(y)", 'y', 0.1, 7, 200, 6.9516090187071908, 8.2911294966421103},
        {"abs(x)-2", 'x', -5, 5, 400, 4.9999999999998836, 12.999999999999881},
        {"sqrt(x)*sin(x)", 'x', 0, 100, 3200, -8.022063026685581, 426.51765672772797},
        {"tan(x/10)", 'x', 0.3, 12.7, 3200, 12.159973128858098, 12.159973128858098},
        {"0x^2+x^2*sin(x)", 'x', -20, 20, 3200, 1.4299698468660579e-13, 3288.7383160625363},
    };
    StartEngine();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        RecordingIntegralSink sink;
        const IntegralResult result =
            ComputeIntegral({row.text, row.argument, row.precision, row.from, row.to}, sink, nullptr);
        ASSERT_EQ(result.outcome, IntegralFinished);
        EXPECT_EQ(result.integral, row.integral);
        EXPECT_EQ(result.area, row.area);
    }
}

TEST(IntegralBounds, ReadsTypedBoundsOrNamesTheFault)
{
    const std::string range = LoadAppString(StringId::WrongRange);
    const struct {
        const char* from;
        const char* to;
        bool timesPi;
        std::string message;
        double lo, hi;
    } rows[] = {
        {"0", "1", false, "", 0, 1},
        {" -2.5", "1e2", false, "", -2.5, 100},
        {"0", "1", true, "", 0, 3.141592653589793},
        {"", "1", false, range, 0, 0},
        {"1", "1", false, range, 0, 0},
        {"2", "1", false, range, 0, 0},
        {"nan", "1", false, range, 0, 0},
        {"0,5", "1", false, "The string you have entered '0,5' contains incorrect characters ','.", 0, 0},
        {"0", "1 ", false, "The string you have entered '1 ' contains incorrect characters ' '.", 0, 0},
        {"0", "2\xCF\x80", false, "The string you have entered '2\xCF\x80' contains incorrect characters '\xCF\x80'.", 0, 0},
        {"0", "1e999", false, "The number '1e999' you have entered is too big.", 0, 0},
        {"-1e308", "0", true, "The number '-1e308' you have entered is too big.", 0, 0},
        {"x", "1e999", false, "The string you have entered 'x' contains incorrect characters 'x'.", 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " .. " + row.to);
        IntegralBounds bounds;
        EXPECT_EQ(ReadIntegralBounds(row.from, row.to, row.timesPi, bounds), row.message);
        EXPECT_EQ(bounds.from, row.lo);
        EXPECT_EQ(bounds.to, row.hi);
    }
}

// A run may take up to 1e9 steps at its precision; more names the count.
TEST(IntegralSteps, MoreThanTheLimitIsNamed)
{
    const struct {
        double from, to;
        int precision;
        const char* steps;  // null: within the limit
    } rows[] = {
        {0, 1e7, 100, nullptr},
        {-5e6, 5e6, 100, nullptr},
        {0, 1e7 + 0.01, 100, "1000000001"},
        {0, 312500, 3200, nullptr},
        {0, 312500.001, 3200, "1000000004"},  // a last step shorter than the others counts
        {-1e308, 1e308, 100, "2e+310"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.to);
        const std::string message = IntegralStepsMessage(StringId::TooManySteps, row.from, row.to, row.precision);
        EXPECT_EQ(message, row.steps ? "The range holds " + std::string(row.steps) +
                                           " steps at the chosen precision, more than the 1000000000 a "
                                           "calculation may take.\nChoose a smaller range or a lower precision."
                                     : "");
    }
}

}  // namespace
