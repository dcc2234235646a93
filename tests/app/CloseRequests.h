// Close requests as a window manager sends them (a taskbar's "close all", wmctrl -c): a
// WM_DELETE_WINDOW message to each window, all sent before the program reads the first.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace apptest
{
void sendCloseRequests (const juce::Array<juce::Component*>& windows);
} // namespace apptest
