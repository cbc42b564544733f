#include "StringTable.h"

namespace {

struct StringEntry {
    unsigned id;
    const char* text;
};

// A named entry, S(Name, number, text), is an entry like any other; the
// name goes to StringId in Ids.h.
#define S(name, id, text) {id, text}

constexpr StringEntry kStrings[] = {
#include "strings/expr.inc"
#include "strings/model.inc"
#include "strings/view.inc"
#include "strings/app.inc"
#include "strings/tools.inc"
#include "strings/analysis.inc"
#include "strings/frame.inc"
#include "strings/dialogs.inc"
#include "strings/reading.inc"
#include "strings/edit.inc"
};

#undef S

}  // namespace

const char* LoadAppString(StringId id)
{
    return LoadAppStringNumber(static_cast<unsigned>(id));
}

const char* LoadAppStringNumber(unsigned number)
{
    for (const StringEntry& entry : kStrings) {
        if (entry.id == number)
            return entry.text;
    }
    return nullptr;
}
