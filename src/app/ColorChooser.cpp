#include "app/ColorChooser.h"

#include <QColorDialog>

std::optional<std::uint32_t> ChooseColor(QWidget* parent, std::uint32_t color,
                                         std::array<std::uint32_t, 16>& customColors)
{
    for (int i = 0; i < QColorDialog::customCount() && i < 16; ++i)
        QColorDialog::setCustomColor(i, FromColorRef(customColors[i]));
    QColorDialog dialog(FromColorRef(color), parent);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    for (int i = 0; i < QColorDialog::customCount() && i < 16; ++i)
        customColors[i] = ToColorRef(QColorDialog::customColor(i));
    if (!chosen)
        return std::nullopt;
    return ToColorRef(dialog.selectedColor());
}
