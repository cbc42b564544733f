#pragma once

#include <cstdint>

class CFunctionGroup;
struct BuiltinFunction;

// Low 16 bits: the group's slot in the function list; high 16 bits: the
// function's number inside its group.
using FunctionId = std::uint32_t;

// The registry of function groups: resolves names to FunctionIds and calls
// functions by name or by id. The groups are not owned.
class CFunctionList {
public:
    static constexpr int kSlots = 128;

    // Stores the group in the first free slot; 1006 for a title that is
    // already registered, 1005 when every slot is taken.
    bool AddGroup(CFunctionGroup* group);
    // Every group that knows the name computes; out gets the last result.
    void CallByName(const char* name, const double* args, double* out);
    void CallById(FunctionId id, const double* args, double* out);
    // The id of the name in the last group that knows it; 1007 if none does.
    void FindId(const char* name, FunctionId* out);

    // The function an id stands for, for the compiled fast path; 1014 like
    // CallById for an id that names no group.
    const BuiltinFunction* Resolve(FunctionId id) const;

private:
    CFunctionGroup* GroupForId(FunctionId id) const;

    CFunctionGroup* m_groups[kSlots] = {};
};

extern CFunctionList theFunctionList;
