#pragma once

#include <array>
#include <cstdint>
#include <span>

// Show commands of the record; the program writes the last three.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;

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

    // Whether the normal rectangle has a size and edges a screen can hold.
    bool HasUsableRect() const;
    // Makes a stored record safe to apply: a rectangle that cannot be used
    // means no placement at all, and any show command the program does not
    // write means a normal window. True when something had to change.
    bool Repair();

    Image GetImage() const;
    void SetFromImage(std::span<const std::uint8_t, kImageSize> image);
};
