// A key the X server sent while the program waited for a reply from it: Xlib read the key into its
// own queue with the reply, and the program's loop must still handle it at once, not when the next
// event comes from the server.
#include "app/EditorTest.h"
#include "support/ServerKeyboard.h"

namespace
{
class QueuedXEventsTest : public apptest::EditorTest
{
};
} // namespace

TEST_F (QueuedXEventsTest, AShortcutReadAlongWithAReplyOpensItsWindowAtOnce)
{
    start();
    testutil::ServerKeyboard keyboard;
    ASSERT_TRUE (keyboard.isOpen());
    activate (mainWindow());

    keyboard.key ("Control_L", true);
    keyboard.send ("n", true);
    testutil::roundTripWithoutReading();
    EXPECT_TRUE (testutil::runLoopUntil ([&] { return numWindows() == 2; }));

    keyboard.send ("n", false);
    keyboard.key ("Control_L", false);
}
