#pragma once

#include "expr/CFunctionGroup.h"

// The "tool functions" group of built-in functions.
class CToolFunctions : public CFunctionGroup {
public:
    CToolFunctions();
    bool MatchName(const char* name) override;
    void Evaluate(const double* args) override;
};
