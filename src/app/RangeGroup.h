#pragma once

#include "Ids.h"

#include <QGroupBox>

#include <optional>

#include <string>

class PrecisionBox;
class QCheckBox;
class QLineEdit;

// A group of two number fields (a range or a pair of edges), their "* PI"
// box, optionally a precision list, and an illustration beside them.
class RangeGroup : public QGroupBox {
public:
    struct Layout {
        StringId titleId;
        StringId firstLabelId;
        StringId secondLabelId;
        std::optional<BitmapId> picture;
        bool withPrecision;
    };

    RangeGroup(const Layout& layout, QWidget* parent);

    // Shows two numbers with "%g" and the box's state.
    void SetValues(double first, double second, bool timesPi);
    std::string FirstText() const;
    std::string SecondText() const;
    bool TimesPi() const;
    // The control a range refusal is about: the precision list for a missing
    // precision, an empty field, else the first field.
    QWidget* RefusedField(StringId refusal, QWidget* precisionList) const;

    QLineEdit* first;
    QLineEdit* second;
    QCheckBox* timesPi;
    PrecisionBox* precision = nullptr;
};
