#pragma once

#include "Ids.h"

// The program's string table. Every user-facing text is looked up here by
// its resource number; the texts live in res/strings/*.inc, one file per
// area of the program.

// The text of this id, or nullptr when the table has none.
const char* LoadAppString(StringId id);
// The text of a number worked out at run time: the engine's messages, by
// error code (short) and code + 1000 (long); nullptr when there is none.
const char* LoadAppStringNumber(unsigned number);
