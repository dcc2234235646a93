#include "app/WindowKeyboardFocus.h"

#include "app/QRX5EditorApplication.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace
{
void collect (juce::Component& parent, std::vector<juce::Component*>& found)
{
    std::vector<juce::Component*> children;
    for (auto* child : parent.getChildren())
        if (child->isVisible() && child->isEnabled())
            children.push_back (child);

    // The order JUCE's own traversers use: an explicit order first, then top to bottom, then
    // left to right.
    const auto place = [] (const juce::Component* c)
    {
        const auto order = c->getExplicitFocusOrder();
        return std::make_tuple (order > 0 ? order : std::numeric_limits<int>::max(),
                                c->isAlwaysOnTop() ? 0 : 1, c->getY(), c->getX());
    };
    std::stable_sort (children.begin(), children.end(),
                      [&] (const juce::Component* a, const juce::Component* b)
                      { return place (a) < place (b); });

    for (auto* child : children)
    {
        if (WindowKeyboardFocus::isEditingControl (*child))
            found.push_back (child);
        else
            collect (*child, found);
    }
}

void collectOpenBoxes (juce::Component& parent, juce::Array<juce::Component::SafePointer<juce::Label>>& found)
{
    for (auto* child : parent.getChildren())
    {
        if (auto* label = dynamic_cast<juce::Label*> (child); label != nullptr && label->isBeingEdited())
            found.add (label);
        collectOpenBoxes (*child, found);
    }
}

// Gives the keys to the control as Tab does: a number box opens its editor.
void giveKeysTo (juce::Component& control)
{
    if (auto* label = dynamic_cast<juce::Label*> (&control))
    {
        if (! label->isBeingEdited())
            label->showEditor();
        return;
    }
    control.grabKeyboardFocus();
}
} // namespace

class WindowKeyboardFocus::Traverser : public juce::ComponentTraverser
{
public:
    explicit Traverser (const WindowKeyboardFocus& focusOfWindow)
        : owner (focusOfWindow)
    {
    }

    // A click on a component that takes no keys leaves them where they are, or gives them to
    // the window: never to a control the user did not click.
    juce::Component* getDefaultComponent (juce::Component*) override { return nullptr; }
    juce::Component* getNextComponent (juce::Component* current) override
    {
        return owner.neighbour (current, true);
    }
    juce::Component* getPreviousComponent (juce::Component* current) override
    {
        return owner.neighbour (current, false);
    }
    std::vector<juce::Component*> getAllComponents (juce::Component* parent) override
    {
        return parent != nullptr ? editingControlsIn (*parent) : std::vector<juce::Component*>();
    }

private:
    const WindowKeyboardFocus& owner;
};

WindowKeyboardFocus::WindowKeyboardFocus (juce::Component& windowToServe)
    : window (windowToServe)
{
    window.setWantsKeyboardFocus (true);
    window.addMouseListener (this, true);
    window.addKeyListener (this);

    if (auto* app = QRX5EditorApplication::getApp())
        if ((commands = app->getCommandManager()) != nullptr)
        {
            window.addKeyListener (shortcuts = commands->getKeyMappings());
            commands->addListener (this);
        }
}

WindowKeyboardFocus::~WindowKeyboardFocus()
{
    // A tool window may outlive the program's command manager.
    if (auto* app = QRX5EditorApplication::getApp();
        commands != nullptr && app != nullptr && app->getCommandManager() == commands)
        commands->removeListener (this);
    window.removeKeyListener (shortcuts);
    window.removeKeyListener (this);
    window.removeMouseListener (this);
}

std::unique_ptr<juce::ComponentTraverser> WindowKeyboardFocus::createTraverser() const
{
    return std::make_unique<Traverser> (*this);
}

void WindowKeyboardFocus::commitTyping()
{
    // Each box's listeners run as it closes, and may take other boxes away.
    juce::Array<juce::Component::SafePointer<juce::Label>> open;
    collectOpenBoxes (window, open);
    for (auto& label : open)
        if (label != nullptr && label->isBeingEdited())
            label->hideEditor (false);
}

void WindowKeyboardFocus::applicationCommandInvoked (const juce::ApplicationCommandTarget::InvocationInfo&)
{
    // Before the command acts: a shortcut pressed in an open box leaves it, and what was typed
    // counts first.
    commitTyping();
}

bool WindowKeyboardFocus::isEditingControl (const juce::Component& component)
{
    return component.getWantsKeyboardFocus() &&
           (dynamic_cast<const juce::ComboBox*> (&component) != nullptr ||
            dynamic_cast<const juce::TextEditor*> (&component) != nullptr ||
            dynamic_cast<const juce::Label*> (&component) != nullptr || // wants keys only when editable
            dynamic_cast<const juce::ListBox*> (&component) != nullptr);
}

std::vector<juce::Component*> WindowKeyboardFocus::editingControlsIn (juce::Component& parent)
{
    std::vector<juce::Component*> found;
    collect (parent, found);
    return found;
}

juce::Component* WindowKeyboardFocus::editingControlHolding (juce::Component* component) const
{
    juce::Component* holder = nullptr;
    for (auto* c = component; c != nullptr && c != &window; c = c->getParentComponent())
        if (isEditingControl (*c))
            holder = c;
    return holder;
}

juce::Component* WindowKeyboardFocus::neighbour (juce::Component* current, bool forwards) const
{
    const auto controls = editingControlsIn (window);
    if (controls.empty())
        return nullptr;

    // From the window itself, or from a control no longer shown, Tab starts at an end.
    const auto at = std::find (controls.begin(), controls.end(), editingControlHolding (current));
    if (at == controls.end())
        return forwards ? controls.front() : controls.back();

    if (forwards)
        return std::next (at) == controls.end() ? controls.front() : *std::next (at);
    return at == controls.begin() ? controls.back() : *std::prev (at);
}

void WindowKeyboardFocus::mouseDown (const juce::MouseEvent& event)
{
    // JUCE has already given the keys to the control clicked, if it takes them; a click anywhere
    // else would leave them with the control that had them.
    if (editingControlHolding (event.originalComponent) == nullptr && window.isShowing() &&
        ! window.hasKeyboardFocus (false))
        window.grabKeyboardFocus();
}

bool WindowKeyboardFocus::keyPressed (const juce::KeyPress& key, juce::Component*)
{
    // Tab comes here when the control that has the keys did not use it, and from the window
    // itself, where JUCE's own Tab finds nothing to move to. With nothing focused (a number box
    // closed by Return lets go of the keys) the keys come to the window.
    const auto modifiers = key.getModifiers();
    if (! key.isKeyCode (juce::KeyPress::tabKey) || modifiers.isCommandDown() || modifiers.isCtrlDown() ||
        modifiers.isAltDown())
        return false;

    auto* focused = juce::Component::getCurrentlyFocusedComponent();
    if (focused != nullptr && focused != &window && ! window.isParentOf (focused))
        return false;

    if (auto* next = neighbour (focused, ! modifiers.isShiftDown()))
        giveKeysTo (*next);
    return true;
}
