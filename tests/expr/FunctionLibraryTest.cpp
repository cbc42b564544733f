#include "expr/CFunctionList.h"
#include "EngineFixture.h"

namespace {

constexpr double N = EXPR_NO_ARG;  // second argument of a one-argument call
constexpr double PI = 3.141592653589793;
constexpr double HALF_PI = 1.5707963267948966;
constexpr double E = 2.718281828;

struct CallRow {
    const char* name;
    double a, b;
    double expected;
};

double Call(const char* name, double a, double b)
{
    StartEngine();
    const double args[2] = {a, b};
    double out = -12345.0;
    theFunctionList.CallByName(name, args, &out);
    return out;
}

// Every threshold and special value of the built-in functions, on both
// sides of each border.
TEST(FunctionLibrary, ComputesValuesAndThresholds)
{
    const CallRow rows[] = {
        // Trigonometric: pole guards of tg and ctg, the band of arccos above 1.
        {"cos", 0, N, 1}, {"tg", HALF_PI + 0.002, N, kNaN}, {"tg", HALF_PI - 0.0024, N, kNaN},
        {"tan", HALF_PI + 0.003, N, std::tan(HALF_PI + 0.003)}, {"ctg", 0.001, N, kNaN}, {"cot", PI + 0.001, N, kNaN},
        {"ctg", 0.003, N, 1 / std::tan(0.003)}, {"ctg", PI - 0.001, N, 1 / std::tan(PI - 0.001)},
        {"arcsin", 1.0000001, N, kNaN}, {"arcsin", -1.0000001, N, kNaN}, {"arccos", 1.0, N, 0},
        {"arccos", 1.000005, N, 0}, {"arccos", 1.0001, N, kNaN}, {"arccos", -1.000005, N, kNaN},
        {"arctg", 1, N, PI / 4}, {"arccot", 1, N, HALF_PI - std::atan(1.0)}, {"sec", 0, N, 1}, {"cosec", 0, N, kInf},
        // Power functions: pow's special cases, logarithms, fact, root.
        {"sqrt", -1, N, kNaN}, {"pow", 0, -1, 0}, {"pow", 0, 0, 1}, {"pow", -8, 1.0 / 3, kNaN}, {"log", 2, 8, 3},
        {"log", 1, 8, kInf}, {"log", 10, 0, -kInf}, {"lg", 1000, N, 3}, {"lg", 0, N, -kInf}, {"lg", -1, N, kNaN},
        {"ln", 0, N, -kInf}, {"ln", -1, N, kNaN}, {"fact", 2.5, N, 2}, {"fact", 2.6, N, 6}, {"fact", 3.5, N, 6},
        {"fact", 0, N, 1}, {"fact", -3, N, 1}, {"fact", 170, N, 7.257415615307994e306}, {"fact", 171, N, kInf},
        {"fact", 1e300, N, kInf}, {"root", 0, 2.5, 0}, {"root", 5, 0, 1}, {"root", 7, 1, 7}, {"root", -4, 2, kNaN},
        {"root", -8, -3, kNaN}, {"root", -8, 3, -2},
        // Hyperbolic functions use the ten-digit e; the clamps near +-1.
        {"sh", 1, N, (E - 1 / E) * 0.5}, {"cosh", 1, N, (E + 1 / E) * 0.5}, {"th", 800, N, kNaN},
        {"tanh", 1, N, (E - 1 / E) / (E + 1 / E)}, {"cth", 0, N, kInf}, {"arsh", 1, N, std::log(1 + std::sqrt(2.0))},
        {"arch", 1, N, 0}, {"arch", 0.5, N, kNaN}, {"acosh", -2, N, kNaN}, {"arth", 1, N, 100},
        {"arth", 0.999995, N, 100}, {"arth", 1.00001, N, 100}, {"arth", 1.00002, N, kNaN},
        {"arth", 0.99999, N, 0.5 * std::log(1.99999 / (1 - 0.99999))}, {"arth", -0.99999, N, -100},
        {"atanh", -1.00001, N, kNaN}, {"arth", 0.5, N, 0.5 * std::log(3.0)}, {"arcth", 1, N, 100},
        {"acoth", -1, N, -100}, {"arcth", 2, N, 0.5 * std::log(3.0)}, {"arcth", 0.5, N, kNaN},
        // Tool functions: tolerance 0.005, false is EXPR_FALSE.
        {"equal", 1, 1.004, 1}, {"equal", 1, 1.006, F}, {"equal", 1.006, 1, F}, {"equal", 0.005, 0, 1},
        {"equal", 0, 0.005, F}, {"greater", 2, 2, 1}, {"greater", 1, 2, F}, {"less", 2, 2, 1}, {"less", 3, 2, F},
        {"or", 0.006, 0, 1}, {"or", 0, -0.006, 1}, {"or", 0.005, 0, F}, {"or", F, F, F}, {"and", 1, 0.006, 1},
        {"and", 1, 0.005, F}, {"and", 1, F, F}, {"sign", 0.004, N, 0}, {"sign", -0.004, N, 0},
        {"sign", 0.005, N, kNaN}, {"sign", -0.0149, N, kNaN}, {"sign", 0.015, N, 1}, {"sign", -0.02, N, -1},
        {"block", 0.004, N, 1}, {"block", F, N, 1}, {"block", 0.005, N, kNaN}, {"int", 2.995, N, kNaN},
        {"int", 2.5, N, 2}, {"int", 3, N, 3}, {"int", -0.5, N, -1}, {"int", -0.005, N, kNaN},
        {"round", 2.495, N, kNaN}, {"round", 2.5, N, kNaN}, {"round", 2.45, N, 2}, {"round", 2.6, N, 3},
        {"round", -2.7, N, -3}, {"round", -2.3, N, -2},
    };
    for (const CallRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.name << "(" << row.a << ", " << row.b << ")");
        ExpectValue(Call(row.name, row.a, row.b), row.expected);
    }
}

