#pragma once

#include "model/ArgRange.h"
#include "model/GraphKind.h"

#include <array>
#include <cstdint>
#include <span>

// The visible window onto the plane and the default argument ranges of the
// parametric and polar kinds. A range or edge pair whose "* PI" flag is set
// holds multiples of pi, as typed; the factor is applied where it is used.
class CoordSystem {
public:
    // Size of the coordinate-system image in files and in the settings store.
    static constexpr size_t kImageSize = 104;
    // First four bytes of every image written.
    static constexpr std::uint32_t kImageTag = 0x0042D004;
    using Image = std::array<std::uint8_t, kImageSize>;

    CoordSystem() = default;
    CoordSystem(const CoordSystem&) = default;
    CoordSystem& operator=(const CoordSystem&) = default;
    virtual ~CoordSystem() = default;

    // The default range of a kind, pi factor applied. A kind outside 0-3
    // leaves range untouched.
    void GetKindRange(int kind, ArgRange& range) const;
    // The four edges with their pi factors applied.
    void GetWorldRect(double& outLeft, double& outTop, double& outRight, double& outBottom) const;
    // True if any field differs (doubles compared exactly).
    bool Differs(const CoordSystem& other) const;
    // True if every edge and range end is finite and every precision is
    // positive: the values computation and drawing can work with.
    bool IsUsable() const;

    // The 104-byte image: tag, reserved word, then the fields.
    Image GetImage() const;
    // Takes the fields from bytes 8-103 of an image; bytes 0-7 are ignored.
    void SetFromImage(std::span<const std::uint8_t, kImageSize> image);

    double left = -1.0;
    double top = 1.0;
    double right = 1.0;
    double bottom = -1.0;
    std::int32_t precision = 100;
    bool xTimesPi = false;
    bool yTimesPi = false;
    bool paramTimesPi = false;
    ArgRange paramRange{-1.0, 1.0, 100};
    bool polarTimesPi = false;
    ArgRange polarRange{0.0, 1.0, 100};
};

// The value of pi used wherever a "* PI" flag applies.
inline constexpr double kPi = 3.141592653589793;
