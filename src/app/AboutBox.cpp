#include "app/AboutBox.h"

#include "gui/AppBitmap.h"
#include "gui/AppText.h"
#include "app/ProgramIcon.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kIconSize = 48;

QLabel* PictureLabel(const QPixmap& picture, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(picture);
    return label;
}

QLabel* VersionLabel(QWidget* parent)
{
    auto* label = new QLabel(AppText(StringId::AboutVersionLine), parent);
    label->setObjectName(QStringLiteral("version"));
    QFont font = label->font();
    font.setWeight(QFont::DemiBold);  // weight 600
    label->setFont(font);
    return label;
}

}  // namespace

void ShowAboutBox(QWidget* parent)
{
    QDialog box(parent);
    box.setWindowTitle(AppText(StringId::AboutCaption));
    box.setObjectName(QStringLiteral("aboutBox"));

    auto* text = new QVBoxLayout;
    const QPixmap logo = LoadAppBitmap(BitmapId::Logo);
    if (!logo.isNull())
        text->addWidget(PictureLabel(logo, &box));
    text->addWidget(VersionLabel(&box));

    auto* top = new QHBoxLayout;
    top->addWidget(PictureLabel(ProgramIcon().pixmap(kIconSize), &box), 0, Qt::AlignTop);
    top->addLayout(text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    buttons->button(QDialogButtonBox::Ok)->setText(AppText(StringId::OkButton));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);

    auto* layout = new QVBoxLayout(&box);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    box.exec();
}
