#pragma once

// One named variable of the variable table.
struct CVariable {
    char name[64];  // as given at creation, at most 63 characters
    double value;
    bool available;  // expressions may use it now
};
