#pragma once

#include "expr/CFunctionGroup.h"

// The "hyperbolical functions" group of built-in functions.
class CHyperbolicFunctions : public CFunctionGroup {
public:
    CHyperbolicFunctions();
    bool MatchName(const char* name) override;
    void Evaluate(const double* args) override;
};
