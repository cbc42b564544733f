#pragma once

#include "TermWalk.h"

#include <cstdint>
#include <vector>

class CExpression;
struct BuiltinFunction;
struct CVariable;

// A simplified expression lowered to a flat list of operations on a stack of
// doubles, so that evaluation walks no tree, allocates nothing and touches no
// text. Each operation keeps the exact rules of the expression tree: factors
// of a term are all computed first, the term walk combines them, and a sum
// stops at its first term that is not finite.
class ExprProgram {
public:
    void Build(const CExpression& expression);
    bool IsBuilt() const { return !m_code.empty(); }
    // Runs the program and returns the expression's value.
    double Run();

private:
    enum class Op : std::uint8_t {
        PushVariable,  // push a variable's value (1019 if it became unavailable)
        Call1,         // top = f(top, EXPR_NO_ARG)
        Call2,         // top-1 = f(top-1, top), pop
        Abs,           // top = |top|
        Single,        // top = the value of a sum of one plain '*' factor
        BeginSum,      // push 0
        Term,          // walk the term's factors, add the term to the sum
        AddConstant,   // add a constant term to the sum
    };
    struct Instruction {
        Op op;
        char sign = '+';
        std::int32_t pushed = 0;     // Term: values it takes from the stack
        std::int32_t walkBegin = 0;  // Term: its factors in m_walk
        std::int32_t walkCount = 0;
        std::int32_t endOfSum = 0;   // Term, AddConstant: where the sum ends
        double constant = 0.0;
        const void* target = nullptr;  // the variable or the function
    };

    void Lower(const CExpression& expression);
    void LowerFactorValue(const class CExprFactor& factor);
    void Emit(Instruction instruction, int stackChange);

    std::vector<Instruction> m_code;
    std::vector<WalkItem> m_walk;
    std::vector<double> m_stack;
    const BuiltinFunction* m_pow = nullptr;
    int m_depth = 0;
    int m_maxDepth = 0;
};
