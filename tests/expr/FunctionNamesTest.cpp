// The names users try first: abs and exp as functions of their own at the
// end of their groups, asin, acos, atan and acot as further names of the
// inverse trigonometric functions. The functions that were there keep
// their ids.

#include "expr/CFunctionList.h"
#include "EngineFixture.h"

namespace {

TEST(FunctionNames, AbsExpAndTheShortInverseNamesCompute)
{
    const struct {
        const char* text;
        double x;
        double expected;
    } rows[] = {
        {"abs(x)", -2.5, 2.5}, {"ABS(x-1)", 3, 2}, {"abs(x)", 0, 0},
        {"exp(x)", 1, std::exp(1.0)}, {"exp(x)", -745.2, std::exp(-745.2)}, {"exp(x)", 710, kInf},
        {"asin(x)", 0.5, std::asin(0.5)}, {"acos(x)", 1.000005, 0}, {"ATAN(x)", 1, std::atan(1.0)},
        {"acot(x)", 1, EXPR_HALF_PI - std::atan(1.0)}, {"arctan(x)", 2, std::atan(2.0)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ExpectValue(Eval(row.text, row.x), row.expected);
    }
}

TEST(FunctionNames, NewNamesResolveAfterTheOldIds)
{
    StartEngine();
    const std::pair<const char*, FunctionId> names[] = {
        {"exp", 0x00070000}, {"abs", 0x00090003}, {"asin", 0x00040001}, {"acos", 0x00050001},
        {"atan", 0x00060001}, {"acot", 0x00070001}, {"root", 0x00060000}, {"round", 0x00080003},
    };
    for (const auto& [name, id] : names) {
        FunctionId found = 0;
        theFunctionList.FindId(name, &found);
        EXPECT_EQ(found, id) << name;
    }
    // Arity errors quote each function's help text, the old ones unchanged.
    const std::pair<const char*, const char*> help[] = {
        {"abs(1,2)", "abs(x)"}, {"exp(1,2)", "exp(x)"}, {"asin(1,2)", "arcsin(x)"},
        {"atan(1,2)", "arctg(x) / arctan(x)"}, {"acot(1,2)", "arcctg(x) / arccot(x)"},
    };
    for (const auto& [text, expected] : help)
        ExpectError(CatchExpr([text = text] { Compile(text); }), 1017, expected);
}

}  // namespace
