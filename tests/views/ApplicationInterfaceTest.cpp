// Views and windows reach the application, and through it the engine, only through getApp.
#include "TestApplication.h"

#include <gtest/gtest.h>

TEST (ApplicationInterface, GetAppAnswersOnlyWhileTheApplicationLivesAndKeepsOneEngine)
{
    EXPECT_EQ (QRX5EditorApplication::getApp(), nullptr);
    {
        auto app = TestApplication::make();
        auto* reached = QRX5EditorApplication::getApp();
        ASSERT_EQ (reached, app.get());
        EXPECT_NE (reached->getEngine(), nullptr);
        EXPECT_EQ (reached->getEngine(), reached->getEngine());
    }
    EXPECT_EQ (QRX5EditorApplication::getApp(), nullptr);
}
