#pragma once

#include "CAdvPropertySheet.h"

#include <array>
#include <cstdint>

class CGraphPropsAdvancedPage;
class CGraphPropsGeneralPage;
class CoordSystem;
class GraphItem;

// The sheet that adds or edits one graph: "Add new graph" or "Edit graph
// properties", General page then Advanced page. The pages work on a copy of
// the graph; after OK the caller takes Graph() (and checks for duplicates).
class CGraphPropsSheet : public CAdvPropertySheet {
public:
    struct Setup {
        bool newGraph;
        bool canBeShown;                                // false when one more visible graph is too many
        const CoordSystem& coordSystem;                 // the document's, for the default ranges
        std::array<std::uint32_t, 16>& customColors;    // the colour dialog's custom colours
    };

    CGraphPropsSheet(const GraphItem& graph, const Setup& setup, QWidget* parent);

    const GraphItem& Graph() const;

    CGraphPropsGeneralPage* generalPage;
    CGraphPropsAdvancedPage* advancedPage;
};
