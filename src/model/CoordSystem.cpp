#include "model/CoordSystem.h"

#include "model/Archive.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

ArgRange Scaled(ArgRange range, bool timesPi)
{
    if (timesPi) {
        range.from *= kPi;
        range.to *= kPi;
    }
    return range;
}

double Scaled(double value, bool timesPi)
{
    return timesPi ? value * kPi : value;
}

}  // namespace

void CoordSystem::GetKindRange(int kind, ArgRange& range) const
{
    switch (kind) {
    case KindYofX:
        range = Scaled(ArgRange{left, right, precision}, xTimesPi);
        break;
    case KindXofY:
        range = Scaled(ArgRange{bottom, top, precision}, yTimesPi);
        break;
    case KindParametric:
        range = Scaled(paramRange, paramTimesPi);
        break;
    case KindPolar:
        range = Scaled(polarRange, polarTimesPi);
        break;
    default:
        break;
    }
}

void CoordSystem::GetWorldRect(double& outLeft, double& outTop, double& outRight, double& outBottom) const
{
    outLeft = Scaled(left, xTimesPi);
    outTop = Scaled(top, yTimesPi);
    outRight = Scaled(right, xTimesPi);
    outBottom = Scaled(bottom, yTimesPi);
}

bool CoordSystem::Differs(const CoordSystem& other) const
{
    return xTimesPi != other.xTimesPi || bottom != other.bottom || top != other.top
        || right != other.right || left != other.left || precision != other.precision
        || polarTimesPi != other.polarTimesPi || paramTimesPi != other.paramTimesPi
        || yTimesPi != other.yTimesPi || polarRange.Differs(other.polarRange)
        || paramRange.Differs(other.paramRange);
}

bool CoordSystem::IsUsable() const
{
    const bool edgesFinite = std::isfinite(left) && std::isfinite(top)
        && std::isfinite(right) && std::isfinite(bottom);
    return edgesFinite && precision > 0 && paramRange.IsUsable() && polarRange.IsUsable();
}

CoordSystem::Image CoordSystem::GetImage() const
{
    Archive archive;
    archive.WriteDword(kImageTag);
    archive.WriteDword(0);
    archive.WriteDouble(left);
    archive.WriteDouble(top);
    archive.WriteDouble(right);
    archive.WriteDouble(bottom);
    archive.WriteInt32(precision);
    archive.WriteByte(xTimesPi);
    archive.WriteByte(yTimesPi);
    archive.WriteByte(paramTimesPi);
    archive.WriteZeros(1);
    paramRange.Write(archive);
    archive.WriteByte(polarTimesPi);
    archive.WriteZeros(7);
    polarRange.Write(archive);

    Image image;
    std::copy(archive.Bytes().begin(), archive.Bytes().end(), image.begin());
    return image;
}

void CoordSystem::SetFromImage(std::span<const std::uint8_t, kImageSize> image)
{
    Archive archive(std::vector<std::uint8_t>(image.begin(), image.end()), {});
    archive.Skip(8);
    left = archive.ReadDouble();
    top = archive.ReadDouble();
    right = archive.ReadDouble();
    bottom = archive.ReadDouble();
    precision = archive.ReadInt32();
    xTimesPi = archive.ReadFlag();
    yTimesPi = archive.ReadFlag();
    paramTimesPi = archive.ReadFlag();
    archive.Skip(1);
    paramRange.Read(archive);
    polarTimesPi = archive.ReadFlag();
    archive.Skip(7);
    polarRange.Read(archive);
}
