#pragma once

#include "expr/ExprConstants.h"

#include <span>

// One built-in function of a group: its names (the second and third may be
// null), the help text that arity errors quote, the number of arguments it
// takes and the computation itself. The first name is the one readings use.
struct BuiltinFunction {
    const char* name;
    const char* alias;
    const char* help;
    int arity;
    double (*compute)(double a, double b);
    const char* alias2 = nullptr;
};

// Throws 1016 or 1017 for a call with the wrong number of arguments.
[[noreturn]] void ThrowArityError(const BuiltinFunction& function);

// Checks the arity of a call against EXPR_NO_ARG (1016 or 1017 with the help
// text), then computes the function.
inline double CallBuiltin(const BuiltinFunction& function, double a, double b)
{
    if ((b == EXPR_NO_ARG) == (function.arity == 2)) [[unlikely]]
        ThrowArityError(function);
    return function.compute(a, b);
}

// A group of built-in functions registered in the function list. A call
// selects a function by number, evaluates it with two arguments and reads
// the result.
class CFunctionGroup {
public:
    CFunctionGroup(const char* title, std::span<const BuiltinFunction> functions);
    virtual ~CFunctionGroup() = default;
    CFunctionGroup(const CFunctionGroup&) = delete;
    CFunctionGroup& operator=(const CFunctionGroup&) = delete;

    // The base compares the group's title, without regard to case.
    virtual bool MatchName(const char* name);
    // Numbers above 65535 are refused.
    bool SelectFunction(int number);
    // Computes the selected function of args[0] and args[1] into the result.
    virtual void Evaluate(const double* args) = 0;
    double GetResult(double* out) const;

    const char* Title() const { return m_title; }
    int Selected() const { return m_selected; }
    // The function with this number, or null when the group has none.
    const BuiltinFunction* FunctionAt(int number) const;

protected:
    // What every group's MatchName does: selects the first function one of
    // whose names equals name, without regard to case.
    bool MatchFunctionName(const char* name);
    // What every group's Evaluate does: computes the selected function; a
    // number the group does not have leaves the result unchanged.
    void EvaluateSelected(const double* args);

private:
    char m_title[64];
    double m_result = 0.0;
    int m_selected = 0;
    std::span<const BuiltinFunction> m_functions;
};
