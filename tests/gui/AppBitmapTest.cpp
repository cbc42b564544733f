#include "gui/AppBitmap.h"
#include "IdConversions.h"
#include "IdLists.h"
#include "kit/MessageBoxStyle.h"

#include <gtest/gtest.h>

namespace {

TEST(AppBitmapTest, EveryNamedPictureAndEveryButtonPictureExists)
{
    for (BitmapId id : kNamedBitmapIds)
        EXPECT_FALSE(LoadAppBitmap(id).isNull()) << NumberOf(id);
    for (int result = IDOK; result <= IDHELP; ++result)
        EXPECT_FALSE(LoadAppBitmap(ButtonBitmapOf(result)).isNull()) << result;
}

}  // namespace
