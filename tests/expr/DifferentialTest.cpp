// The compiled program against the plain walk over terms and factors: every
// evaluator table row, every fuzz seed and a run of generated formulas, each
// at many arguments, as parsed and simplified. The two agree bit for bit
// (any NaN with any NaN) or fail with the same error; Evaluate agrees with
// both.

#include "EvaluatorRows.h"
#include "expr/ExprTreeWalk.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <span>

namespace {

// A value's bits, or an engine error's code.
struct Result {
    std::uint64_t bits = 0;
    int error = 0;

    bool operator==(const Result&) const = default;
};

Result ResultOf(const std::function<double()>& evaluate)
{
    try {
        const double value = evaluate();
        if (std::isnan(value))
            return {0x7FF8000000000000u, 0};
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        return {bits, 0};
    } catch (const CExprException& error) {
        return {0, error.Code()};
    }
}

const double kArguments[] = {0.0, -0.0, 1.0, -1.0, 0.5, -2.5, 3.0, 7.25, 1000.0, -1000.0, 1e-300,
                             1e200, -1e200, 1e308, kInf, -kInf, kNaN, 3.141592653589793 / 2};

// Compares at the given argument and at every one of kArguments. Texts
// that do not compile are left out. Returns the number of comparisons.
int CompareBothWays(const std::string& text, const char* arg, double extra)
{
    int compared = 0;
    for (const bool simplify : {false, true}) {
        std::unique_ptr<CExpression> expression;
        try {
            expression = Compile(text, arg, simplify);
        } catch (const CExprException&) {
            return compared;
        }
        std::vector<double> arguments(std::begin(kArguments), std::end(kArguments));
        arguments.push_back(extra);
        for (const double argument : arguments) {
            const EvalContext context{argument};
            const Result program = ResultOf([&] { return expression->Value(context); });
            const Result walk = ResultOf([&] { return ExprTreeWalk::Value(*expression, context); });
            const Result evaluated = ResultOf([&] { return EvalAt(*expression, argument); });
            EXPECT_EQ(program, walk) << '"' << text << "\" at " << arg << " = " << argument
                                     << (simplify ? ", simplified" : ", as parsed");
            EXPECT_EQ(program, evaluated) << '"' << text << "\" at " << argument;
            ++compared;
        }
    }
    return compared;
}

TEST(Differential, EveryTableRow)
{
    using namespace EvaluatorRows;
    for (const std::span<const ValueRow> rows : {std::span<const ValueRow>(kStopRows), std::span<const ValueRow>(kFalseRows),
                                                  std::span<const ValueRow>(kPowerRows), std::span<const ValueRow>(kParseRows)}) {
        for (const ValueRow& row : rows)
            CompareBothWays(row.text, "x", row.x);
    }
    for (const ErrorRow& row : kDeferredErrorRows)
        EXPECT_GT(CompareBothWays(row.text, row.arg, row.value), 0) << row.text;
}

TEST(Differential, EveryFuzzSeed)
{
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(CURVIX_EXPRESSION_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (const char* arg : {"x", "t"})
            CompareBothWays(text, arg, 0.25);
        ++files;
    }
    EXPECT_GT(files, 30);
}

// Formulas of every shape the compiler treats apart: sums of terms of
// factors joined by '*', '/', '^' or nothing, of numbers (false and infinite
// ones too), the argument, calls, bars and brackets.
class FormulaMaker {
public:
    explicit FormulaMaker(unsigned seed) : m_random(seed) {}

    // A formula of at most MAX_EXPR_TEXT characters.
    std::string Formula()
    {
        std::string text;
        do
            text = Sum(0);
        while (text.size() > MAX_EXPR_TEXT);
        return text;
    }

private:
    std::string Sum(int depth)
    {
        std::string text = Pick({"", "-"});
        const int terms = Below(depth > 0 ? 2 : 4) + 1;
        for (int i = 0; i < terms; ++i)
            text += (i ? Pick({"+", "-"}) : "") + Term(depth);
        return text;
    }

    std::string Term(int depth)
    {
        std::string text = Factor(depth);
        const int more = Below(4);
        for (int i = 0; i < more; ++i) {
            const std::string next = Factor(depth);
            // Nothing between two factors multiplies them unless they would
            // read as one name or number.
            const bool adjacent = next[0] == '(' || next[0] == '|';
            text += (adjacent ? Pick({"*", "/", "^", ""}) : Pick({"*", "/", "^"})) + next;
        }
        return text;
    }

    std::string Factor(int depth)
    {
        switch (Below(depth > 1 ? 3 : 7)) {
        case 0:
        case 1:
            return "x";
        case 2:
            return Pick({"2", "3", "0", "0.5", "1e200", "10^400", "less(1,0)", "40", "(0-2)"});
        case 3:
            return "(" + Sum(depth + 1) + ")";
        case 4:
            // Bars do not nest.
            return depth == 0 ? "|" + Sum(2) + "|" : "x";
        case 5:
            return Pick({"sin", "ln", "sqrt", "tg", "arctg", "int", "sign"}) + ("(" + Sum(depth + 1) + ")");
        default:
            return Pick({"pow", "less", "root", "log", "greater"}) + ("(" + Sum(depth + 1) + "," + Factor(depth + 1) + ")");
        }
    }

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    std::string Pick(std::initializer_list<const char*> choices)
    {
        return *(choices.begin() + Below(static_cast<int>(choices.size())));
    }

    std::mt19937 m_random;
};

TEST(Differential, GeneratedFormulas)
{
    FormulaMaker maker(19);
    int compared = 0;
    for (int i = 0; i < 3000; ++i)
        compared += CompareBothWays(maker.Formula(), "x", 1.5);
    // Most of them compile, as parsed and simplified, each at 19 arguments.
    EXPECT_GT(compared, 3000 * 30);
}

}  // namespace
