// Where one window's keys go. An editing control (a chooser, a text or number box, a list that
// shows its selected row) has them only once the user clicked it or tabbed to it. A click on
// anything else (a caption, a heading, a picture, a background, a button, the menu bar) takes
// them away from every editing control and gives them to the window itself, where only the
// program's shortcuts act: typing after a click on a caption must not edit a box the user never
// chose, and Return after a click on a button must not press it again.
//
// The window gives its createKeyboardFocusTraverser to this, so that no click hands the keys to
// a window's first control and Tab goes from one editing control to the next, round the window.
//
// Keys that come back to the window from outside (a box or chooser gone, the window activated by a
// click, Alt+Tab or the taskbar) go to the control that had them last in it, or to the window
// itself: never to one the user left before that. JUCE hands them to the control that had them
// when the window last lost the X server's focus, which is stale when another of the program's
// windows (a box, a chooser, a new window) took the keys first; this decides instead.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

class WindowKeyboardFocus : private juce::MouseListener, private juce::KeyListener
{
public:
    explicit WindowKeyboardFocus (juce::Component& window);
    ~WindowKeyboardFocus() override;

    std::unique_ptr<juce::ComponentTraverser> createTraverser() const;

    // The window calls this from its focusOfChildComponentChanged: the keys came into it or left.
    void keysCameOrWent();

    // Takes what was typed into the window's open box, as Return does, and closes it: a save, a
    // close or a quit must read the number shown, not the one before it.
    void commitTyping();

    // The same in every window of the program, before any command acts: an open box is modal to
    // JUCE, which would pull its window back over a window the command shows.
    static void commitTypingInEveryWindow();

    // A component that takes keys to change a value: a chooser, a text box, a number box, or a
    // list that wants them (a list whose rows show no selection must not).
    static bool isEditingControl (const juce::Component& component);

    // The editing controls shown inside `parent`, in Tab order: top to bottom, then left to right,
    // level by level. A control's own parts (a number box's editor) are not listed apart.
    static std::vector<juce::Component*> editingControlsIn (juce::Component& parent);

    // The program's window whose control or self has the keys, or the active one; null when
    // the keys are in no window of the program.
    static juce::TopLevelWindow* getWindowWithTheKeys();

private:
    class Traverser;

    void mouseDown (const juce::MouseEvent& event) override;
    bool keyPressed (const juce::KeyPress& key, juce::Component* origin) override;

    // The editing control that holds `component` or is it, or null.
    juce::Component* editingControlHolding (juce::Component* component) const;
    // Where the keys are when `component` has them: its editing control, or the window.
    juce::Component* placeOf (juce::Component* component) const;
    void noteWhereTheKeysAre();
    juce::Component* neighbour (juce::Component* current, bool forwards) const;

    juce::Component& window;
    juce::Component::SafePointer<juce::Component> lastPlace; // what had the keys last in the window
    bool deciding = false;

    JUCE_DECLARE_NON_COPYABLE (WindowKeyboardFocus)
};
