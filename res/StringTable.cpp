#include "StringTable.h"

namespace {

struct StringEntry {
    unsigned id;
    const char* text;
};

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

}  // namespace

const char* LoadAppString(unsigned id)
{
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id)
            return entry.text;
    }
    return nullptr;
}
