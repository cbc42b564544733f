#pragma once

#include <array>
#include <cstdint>
#include <span>

// The main window's saved placement, kept as the 44-byte record of the
// settings store: length, flags, show command, minimised and maximised
// positions and the normal rectangle, each field a little-endian int32.
struct WindowPlacement {
    static constexpr size_t kImageSize = 44;
    using Image = std::array<std::uint8_t, kImageSize>;

    struct Point {
        std::int32_t x = 0;
        std::int32_t y = 0;
    };
    struct Rect {
        std::int32_t left = 0;
        std::int32_t top = 0;
        std::int32_t right = 0;
        std::int32_t bottom = 0;
    };

    // 44 when a placement is held, 0 when none is saved.
    std::int32_t length = 0;
    std::int32_t flags = 0;
    std::int32_t showCmd = 0;
    Point minPosition;
    Point maxPosition;
    Rect normalPosition;

    Image GetImage() const;
    void SetFromImage(std::span<const std::uint8_t, kImageSize> image);
};
