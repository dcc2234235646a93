// Wakes the program for X events that wait in Xlib's queue.
//
// JUCE sleeps on the X connection's socket and reads events only when it turns readable. Any
// Xlib call that waits for a reply (JUCE makes them from timers and messages: where the keyboard
// focus is, a sync after drawing) reads every event that came meanwhile into Xlib's own queue,
// and the socket then stays quiet: a key pressed just then, Ctrl+N right after a window came up,
// waited for the next event from the server, a mouse move, and did nothing until then. Each key,
// button or pointer event Xlib queues now also wakes the program's loop, which reads the queue as
// it reads the socket. The rest (focus, stacking, properties) keep coming as they always have:
// with the next input or the next news on the socket.
#pragma once

class QueuedXEvents
{
public:
    // Once, as the program starts; again does nothing.
    static void install();
};
