#pragma once

#include <QComboBox>

#include <cstdint>

// The drop-down list of the six precisions, "100 %" ... "3200 %": item i
// stands for 100 * 2^i samples per unit. A precision that is not one of the
// six shows no selection.
class PrecisionBox : public QComboBox {
public:
    explicit PrecisionBox(QWidget* parent = nullptr);

    void SetPrecision(std::int32_t precision);
    // Writes the selected precision; leaves precision alone without a selection.
    void StorePrecision(std::int32_t& precision) const;
};
