#include "expr/CVariableTable.h"

#include "expr/CExprException.h"
#include "expr/ExprText.h"

#include <cstdio>

CVariableTable theVariables;

CVariable* CVariableTable::AddVariable(const char* name, double value, bool available)
{
    for (std::unique_ptr<CVariable>& slot : m_vars) {
        if (!slot) {
            slot = std::make_unique<CVariable>();
            std::snprintf(slot->name, sizeof slot->name, "%s", name);
            slot->value = value;
            slot->available = available;
            if (&slot == &m_vars[m_current])
                m_currentVariable = slot.get();
            return slot.get();
        }
        if (ExprText::EqualNoCase(slot->name, name))
            throw ExprError(1011, name);
    }
    throw ExprError(1013, name);
}

const CVariable* CVariableTable::At(int index) const
{
    if (index < 0 || index >= kSlots)
        return nullptr;
    return m_vars[index].get();
}

bool CVariableTable::GetValue(int index, double* out) const
{
    const CVariable* variable = At(index);
    if (!variable)
        throw ExprError(1012);
    if (!variable->available)
        throw ExprError(1019, variable->name);
    *out = variable->value;
    return true;
}

int CVariableTable::SlotOf(const char* name) const
{
    for (int i = 0; i < kSlots; ++i) {
        if (m_vars[i] && ExprText::EqualNoCase(m_vars[i]->name, name))
            return i;
    }
    throw ExprError(1012, name);
}

bool CVariableTable::SetValue(const char* name, double value)
{
    m_vars[SlotOf(name)]->value = value;
    return true;
}

bool CVariableTable::FindIndex(const char* name, int* out) const
{
    const int slot = SlotOf(name);
    if (!m_vars[slot]->available)
        throw ExprError(1019, m_vars[slot]->name);
    *out = slot;
    return true;
}

void CVariableTable::SetAvailable(const char* name, bool available)
{
    m_vars[SlotOf(name)]->available = available;
}

void CVariableTable::SetCurrent(const char* name)
{
    m_current = SlotOf(name);
    m_currentVariable = m_vars[m_current].get();
}

void CVariableTable::ThrowNoCurrentVariable()
{
    throw ExprError(1012);
}

void CVariableTable::GetCurrentName(char* out) const
{
    std::snprintf(out, 64, "%s", Current().name);
}
