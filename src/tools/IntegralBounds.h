#pragma once

#include <string>

// The bounds of a definite integral as the user typed them; after a
// refusal, which of the two texts it is about.
struct IntegralBounds {
    enum Field { From, To };

    double from = 0;
    double to = 0;
    Field refused = From;
};

// Reads the two bound texts with the C library's decimal conversion and
// multiplies them by pi when timesPi is set. Returns the message to show
// when they cannot be used (empty, stray characters, a number too big, or
// from not below to; bounds.refused names the text at fault), else an
// empty string with bounds filled.
std::string ReadIntegralBounds(const std::string& fromText, const std::string& toText, bool timesPi,
                               IntegralBounds& bounds);
