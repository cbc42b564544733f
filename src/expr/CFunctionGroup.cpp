#include "expr/CFunctionGroup.h"

#include "expr/CExprException.h"
#include "expr/ExprConstants.h"

#include <cstdio>
#include "expr/ExprText.h"

void ThrowArityError(const BuiltinFunction& function)
{
    throw ExprError(function.arity == 1 ? 1017 : 1016, function.help);
}

CFunctionGroup::CFunctionGroup(const char* title, std::span<const BuiltinFunction> functions)
    : m_functions(functions)
{
    std::snprintf(m_title, sizeof m_title, "%s", title);
}

bool CFunctionGroup::MatchName(const char* name)
{
    return ExprText::EqualNoCase(name, m_title);
}

bool CFunctionGroup::SelectFunction(int number)
{
    if (number > 65535)
        return false;
    m_selected = number;
    return true;
}

double CFunctionGroup::GetResult(double* out) const
{
    if (out)
        *out = m_result;
    return m_result;
}

const BuiltinFunction* CFunctionGroup::FunctionAt(int number) const
{
    if (number < 0 || static_cast<size_t>(number) >= m_functions.size())
        return nullptr;
    return &m_functions[static_cast<size_t>(number)];
}

bool CFunctionGroup::MatchFunctionName(const char* name)
{
    for (size_t i = 0; i < m_functions.size(); ++i) {
        const BuiltinFunction& f = m_functions[i];
        for (const char* known : {f.name, f.alias, f.alias2}) {
            if (known && ExprText::EqualNoCase(name, known)) {
                m_selected = static_cast<int>(i);
                return true;
            }
        }
    }
    return false;
}

void CFunctionGroup::EvaluateSelected(const double* args)
{
    if (const BuiltinFunction* f = FunctionAt(m_selected))
        m_result = CallBuiltin(*f, args[0], args[1]);
}
