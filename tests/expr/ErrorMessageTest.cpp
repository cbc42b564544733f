#include "EngineFixture.h"

namespace {

struct MessageRow {
    int code;
    const char* shortText;
    const char* longText;  // "%s" stands for the argument
};

// The message table, exact to the character ("supperted" and "connot" too).
const MessageRow kMessages[] = {
    {1000, "An operation was performed successfully.", "An operation was performed successfully."},
    {1001, "[Syntax error] Unable to convert an expression to a numeric value.",
           "[Syntax error] Unable to convert expression '%s' to a numeric value!"},
    {1002, "[Syntax error] Unexpected symbol was found.",
           "[Syntax error] Unexpected symbol was found: '%s'."},
    {1003, "[Run-time error] Not enough memory!", "[Run-time error] There was not enough memory to %s!"},
    {1004, "[Syntax error] The expression is not full enough to be evaluated.",
           "[Syntax error] '%s' expected."},
    {1005, "[Run-time error] Cannot handle more than 128 functions.",
           "[Run-time error] Cannot create function '%s'. You have already all 128 functions."},
    {1006, "[Run-time error] Duplicate function name found.",
           "[Run-time error] A function(s) with name(s) '%s' already exist(s)."},
    {1007, "[Run-time error] A function was not found in the list.",
           "[Run-time error] A function with the name '%s' is not found."},
    {1008, "[Error] Variables are not supperted by this version.",
           "[Error] Variables are not supperted by this version."},
    {1009, "[Syntax error] The value to the right of the '_' sign must be a number or an expression in brackets.",
           "[Syntax error] Unknown argument '%s'. The value to the left of '_' sign must be a number or an expression in brackets."},
    {1010, "[Math error] Invalid argument.", "[Math error] Invalid argument %s."},
    {1011, "[Run-time error] A single variable cannot be defined twice.",
           "[Run-time error] '%s' - variable has already been defined."},
    {1012, "[Syntax error] A variable is not defined.\nThe only supported variables are: pi, e and x (a function parameter).",
           "[Syntax error] '%s' - variable not defined.\nThe only supported variables are: pi, e and x (a function parameter)."},
    {1013, "[Run-time error] The program connot handle more than 128 variables.",
           "[Run-time error] Unable to create variable '%s'. The program connot handle more than 128 variables."},
    {1014, "[Run-time error] A function was not found in the list by ID.",
           "[Run-time error] A function with ID=%s was not found in the list."},
    {1015, "[Run-time error] Cannot use a variable before it is assigned.",
           "[Run-time error] Variable '%s' is used before it is assigned."},
    {1016, "[Syntax error] Wrong number of arguments in a call of a function which requires 2 arguments.",
           "[Syntax error] The function '%s' requires 2 arguments."},
    {1017, "[Syntax error] Wrong number of arguments in a call to a function which takes only 1 argument.",
           "[Syntax error] The function '%s' requires 1 argument."},
    {1018, "[Syntax error] Wrong expression syntax.", "[Syntax error] Wrong expression syntax: \"%s\"."},
    {1019, "[Syntax error] One or more used variables are not currently available.",
           "[Syntax error] The variable '%s' is not available in this expression.\n\n(e.g. you cannot use variable 'x' when creating function of type \"r = f ( t )\".\nIn this case you should use 't' variable.)"},
    {1020, "[Run-time error] Wrong argument in function 'root(x, y)' call.\nTip: y must always be an integer.",
           "[Run-time error] Wrong argument '%s' was given to the function root(x, y)."},
};

std::string WithArgument(std::string text, const std::string& arg)
{
    const size_t slot = text.find("%s");
    return slot == std::string::npos ? text : text.replace(slot, 2, arg);
}

std::string MessageOf(const CExprException& e)
{
    char buffer[1024] = "";
    unsigned help = 77;
    EXPECT_TRUE(e.GetErrorMessage(buffer, sizeof buffer, &help));
    EXPECT_EQ(help, 0u);
    return buffer;
}

// Without an argument the short message (string = code), with one the long
// message (string = code + 1000) with the argument in place of "%s".
TEST(ErrorMessage, ShowsShortAndLongForms)
{
    for (const MessageRow& row : kMessages) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(MessageOf(ExprError(row.code)), row.shortText);
        EXPECT_EQ(MessageOf(ExprError(row.code, "")), row.shortText);
        EXPECT_EQ(MessageOf(ExprError(row.code, "%d 'z'")), WithArgument(row.longText, "%d 'z'"));
    }
}

// A buffer needs room for argument + text + 6; a smaller one is refused and
// left as it was, and so is an unknown code.
TEST(ErrorMessage, RefusesSmallBuffersAndUnknownCodes)
{
    const auto longSize = static_cast<unsigned>(std::strlen(kMessages[12].longText));
    const auto shortSize = static_cast<unsigned>(std::strlen(kMessages[12].shortText));
    for (const auto& [arg, needed] : {std::pair{"z", 1 + longSize + 6}, std::pair{"", shortSize + 6}}) {
        SCOPED_TRACE(needed);
        const CExprException e = ExprError(1012, arg);
        char buffer[512] = "untouched";
        unsigned help = 77;
        EXPECT_FALSE(e.GetErrorMessage(buffer, needed - 1, &help));
        EXPECT_STREQ(buffer, "untouched");
        EXPECT_EQ(help, 77u);
        EXPECT_TRUE(e.GetErrorMessage(buffer, needed, &help));
        EXPECT_EQ(help, 0u);
    }
    char buffer[64] = "untouched";
    EXPECT_FALSE(ExprError(1021).GetErrorMessage(buffer, sizeof buffer));
    EXPECT_FALSE(ExprError(999, "a").GetErrorMessage(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "untouched");
}

// Arguments longer than 255 characters are cut to their first 255.
TEST(ErrorMessage, CutsLongArguments)
{
    const std::string arg = std::string(255, 'a') + std::string(45, 'b');
    const CExprException e = ExprError(1007, arg.c_str());
    EXPECT_EQ(e.Argument(), std::string(255, 'a'));
    EXPECT_EQ(e.Message(), WithArgument(kMessages[7].longText, std::string(255, 'a')));
}

}  // namespace
