// What the keyboard tests share: the spots a user clicks in a window, keys as the keyboard gives
// them (they go wherever the program has put the keyboard focus), and a control's picture with and
// without the keys.
#pragma once

#include "EditorTest.h"
#include "emulator/QRX571Emulator.h"

#include <optional>
#include <utility>
#include <vector>

namespace focustest
{
using Spot = std::pair<juce::String, juce::Point<int>>; // what a user clicks, where in its window

class KeyboardFocusTest : public apptest::EditorTest
{
protected:
    void SetUp() override { start(); }

    QRX571Emulator& device() const { return *app->getEmulator(); }

    // `at` in `target` (its centre by default), where it lies in its window.
    static Spot spot (const juce::String& what, juce::Component& target,
                      std::optional<juce::Point<int>> at = {})
    {
        return { what, target.getTopLevelComponent()->getLocalPoint (
                           &target, at.value_or (target.getLocalBounds().getCentre())) };
    }

    // A spot of `component` that none of its children covers (by default near its top left
    // corner): a caption, heading or picture it draws itself, or its bare background.
    static Spot bareSpot (const juce::String& what, juce::Component& component,
                          juce::Point<int> at = { 2, 2 })
    {
        const auto s = spot (what, component, at);
        EXPECT_EQ (component.getTopLevelComponent()->getComponentAt (s.second), &component) << what;
        return s;
    }

    // Every caption shown inside `parent`: the labels the user cannot type into, other than a
    // chooser's own.
    static std::vector<Spot> captionsIn (juce::Component& parent)
    {
        std::vector<Spot> found;
        for (auto* child : parent.getChildren())
        {
            if (! child->isVisible() || dynamic_cast<juce::ComboBox*> (child) != nullptr)
                continue;
            if (auto* label = dynamic_cast<juce::Label*> (child); label != nullptr && ! label->isEditable())
                found.push_back (spot ("caption " + label->getText(), *label));
            for (auto& s : captionsIn (*child))
                found.push_back (s);
        }
        return found;
    }

    // The first button so named anywhere inside `parent`.
    static juce::Button* buttonIn (juce::Component& parent, const juce::String& name)
    {
        return apptest::findChild<juce::Button> (parent, [&] (auto& b) { return b.getName() == name; });
    }

    // Clicks each spot and presses the keys there: what `state` reads (what the program keeps or
    // shows) stays as it was, and the window keeps the keys.
    template <typename State>
    static void expectNothingChanges (juce::Component& window, const std::vector<Spot>& spots,
                                      std::initializer_list<juce::KeyPress> keys, State state)
    {
        const auto before = state();
        for (const auto& [what, at] : spots)
        {
            clickAt (window, at);
            press (window, keys);
            EXPECT_EQ (state(), before) << what;
            EXPECT_TRUE (window.hasKeyboardFocus (false)) << what;
        }
    }

    // Opens the chooser's list with a click and closes it again: the chooser was picked with the
    // mouse and has the keys.
    static void pickWithMouse (juce::ComboBox& chooser)
    {
        click (chooser);
        ASSERT_TRUE (testutil::runLoopUntil ([] { return juce::PopupMenu::dismissAllActiveMenus(); }));
        ASSERT_TRUE (chooser.hasKeyboardFocus (false));
    }

    static juce::KeyPress letter (char c) { return juce::KeyPress (c, 0, (juce::juce_wchar)c); }
    static inline const juce::KeyPress up = juce::KeyPress (juce::KeyPress::upKey),
                                       down = juce::KeyPress (juce::KeyPress::downKey),
                                       enter = juce::KeyPress (juce::KeyPress::returnKey),
                                       backspace = juce::KeyPress (juce::KeyPress::backspaceKey),
                                       tab = juce::KeyPress (juce::KeyPress::tabKey),
                                       shiftTab = juce::KeyPress (juce::KeyPress::tabKey,
                                                                  juce::ModifierKeys::shiftModifier, 0);

    // The control that has the keys: a number box, not the editor it opened.
    static juce::Component* withKeys()
    {
        auto* focused = juce::Component::getCurrentlyFocusedComponent();
        if (focused != nullptr)
            if (auto* label = dynamic_cast<juce::Label*> (focused->getParentComponent()))
                return label;
        return focused;
    }

    static juce::String nameWithKeys() { return withKeys() != nullptr ? withKeys()->getName() : "nothing"; }

    // Whether the control, which has the keys, looks different once they go to `elsewhere`: its
    // focus outline.
    static bool showsTheKeys (juce::Component& control, juce::Component& elsewhere)
    {
        if (! control.hasKeyboardFocus (true))
            return false;
        const auto with = control.createComponentSnapshot (control.getLocalBounds());
        elsewhere.grabKeyboardFocus();
        const auto without = control.createComponentSnapshot (control.getLocalBounds());
        for (int y = 0; y < with.getHeight(); ++y)
            for (int x = 0; x < with.getWidth(); ++x)
                if (with.getPixelAt (x, y) != without.getPixelAt (x, y))
                    return true;
        return false;
    }
};
} // namespace focustest
