#include "app/desktop/KeysOutlinedListBox.h"

#include "ui/CustomLookForAuxiliaryWindows.h"

void KeysOutlinedListBox::paintOverChildren (juce::Graphics& g)
{
    juce::ListBox::paintOverChildren (g);
    if (isEnabled() && hasKeyboardFocus (true))
        CustomLookForAuxiliaryWindows::drawKeysOutline (g, *this);
}

void KeysOutlinedListBox::focusOfChildComponentChanged (FocusChangeType cause)
{
    juce::ListBox::focusOfChildComponentChanged (cause);
    repaint();
}
