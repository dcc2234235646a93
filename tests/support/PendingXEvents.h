// JUCE reads the X server's events when its connection has news. A round trip of its own (asking
// who has the keyboard focus, say) can read an event into Xlib's queue, where it then waits for
// the next news on the connection: a focus-in taken that late gives the keys back to its window
// after a test has handed them to one of the window's controls.
#pragma once

namespace testutil
{
// Has the server send everything it owes, and JUCE handle every event waiting, now.
void deliverPendingXEvents();

// A round trip of the program's connection, as JUCE's own are: whatever the server sent meanwhile
// is read into Xlib's queue and left there.
void roundTripWithoutReading();
} // namespace testutil
