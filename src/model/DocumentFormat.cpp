#include "model/DocumentFormat.h"

#include "model/Archive.h"
#include "model/CCurvixDoc.h"
#include "model/DocFileException.h"
#include "model/ConversionPrompt.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

constexpr std::string_view kSignature = "CurvixFile";
constexpr std::uint32_t kVersion = 0x00020000;
// Smallest stored graph records: two empty strings, kind, three flags,
// colour and range; and in the previous version flag, colour, empty string.
constexpr size_t kMinGraphRecord = 35;
constexpr size_t kMinPreviousGraphRecord = 6;
constexpr std::int32_t kDefaultZoom = 100;

bool HasSignature(Archive& archive)
{
    std::uint8_t bytes[kSignature.size()];
    archive.ReadBytes(bytes);
    return std::equal(kSignature.begin(), kSignature.end(), bytes);
}

// The graph count, refused when negative or larger than the rest of the
// file could hold, so that no damaged count makes the reader loop for long.
std::int32_t ReadGraphCount(Archive& archive, size_t minRecord)
{
    const std::int32_t count = archive.ReadInt32();
    if (count < 0 || static_cast<size_t>(count) > archive.Remaining() / minRecord)
        archive.Fail();
    return count;
}

// A zoom of 0 or less would make the picture empty or inverted; the view
// treats it as 100 percent.
std::int32_t ReadZoom(Archive& archive)
{
    const std::int32_t zoom = archive.ReadInt32();
    return zoom > 0 ? zoom : kDefaultZoom;
}

// A document that cannot take all of its file's graphs is not opened.
void AddGraph(CCurvixDoc& doc, const Archive& archive, const GraphItem& item)
{
    if (!doc.AddGraph(item))
        throw DocFileException::OutOfMemory(archive.GetFilePath());
}

}  // namespace

void DocumentFormat::Write(CCurvixDoc& doc, Archive& archive)
{
    archive.WriteBytes({reinterpret_cast<const std::uint8_t*>(kSignature.data()), kSignature.size()});
    archive.WriteDword(kVersion);
    archive.WriteBytes(doc.coordSystem.GetImage());
    archive.WriteByte(doc.autoRefresh);
    archive.WriteInt32(doc.GetGraphCount());
    for (GraphItem* item = doc.GetFirstGraph(); item; item = doc.GetNextGraph())
        item->Serialize(archive);
    archive.WriteInt32(doc.zoomX);
    archive.WriteInt32(doc.zoomY);
    archive.WriteDword(0);
    archive.WriteDword(0);
}

void DocumentFormat::Read(CCurvixDoc& doc, Archive& archive, ConversionPrompt* prompt,
                         const CoordSystem& defaultCoordSystem)
{
    if (HasSignature(archive)) {
        if (archive.ReadDword() != kVersion)
            throw DocFileException::UnknownVersion(archive.GetFilePath());
        ReadVersion2(doc, archive);
        return;
    }
    // Only a file that reads completely in the previous layout is offered
    // for conversion; anything else without the signature is damaged or is
    // no document at all.
    archive.Rewind();
    ReadPreviousVersion(doc, archive, defaultCoordSystem);
    if (archive.Remaining() != 0)
        archive.Fail();
    if (!prompt || !prompt->AskToConvert())
        throw DocFileException::UserCancelled();
}

void DocumentFormat::ReadVersion2(CCurvixDoc& doc, Archive& archive)
{
    CoordSystem::Image image;
    archive.ReadBytes(image);
    doc.coordSystem.SetFromImage(image);
    if (!doc.coordSystem.IsUsable())
        archive.Fail();
    doc.autoRefresh = archive.ReadFlag();
    const std::int32_t count = ReadGraphCount(archive, kMinGraphRecord);
    for (std::int32_t i = 0; i < count; ++i) {
        GraphItem item;
        item.Serialize(archive);
        AddGraph(doc, archive, item);
    }
    doc.zoomX = ReadZoom(archive);
    doc.zoomY = ReadZoom(archive);
}

void DocumentFormat::ReadPreviousVersion(CCurvixDoc& doc, Archive& archive, const CoordSystem& defaultCoordSystem)
{
    // The old block holds the edges, the precision and the horizontal pi
    // flag; everything else comes from the default coordinate system.
    CoordSystem& cs = doc.coordSystem;
    cs = defaultCoordSystem;
    archive.Skip(8);
    cs.top = archive.ReadDouble();
    archive.Skip(8);
    cs.bottom = archive.ReadDouble();
    cs.precision = archive.ReadInt32();
    cs.xTimesPi = archive.ReadFlag();
    archive.Skip(3);
    cs.left = archive.ReadDouble();
    cs.right = archive.ReadDouble();
    if (!cs.IsUsable())
        archive.Fail();

    doc.autoRefresh = archive.ReadFlag();
    const std::int32_t count = ReadGraphCount(archive, kMinPreviousGraphRecord);
    for (std::int32_t i = 0; i < count; ++i) {
        GraphItem item;
        item.hidden = archive.ReadFlag();
        item.color = archive.ReadDword();
        item.expression = archive.ReadString();
        AddGraph(doc, archive, item);
    }
    archive.Skip(2);
    doc.zoomX = doc.zoomY = ReadZoom(archive);
}
