// The reading of a formula, compiled again by the engine, gives the same
// bits as the formula wherever the formula's value is finite: over the
// expression fuzz corpus and over random formulas full of the grammar's
// surprises.

#include "EngineFixture.h"
#include "expr/ExprExplanation.h"

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

namespace {

constexpr double kValues[] = {-2.5, -1, -0.5, 0, 0.25, 1, 1.5, 2, 3.75, 10};

// The value at v, or nothing when evaluating throws.
std::optional<double> ValueAt(CExpression& expression, double v)
{
    try {
        return EvalAt(expression, v);
    } catch (const CExprException&) {
        return std::nullopt;
    }
}

// What went wrong when the reading of text is compiled and evaluated in its
// place; empty when nothing did, or when text does not compile.
std::string Disagreement(const std::string& text, const char* arg)
{
    std::string reading;
    {
        std::lock_guard lock(theVariables.Lock());
        const ExprExplanation explanation = ExplainExpression(text, arg);
        if (explanation.error)
            return {};
        reading = explanation.reading;
    }
    // The engine reads 255 characters; a longer reading cannot be typed.
    if (reading.size() > MAX_EXPR_TEXT)
        return {};
    std::unique_ptr<CExpression> original, again;
    try {
        original = Compile(text, arg);
    } catch (const CExprException&) {
        return {};
    }
    try {
        again = Compile(reading, arg);
    } catch (const CExprException& error) {
        return "the reading " + reading + " does not compile: " + error.Message();
    }
    for (double v : kValues) {
        const std::optional<double> expected = ValueAt(*original, v);
        if (!expected || !std::isfinite(*expected))
            continue;
        const std::optional<double> actual = ValueAt(*again, v);
        if (!actual || std::bit_cast<std::uint64_t>(*actual) != std::bit_cast<std::uint64_t>(*expected)) {
            std::ostringstream out;
            out.precision(17);
            out << "the reading " << reading << " at " << v << " gives "
                << (actual ? std::to_string(*actual) : "an error") << ", the formula " << *expected;
            return out.str();
        }
    }
    return {};
}

TEST(ReadingProperty, AgreesWithTheFuzzCorpus)
{
    StartEngine();
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(CURVIX_EXPRESSION_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (const char* arg : {"x", "t"}) {
            SCOPED_TRACE(entry.path().filename().string() + " with " + arg);
            EXPECT_EQ(Disagreement(text, arg), "");
        }
        ++count;
    }
    EXPECT_GT(count, 20u);
}

// Random formulas in the engine's own language, surprises included: signs
// after operators, runs of operators, implicit products, bars, commas and
// points, capitals and spaces, the false of comparisons. Power chains of
// two or more '^' have their own maker below.
class FormulaMaker {
public:
    std::string Formula() { return Sum(2); }

    // A chain of two or three '^' in a random place. The engine ends a
    // term at a chain's first power when that is not finite, while the
    // reading's brackets end it at the first power after them; and a
    // comparison's false raised to 1 stays false along the engine's chain,
    // while it leaves a bracket as 0. So the reading is exact wherever the
    // chain's powers are finite (or its first is NaN), and these operands
    // keep them so.
    std::string Chain()
    {
        std::string chain = Pick({"x", "2", "0.5", "pi", "(x+1)", "|x|", "sin(x)", "X"});
        chain += "^" + Pick({"2", "3", "0.5", "x", "(1/3)", "(-1)", "|x|"});
        for (int powers = Count(2); powers > 0; --powers)
            chain += "^" + Pick({"2", "3", "0.5", "(1/3)", "(-1)"});
        return Pick({"", "2*", "1/", "x-", "-", "3+", "2x"}) + chain + Pick({"", "*x", "/2", "+1", "^", "x"});
    }

private:
    std::string Pick(std::initializer_list<const char*> choices)
    {
        std::uniform_int_distribution<size_t> pick(0, choices.size() - 1);
        return *(choices.begin() + pick(m_random));
    }
    int Count(int most) { return std::uniform_int_distribution<int>(1, most)(m_random); }

    std::string Sum(int depth)
    {
        std::string text = Pick({"", "", "", "-", "--", "+"}) + Product(depth);
        for (int terms = Count(3); --terms > 0;)
            text += Pick({"+", "-", "+", "-", "--", "-+", "+*"}) + Product(depth);
        return text;
    }

    std::string Product(int depth)
    {
        std::string text = Factor(depth);
        bool raised = false;
        for (int factors = Count(4); --factors > 0;) {
            const std::string op = raised ? Pick({"*", "/", "", "*-", "/ ", " "})
                                          : Pick({"*", "/", "^", "", "*", "/", "^", "^-", "*-", "/ ", "^^", " "});
            raised = op == "^" || op == "^^";
            text += op + Factor(depth);
        }
        return text + Pick({"", "", "", "", "", "*", "^"});
    }

    std::string Factor(int depth)
    {
        const int kind = std::uniform_int_distribution<int>(0, depth > 0 ? 9 : 4)(m_random);
        if (kind <= 1)
            return Pick({"1", "2", "3", "0.5", ".5", "2.", "1e3", "2e2", "10", "0", "1.5e-3", "3,5", "007", "0.1"});
        if (kind <= 3)
            return Pick({"x", "X", "pi", "e", "PI", "x", "x"});
        if (kind == 4)
            return Pick({"()", "||", "2_"});
        if (kind == 5)
            return "(" + Sum(depth - 1) + ")";
        if (kind == 6)
            return "|" + Sum(depth - 1) + "|";
        if (kind == 7)
            return Pick({"sin", "cos", "tg", "TAN", "arcsin", "atan", "acot", "sec", "sh", "th", "sqrt", "ln", "lg",
                         "fact", "exp", "abs", "int", "round", "sign", "block", "arsh", "arth"}) +
                   "(" + Sum(depth - 1) + ")";
        return Pick({"pow", "log", "root", "equal", "greater", "less", "or", "and"}) + "(" + Sum(depth - 1) + "," +
               Pick({"2", "3", "1", "0", "x", "-1"}) + ")";
    }

    std::mt19937 m_random{20240615};
};

TEST(ReadingProperty, AgreesWithRandomFormulas)
{
    StartEngine();
    FormulaMaker maker;
    size_t typable = 0;
    for (int i = 0; i < 4000; ++i) {
        const std::string text = maker.Formula();
        SCOPED_TRACE(text);
        EXPECT_EQ(Disagreement(text, "x"), "");
        typable += text.size() <= MAX_EXPR_TEXT;
    }
    EXPECT_GT(typable, 2500u);
}

TEST(ReadingProperty, AgreesWithRandomPowerChains)
{
    StartEngine();
    FormulaMaker maker;
    for (int i = 0; i < 1000; ++i) {
        const std::string text = maker.Chain();
        SCOPED_TRACE(text);
        EXPECT_EQ(Disagreement(text, "x"), "");
    }
}

}  // namespace
