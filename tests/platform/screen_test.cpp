#include "platform/screen.h"

#include <gtest/gtest.h>

TEST(Screen, HasADefaultSizeAndCanBeSet)
{
    EXPECT_EQ(Screen->Width, 1280);
    EXPECT_EQ(Screen->Height, 1024);
    Screen->Width = 800;
    Screen->Height = 600;
    EXPECT_EQ(theScreen.Width, 800);
    theScreen = TScreen{};
}
