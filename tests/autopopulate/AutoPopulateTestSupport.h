// What the auto-populate tests share: finding the tool's widgets as the user sees them and
// clicking them as the user does.
#pragma once

#include "autopopulate/AutoPopulateParameter.h"
#include "support/RunLoop.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace aptest
{
// Every component of type T under `root`, in depth-first order.
template <typename T>
juce::Array<T*> findAll (juce::Component& root)
{
    juce::Array<T*> found;
    for (auto* child : root.getChildren())
    {
        if (auto* match = dynamic_cast<T*> (child))
            found.add (match);
        found.addArray (findAll<T> (*child));
    }
    return found;
}

// The first component of type T named `name` under `root`, or null.
template <typename T = juce::Component>
T* find (juce::Component& root, const juce::String& name)
{
    for (auto* c : findAll<T> (root))
        if (c->getName() == name)
            return c;
    return nullptr;
}

// The shown row whose label reads `label`, or null.
inline AutoPopulateParameter* findRow (juce::Component& root, const juce::String& label)
{
    for (auto* row : findAll<AutoPopulateParameter> (root))
        if (row->isVisible() && row->getEditor()->getName() == label)
            return row;
    return nullptr;
}

// Clicks as the user does and waits until every listener of the button has heard it.
inline bool click (juce::Button& button)
{
    struct Heard : juce::Button::Listener
    {
        void buttonClicked (juce::Button*) override { heard = true; }
        bool heard = false;
    } last;

    // Every listener hears the click in the same turn of the loop, so once this one has, all have.
    button.addListener (&last);
    button.triggerClick();
    const auto done = testutil::runLoopUntil ([&] { return last.heard; });
    button.removeListener (&last);
    return done;
}

inline juce::Button& enabledToggle (AutoPopulateParameter& row)
{
    return *find<juce::Button> (row, "Enabled");
}

inline juce::ComboBox& comboOf (AutoPopulateParameter& row)
{
    return dynamic_cast<ComboBoxParameterComponent&> (*row.getEditor()).getComboBox();
}

inline NumberBoxComponent<int>& numberBoxOf (AutoPopulateParameter& row)
{
    return dynamic_cast<NumberBoxParameterComponent&> (*row.getEditor()).getNumberBox();
}

// Picks the item as the user does: the chooser tells its listeners at once.
inline bool pick (juce::ComboBox& box, const juce::String& itemText)
{
    for (int i = 0; i < box.getNumItems(); ++i)
        if (box.getItemText (i) == itemText)
        {
            box.setSelectedId (box.getItemId (i), juce::sendNotificationSync);
            return true;
        }
    return false;
}
} // namespace aptest
