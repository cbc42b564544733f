#pragma once

#include <cstddef>
#include <memory>
#include <string>

class CExpression;
struct BuiltinFunction;

// The current argument variable's name as expression text spells it
// (lowercased); 1012 when no variable is current.
std::string CurrentArgumentName();

// A call's text ("name(" and the argument text) cut as the compiler reads
// it: the argument text splits at its last ',' outside round brackets.
struct CallText {
    std::string name;
    std::string first;
    std::string second;  // empty without a splitting comma
    bool twoArguments = false;
    size_t firstOffset = 0;   // where each argument starts in the call's text
    size_t secondOffset = 0;
};
CallText SplitCallText(const std::string& text);

enum FactorKind { FK_BRACKETS = 0, FK_ABS = 1, FK_CALL = 2, FK_NUMBER = 3, FK_VARIABLE = 4 };

// One factor of a term: a number, a variable, a bracket group, an
// absolute-value group or a function call. Compiled on construction; a
// factor that does not contain the argument variable gets its final value
// right away.
class CExprFactor {
public:
    // text: the digits of a number, a variable name, the inside of a group,
    // or for a call the name, "(" and the argument text.
    CExprFactor(std::string text, char op, FactorKind kind);
    // A constant factor made by folding.
    CExprFactor(double value, char op);
    ~CExprFactor();

    std::string text;
    std::unique_ptr<CExpression> arg1;
    std::unique_ptr<CExpression> arg2;
    char op;
    FactorKind kind;
    int id = -1;  // FunctionId of a call, index of a variable
    double value = 0.0;
    bool isConstant;
    const BuiltinFunction* function = nullptr;  // the function of a call

private:
    void CompileGroup();
    void CompileCall();
    void CompileVariable();
};
