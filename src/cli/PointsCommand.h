#pragma once

#include <span>

// curvix-cli points [--convert] [--summary] FILE: computes the document's
// visible graphs as Refresh would and prints the stored samples, "slot,k,x,y"
// a line, or with --summary "slot,count,sum" a slot, sum being the 64-bit
// wrapping sum of every stored x and y of the slot.
int RunPointsCommand(std::span<char* const> args);
