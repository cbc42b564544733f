#pragma once

#include "expr/CFunctionGroup.h"

// The "trigonometrical functions" group of built-in functions.
class CTrigFunctions : public CFunctionGroup {
public:
    CTrigFunctions();
    bool MatchName(const char* name) override;
    void Evaluate(const double* args) override;
};