// A wrong number of arguments is refused with the function's help text;
// root refuses a non-integer degree without argument.
TEST(FunctionLibrary, RefusesWrongArgumentsWithHelpText)
{
    // One row per help-text form and group; aliases show the names they share.
    const std::pair<const char*, const char*> rows[] = {
        {"sqrt(1,1)", "sqrt(x)"}, {"pow(1)", "pow(x, y)"}, {"root(1)", "root(x, y)"}, {"fact(1,1)", "fact(x)"},
        {"sin(1,1)", "sin(x)"}, {"tan(1,1)", "tg(x) / tan(x)"}, {"arcctg(1,1)", "arcctg(x) / arccot(x)"},
        {"cosec(1,1)", "cosec(x)"}, {"sinh(1,1)", "sh(x) [sinh(x)]"}, {"acosh(1,1)", "arch(x) [acosh(x)]"},
        {"arcth(1,1)", "arcth(x) [acoth(x)]"}, {"equal(1)", "equal(a, b)"}, {"less(1)", "less(x, y)"},
        {"block(1,1)", "block(a)"}, {"round(1,1)", "round(x)"}, {"root(4,2.5)", ""}, {"root(-8,0.5)", ""},
    };
    for (const auto& [text, help] : rows) {
        SCOPED_TRACE(text);
        const Caught caught = CatchExpr([formula = text] { Compile(formula); });
        // Two arguments to a one-argument function: 1017; one to a two-argument one: 1016.
        const int code = *help == '\0' ? 1020 : std::strchr(text, ',') ? 1017 : 1016;
        ExpectError(caught, code, help);
    }
}

// Names and aliases resolve, without regard to case, to slot | number << 16
// in the start-up order power, trigonometric, hyperbolic, tool; ids call.
TEST(FunctionLibrary, ResolvesAndCallsIds)
{
    StartEngine();
    const std::pair<const char*, FunctionId> names[] = {
        {"sqrt", 0x00000000}, {"pow", 0x00010000}, {"root", 0x00060000}, {"FACT", 0x00050000},
        {"sin", 0x00000001}, {"cosec", 0x00090001}, {"tan", 0x00020001}, {"ARCCOT", 0x00070001},
        {"sh", 0x00000002}, {"AcosH", 0x00050002}, {"acoth", 0x00070002}, {"equal", 0x00000003},
        {"round", 0x00080003},
    };
    for (const auto& [name, id] : names) {
        FunctionId found = 0xDEADBEEF;
        theFunctionList.FindId(name, &found);
        EXPECT_EQ(found, id) << name;
    }
    FunctionId found = 0;
    for (const char* unknown : {"foo", "power functions"}) {
        ExpectError(CatchExpr([&] { theFunctionList.FindId(unknown, &found); }), 1007, unknown);
        ExpectError(CatchExpr([&] { Call(unknown, 1, N); }), 1007, unknown);
    }

    const double args[2] = {2, 10};
    double out = 0;
    theFunctionList.CallById(0x00010000, args, &out);
    EXPECT_EQ(out, 1024.0);
    out = 0;  // a number the group does not have leaves its last result
    theFunctionList.CallById(0x00630000, args, &out);
    EXPECT_EQ(out, 1024.0);
    const std::pair<FunctionId, const char*> bad[] = {
        {0x00000009, "9"}, {0x00000080, "128"}, {0xFFFFFFFF, "-1"}, {0x00020004, "131076"}};
    for (const auto& [id, text] : bad)
        ExpectError(CatchExpr([&, id = id] { theFunctionList.CallById(id, args, &out); }), 1014, text);
}

}  // namespace
