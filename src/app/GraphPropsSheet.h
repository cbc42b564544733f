#pragma once

#include "kit/CAdvPropertySheet.h"

#include <array>
#include <cstdint>
#include <functional>

class CGraphPropsAdvancedPage;
class CGraphPropsGeneralPage;
class CoordSystem;
class GraphItem;

// The sheet that adds or edits one graph: "Add new graph" or "Edit graph
// properties", General page then Advanced page. The pages work on a copy of
// the graph; after OK the caller takes Graph() (and checks for duplicates).
class GraphPropsSheet : public CAdvPropertySheet {
public:
    struct Setup {
        bool newGraph;
        bool canBeShown;                                // false when one more visible graph is too many
        const CoordSystem& coordSystem;                 // the document's, for the default ranges
        std::array<std::uint32_t, 16>& customColors;    // the colour dialog's custom colours
    };

    GraphPropsSheet(const GraphItem& graph, const Setup& setup, QWidget* parent);

    const GraphItem& Graph() const;
    // OK is refused while isDuplicate says the graph is already in the
    // document; the check shows its message, then the caret goes back to
    // the first equation so that the user can change it.
    void RefuseDuplicates(std::function<bool(const GraphItem&)> isDuplicate);

    CGraphPropsGeneralPage* generalPage;
    CGraphPropsAdvancedPage* advancedPage;
};
