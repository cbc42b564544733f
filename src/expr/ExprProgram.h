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
        PushConstant,        // push a sum that is constant as a whole
        PushVariable,        // push the argument variable's value
        PushSingleVariable,  // push a sum that is just the argument variable
        Single,              // top = the sum of one plain '*' factor of value top
        Call1,               // top = f(top, EXPR_NO_ARG)
        Call2,               // top-1 = f(top-1, top), pop
        Abs,                 // top = |top|
        // Terms of a sum. A term takes its one value v from the variable
        // named by target, else from the stack, computes the term and adds
        // it to the sum below (the first term of a sum starts it at 0). The
        // shaped ones are the term walk written out for common shapes.
        TermSingle,       // v
        TermScaled,       // c * v (either order)
        TermPower,        // v ^ e
        TermScaledPower,  // c * v ^ e
        Term,             // any other: the general walk over `pushed` values
        AddConstant,      // a term that does not use the argument
    };
    struct Instruction {
        Op op;
        char sign = '+';
        bool startsSum = false;
        std::int32_t pushed = 0;     // Term: values it takes from the stack
        std::int32_t walkBegin = 0;  // Term: its factors in m_walk
        std::int32_t walkCount = 0;
        std::int32_t endOfSum = 0;   // terms: where the sum ends
        double constant = 0.0;
        double exponent = 0.0;
        const void* target = nullptr;  // the variable or the function
    };

    void Lower(const CExpression& expression);
    void LowerFactorValue(const class CExprFactor& factor);
    void EmitTerm(const class CExprTerm& term, bool startsSum);
    void Emit(Instruction instruction, int stackChange);
    // Adds a term's value to the sum; a value that is not finite ends the
    // sum and pc moves to its end.
    void AddTerm(const Instruction& in, double value, int& top, size_t& pc);

    std::vector<Instruction> m_code;
    std::vector<WalkItem> m_walk;
    std::vector<double> m_stack;
    const BuiltinFunction* m_pow = nullptr;
    int m_depth = 0;
    int m_maxDepth = 0;
};
