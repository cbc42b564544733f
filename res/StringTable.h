#pragma once

// The program's string table. Every user-facing text is looked up here by
// its resource number; the texts live in res/strings/*.inc, one file per
// area of the program.

// The text with this number, or nullptr when the table has none.
const char* LoadAppString(unsigned id);
