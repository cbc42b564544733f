#include "expr/CFunctionGroup.h"
#include "expr/CFunctionList.h"
#include "expr/CPowerFunctions.h"
#include "expr/CTrigFunctions.h"
#include "EngineFixture.h"

#include <vector>

namespace {

// A table filled like the one at start-up, but private to the test.
void FillLikeStartUp(CVariableTable& table)
{
    table.AddVariable("pi", 3.141592653589793, true);
    table.AddVariable("e", 2.718281828, true);
    for (const char* name : {"x", "y", "t"})
        table.AddVariable(name, 0.0, false);
}

// Names are found without regard to case; availability guards reading and
// looking up, not writing; errors name the variable as it was stored.
TEST(VariableTable, GuardsUnavailableVariables)
{
    CVariableTable table;
    FillLikeStartUp(table);
    char name[64] = "";
    table.GetCurrentName(name);
    EXPECT_STREQ(name, "pi");
    int index = -1;
    double value = 0;
    ExpectError(CatchExpr([&] { table.FindIndex("X", &index); }), 1019, "x");
    EXPECT_TRUE(table.SetValue("X", 2.5));
    ExpectError(CatchExpr([&] { table.GetValue(2, &value); }), 1019, "x");
    table.SetAvailable("x", true);
    EXPECT_TRUE(table.FindIndex("X", &index) && table.GetValue(index, &value));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(value, 2.5);

    table.SetCurrent("T");
    table.SetCurrentValue(7.0);
    table.GetCurrentName(name);
    EXPECT_STREQ(name, "t");
    table.SetAvailable("t", true);
    table.GetValue(4, &value);
    EXPECT_EQ(value, 7.0);

    table.AddVariable("Foo", 1.0, false);
    ExpectError(CatchExpr([&] { table.FindIndex("FOO", &index); }), 1019, "Foo");
}

TEST(VariableTable, RefusesBadNamesIndexesAndA65thVariable)
{
    CVariableTable table, empty;
    FillLikeStartUp(table);
    double value = 0;
    int index = 0;
    char name[64];
    const std::tuple<const char*, std::function<void()>, int, const char*> rows[] = {
        {"add PI", [&] { table.AddVariable("PI", 1, true); }, 1011, "PI"},
        {"set zz", [&] { table.SetValue("zz", 1); }, 1012, "zz"},
        {"find zz", [&] { table.FindIndex("zz", &index); }, 1012, "zz"},
        {"make q available", [&] { table.SetAvailable("q", true); }, 1012, "q"},
        {"make q current", [&] { table.SetCurrent("q"); }, 1012, "q"},
        {"index 64", [&] { table.GetValue(64, &value); }, 1012, ""},
        {"index -1", [&] { table.GetValue(-1, &value); }, 1012, ""},
        {"empty slot", [&] { table.GetValue(5, &value); }, 1012, ""},
        {"no current name", [&] { empty.GetCurrentName(name); }, 1012, ""},
        {"no current value", [&] { empty.SetCurrentValue(1); }, 1012, ""},
    };
    for (const auto& [what, call, code, arg] : rows) {
        SCOPED_TRACE(what);
        ExpectError(CatchExpr(call), code, arg);
    }
    // 64 slots: 59 more variables fill the started table.
    for (int i = 0; i < 59; ++i)
        table.AddVariable(("v" + std::string(i + 1, 'a')).c_str(), i, true);
    ExpectError(CatchExpr([&] { table.AddVariable("last", 0, true); }), 1013, "last");
}

double Seven(double, double) { return 7.0; }
constexpr BuiltinFunction kShadow[] = {{"sqrt", nullptr, "sqrt(x)", 1, Seven}};

// A group that knows one name, "sqrt", under a title of its own.
class ShadowGroup : public CFunctionGroup {
public:
    explicit ShadowGroup(const std::string& title) : CFunctionGroup(title.c_str(), kShadow) {}
    bool MatchName(const char* name) override { return MatchFunctionName(name); }
    void Evaluate(const double* args) override { EvaluateSelected(args); }
};

// Titles are unique without regard to case; every group that knows a name
// computes and the last one wins; 128 slots.
TEST(FunctionList, RegistersUpTo128UniqueGroups)
{
    CFunctionList list;
    CPowerFunctions power;
    CTrigFunctions trig, secondTrig;
    ShadowGroup shouting("POWER FUNCTIONS"), shadow("shadow");
    EXPECT_TRUE(list.AddGroup(&power) && list.AddGroup(&trig));
    ExpectError(CatchExpr([&] { list.AddGroup(&secondTrig); }), 1006, "trigonometrical functions");
    ExpectError(CatchExpr([&] { list.AddGroup(&shouting); }), 1006, "POWER FUNCTIONS");

    EXPECT_TRUE(list.AddGroup(&shadow));
    FunctionId id = 0;
    list.FindId("SQRT", &id);
    EXPECT_EQ(id, 0x00000002u);
    const double args[2] = {16, EXPR_NO_ARG};
    double out = 0;
    list.CallByName("sqrt", args, &out);
    EXPECT_EQ(out, 7.0);
    list.CallById(0x00000000, args, &out);
    EXPECT_EQ(out, 4.0);

    std::vector<std::unique_ptr<ShadowGroup>> more;
    for (int i = 3; i < 128; ++i) {
        more.push_back(std::make_unique<ShadowGroup>("group " + std::to_string(i)));
        ASSERT_TRUE(list.AddGroup(more.back().get()));
    }
    ShadowGroup extra("one too many");
    ExpectError(CatchExpr([&] { list.AddGroup(&extra); }), 1005, "");
}

}  // namespace
