#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Character rules of the expression language. They follow the C library's
// classification in the "C" locale whatever the process locale is; bytes
// above 127 are neither letters, digits nor white space.
namespace ExprText {

inline bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
inline char ToLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Equal without regard to case (ASCII letters only).
bool EqualNoCase(std::string_view a, std::string_view b);

// The text as the compiler sees it: at most 255 characters, lowercased,
// white space removed.
std::string Prepare(std::string_view text);

// Where each character of Prepare(text) stands in text, as a byte offset,
// followed by one more entry: the end of the part of text that Prepare read.
std::vector<size_t> SourceOffsets(std::string_view text);

// True if word occurs in text with no letter right before or after it.
bool ContainsWord(std::string_view text, std::string_view word);

// Length of the number that starts at text[pos] (a digit): digits, an
// optional "." with digits, an optional "e" with at least one digit.
size_t NumberLength(std::string_view text, size_t pos);

// Where the group that opens at text[open] ends, just after its matching
// ')' (or the end of the text).
size_t BracketEnd(std::string_view text, size_t open);

// Where the bar group that opens at text[open] ends: just after the first
// bar outside brackets (bars do not nest), or the end of the text.
size_t BarEnd(std::string_view text, size_t open);

// Where the factor that starts at text[i] ends: a number, a name or a call,
// a bracket or bar group; i itself when no factor starts there.
size_t FactorEnd(std::string_view text, size_t i);

// The value of such a number, as strtod in the "C" locale reads it
// (an overflow gives +infinity).
double NumberValue(std::string_view digits);

}  // namespace ExprText
