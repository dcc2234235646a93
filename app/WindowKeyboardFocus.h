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
// The program's shortcuts act in every window it has, tool windows too, through the key mappings
// of its one command manager. Those of a command that acts on one preset find no target outside
// the preset's main window, and do nothing there. Every command, however given, first takes what
// was typed into an open box (see commitTyping).
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

class WindowKeyboardFocus : private juce::MouseListener,
                            private juce::KeyListener,
                            private juce::ApplicationCommandManagerListener
{
public:
    explicit WindowKeyboardFocus (juce::Component& window);
    ~WindowKeyboardFocus() override;

    std::unique_ptr<juce::ComponentTraverser> createTraverser() const;

    // Takes what was typed into the window's open box, as Return does, and closes it: a save, a
    // close or a quit must read the number shown, not the one before it. An open box is modal to
    // JUCE, which would pull its window back over any window a command shows.
    void commitTyping();

    // A component that takes keys to change a value: a chooser, a text box, a number box, or a
    // list that wants them (a list whose rows show no selection must not).
    static bool isEditingControl (const juce::Component& component);

    // The editing controls shown inside `parent`, in Tab order: top to bottom, then left to right,
    // level by level. A control's own parts (a number box's editor) are not listed apart.
    static std::vector<juce::Component*> editingControlsIn (juce::Component& parent);

private:
    class Traverser;

    void mouseDown (const juce::MouseEvent& event) override;
    bool keyPressed (const juce::KeyPress& key, juce::Component* origin) override;
    void applicationCommandInvoked (const juce::ApplicationCommandTarget::InvocationInfo&) override;
    void applicationCommandListChanged() override {}

    // The editing control that holds `component` or is it, or null.
    juce::Component* editingControlHolding (juce::Component* component) const;
    juce::Component* neighbour (juce::Component* current, bool forwards) const;

    juce::Component& window;
    juce::ApplicationCommandManager* commands = nullptr; // the program's, when it runs
    juce::KeyListener* shortcuts = nullptr;              // its key mappings

    JUCE_DECLARE_NON_COPYABLE (WindowKeyboardFocus)
};
