#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Builds files in the layout of the previous version, which the program
// reads but never writes.
struct PreviousVersionFile {
    struct Graph {
        bool hidden = false;
        std::uint32_t color = 0;
        std::string expression;
    };

    double left = -10.0, top = 5.0, right = 10.0, bottom = -5.0;
    std::int32_t precision = 400;
    bool xTimesPi = false, autoRefresh = false;
    std::vector<Graph> graphs;
    std::int32_t zoom = 100;

    std::vector<std::uint8_t> Bytes() const;
};
