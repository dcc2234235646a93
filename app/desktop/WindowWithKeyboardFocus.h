// A window of the program whose keys follow WindowKeyboardFocus's rules: Tab goes round its editing
// controls, and every change of where its keys are that JUCE makes reaches the rules as it is made,
// before any key typed after it.
#pragma once

#include "app/desktop/WindowKeyboardFocus.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

template <typename Window>
class WindowWithKeyboardFocus : public Window
{
public:
    using Window::Window;

    std::unique_ptr<juce::ComponentTraverser> createKeyboardFocusTraverser() override
    {
        return keyboardFocus.createTraverser();
    }

    void focusOfChildComponentChanged (juce::Component::FocusChangeType cause) override
    {
        Window::focusOfChildComponentChanged (cause);
        keyboardFocus.keysCameOrWent();
    }

protected:
    WindowKeyboardFocus keyboardFocus{ *this };
};
