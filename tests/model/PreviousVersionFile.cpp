#include "PreviousVersionFile.h"

#include "model/Archive.h"

std::vector<std::uint8_t> PreviousVersionFile::Bytes() const
{
    Archive archive;
    // The 56-byte coordinate block; the ignored fields hold a marker.
    archive.WriteDouble(-1234.5);
    archive.WriteDouble(top);
    archive.WriteDouble(-1234.5);
    archive.WriteDouble(bottom);
    archive.WriteInt32(precision);
    archive.WriteByte(xTimesPi);
    archive.WriteZeros(3);
    archive.WriteDouble(left);
    archive.WriteDouble(right);

    archive.WriteByte(autoRefresh);
    archive.WriteInt32(static_cast<std::int32_t>(graphs.size()));
    for (const Graph& graph : graphs) {
        archive.WriteByte(graph.hidden);
        archive.WriteDword(graph.color);
        archive.WriteString(graph.expression);
    }
    archive.WriteZeros(2);
    archive.WriteInt32(zoom);
    return archive.Bytes();
}
