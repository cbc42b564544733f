#include "expr/CFunctionList.h"

#include "expr/CExprException.h"
#include "expr/CFunctionGroup.h"
#include "expr/ExprText.h"

#include <string>

CFunctionList theFunctionList;

bool CFunctionList::AddGroup(CFunctionGroup* group)
{
    for (CFunctionGroup*& slot : m_groups) {
        if (!slot) {
            slot = group;
            return true;
        }
        if (ExprText::EqualNoCase(slot->Title(), group->Title()))
            throw ExprError(1006, group->Title());
    }
    throw ExprError(1005);
}

void CFunctionList::CallByName(const char* name, const double* args, double* out)
{
    bool found = false;
    for (CFunctionGroup* group : m_groups) {
        if (group && group->MatchName(name)) {
            group->Evaluate(args);
            group->GetResult(out);
            found = true;
        }
    }
    if (!found)
        throw ExprError(1007, name);
}

CFunctionGroup* CFunctionList::GroupForId(FunctionId id) const
{
    const FunctionId slot = id & 0xFFFFu;
    if (slot < kSlots && m_groups[slot])
        return m_groups[slot];
    throw ExprError(1014, std::to_string(static_cast<std::int32_t>(id)).c_str());
}

void CFunctionList::CallById(FunctionId id, const double* args, double* out)
{
    CFunctionGroup* group = GroupForId(id);
    group->SelectFunction(static_cast<int>(id >> 16));
    group->Evaluate(args);
    group->GetResult(out);
}

void CFunctionList::FindId(const char* name, FunctionId* out)
{
    bool found = false;
    for (int slot = 0; slot < kSlots; ++slot) {
        CFunctionGroup* group = m_groups[slot];
        if (group && group->MatchName(name)) {
            *out = (static_cast<FunctionId>(group->Selected()) << 16) | static_cast<FunctionId>(slot);
            found = true;
        }
    }
    if (!found)
        throw ExprError(1007, name);
}

const BuiltinFunction* CFunctionList::Resolve(FunctionId id) const
{
    return GroupForId(id)->FunctionAt(static_cast<int>(id >> 16));
}
