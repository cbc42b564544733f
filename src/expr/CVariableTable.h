#pragma once

#include "expr/CVariable.h"

#include <memory>
#include <mutex>

// The named variables ("pi", "e", "x", "y", "t"), which of them expressions
// may use, the current argument variable and its value. Also owns the
// computation lock that serialises every use of the engine.
class CVariableTable {
public:
    static constexpr int kSlots = 64;

    // 1011 for a name that exists, 1013 when every slot is taken.
    CVariable* AddVariable(const char* name, double value, bool available);
    // 1012 without argument for a bad index or an empty slot, 1019 for an
    // unavailable variable.
    bool GetValue(int index, double* out) const;
    bool SetValue(const char* name, double value);
    // 1019 for an unavailable variable.
    bool FindIndex(const char* name, int* out) const;
    void SetAvailable(const char* name, bool available);
    void SetCurrent(const char* name);
    // out holds at least 64 characters.
    void GetCurrentName(char* out) const;
    void SetCurrentValue(double value) { Current().value = value; }

    // The variable in a slot, or null.
    const CVariable* At(int index) const;
    // The current variable, or null when none is current.
    const CVariable* CurrentVariable() const { return m_currentVariable; }

    // The computation lock; the same thread may take it again.
    std::recursive_timed_mutex& Lock() { return m_lock; }

private:
    // The slot of the variable with this name; 1012 with the name if none.
    int SlotOf(const char* name) const;
    // 1012 without argument when no variable is current.
    CVariable& Current() const
    {
        if (!m_currentVariable) [[unlikely]]
            ThrowNoCurrentVariable();
        return *m_currentVariable;
    }
    [[noreturn]] static void ThrowNoCurrentVariable();

    int m_current = 0;
    CVariable* m_currentVariable = nullptr;  // the variable in slot m_current
    std::unique_ptr<CVariable> m_vars[kSlots];
    std::recursive_timed_mutex m_lock;
};

extern CVariableTable theVariables;
