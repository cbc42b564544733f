#pragma once

#include "expr/CFunctionGroup.h"

// The "power functions" group of built-in functions.
class CPowerFunctions : public CFunctionGroup {
public:
    CPowerFunctions();
    bool MatchName(const char* name) override;
    void Evaluate(const double* args) override;
};
