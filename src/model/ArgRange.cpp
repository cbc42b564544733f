#include "model/ArgRange.h"

#include "model/Archive.h"

#include <cmath>

bool ArgRange::Differs(const ArgRange& other) const
{
    return to != other.to || from != other.from || precision != other.precision;
}

bool ArgRange::IsUsable() const
{
    return std::isfinite(from) && std::isfinite(to) && precision > 0;
}

void ArgRange::Write(Archive& archive) const
{
    archive.WriteDouble(from);
    archive.WriteDouble(to);
    archive.WriteInt32(precision);
    archive.WriteZeros(4);
}

void ArgRange::Read(Archive& archive)
{
    from = archive.ReadDouble();
    to = archive.ReadDouble();
    precision = archive.ReadInt32();
    archive.Skip(4);
}
