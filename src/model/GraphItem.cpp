#include "model/GraphItem.h"

#include "model/Archive.h"
#include "model/CoordSystem.h"
#include "expr/ExprText.h"

#include <cmath>
#include <string_view>

namespace {

// True if the texts differ other than in white space, case-sensitively.
bool TextsDiffer(std::string_view a, std::string_view b)
{
    size_t i = 0;
    size_t j = 0;
    for (;;) {
        while (i < a.size() && ExprText::IsSpace(a[i]))
            ++i;
        while (j < b.size() && ExprText::IsSpace(b[j]))
            ++j;
        const bool aEnded = i == a.size();
        const bool bEnded = j == b.size();
        if (aEnded || bEnded)
            return aEnded != bEnded;
        if (a[i++] != b[j++])
            return true;
    }
}

}  // namespace

void GraphItem::Reset()
{
    *this = GraphItem();
}

bool GraphItem::ExpressionsDiffer(const GraphItem& other) const
{
    if (kind != other.kind || TextsDiffer(expression, other.expression))
        return true;
    return kind == KindParametric && TextsDiffer(expression2, other.expression2);
}

bool GraphItem::Differs(const GraphItem& other) const
{
    return ExpressionsDiffer(other) || color != other.color || hidden != other.hidden
        || kind != other.kind || useAdvanced != other.useAdvanced
        || advTimesPi != other.advTimesPi || advRange.Differs(other.advRange);
}

bool GraphItem::RangeDiffers(const GraphItem& other) const
{
    return range.Differs(other.range);
}

void GraphItem::ComputeRange(const CoordSystem& cs)
{
    if (!useAdvanced) {
        cs.GetKindRange(kind, range);
        return;
    }
    range = advRange;
    // The clip uses the edges as stored, without the coordinate system's
    // own pi factor.
    if (kind == KindYofX)
        ClipTo(cs.left, cs.right);
    else if (kind == KindXofY)
        ClipTo(cs.bottom, cs.top);
    if (advTimesPi) {
        range.from *= kPi;
        range.to *= kPi;
    }
}

void GraphItem::ClipTo(double lo, double hi)
{
    if (range.from < lo)
        range.from = lo;
    if (range.to > hi)
        range.to = hi;
    // A range wholly outside the edges shrinks to a single point.
    if (range.to < lo || range.from > hi)
        range.to = range.from;
}

bool GraphItem::IsUsable() const
{
    const bool advFinite = std::isfinite(advRange.from) && std::isfinite(advRange.to);
    return IsKnownGraphKind(kind) && advFinite && (!useAdvanced || advRange.precision > 0);
}

void GraphItem::Serialize(Archive& archive)
{
    if (archive.IsStoring()) {
        archive.WriteString(expression);
        archive.WriteString(expression2);
        archive.WriteWord(static_cast<std::uint16_t>(kind));
        archive.WriteByte(hidden);
        archive.WriteByte(useAdvanced);
        archive.WriteByte(advTimesPi);
        archive.WriteDword(color);
        advRange.Write(archive);
        return;
    }
    Reset();
    expression = archive.ReadString();
    expression2 = archive.ReadString();
    kind = static_cast<GraphKind>(static_cast<std::int16_t>(archive.ReadWord()));
    hidden = archive.ReadFlag();
    useAdvanced = archive.ReadFlag();
    advTimesPi = archive.ReadFlag();
    color = archive.ReadDword();
    advRange.Read(archive);
    if (!IsUsable())
        archive.Fail();
}
