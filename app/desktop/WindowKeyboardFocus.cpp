#include "app/desktop/WindowKeyboardFocus.h"

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
}

WindowKeyboardFocus::~WindowKeyboardFocus()
{
    window.removeKeyListener (this);
    window.removeMouseListener (this);
}

std::unique_ptr<juce::ComponentTraverser> WindowKeyboardFocus::createTraverser() const
{
    return std::make_unique<Traverser> (*this);
}

void WindowKeyboardFocus::keysCameOrWent()
{
    auto* focused = juce::Component::getCurrentlyFocusedComponent();
    auto* peer = window.getPeer();
    if (deciding || peer == nullptr)
        return;

    // Gone with the X focus, JUCE remembers rightly what had them; gone to another of the
    // program's windows, the last place noted stays.
    auto* remembered = peer->getLastFocusedSubcomponent();
    if (focused == nullptr && remembered != &window && ! peer->isFocused())
        lastPlace = placeOf (remembered);
    if (focused == nullptr || (focused != &window && ! window.isParentOf (focused)))
        return;

    // JUCE's own choice is the window itself, or the control it remembers from the window's last
    // loss of the X focus; any other control was chosen by a click or by the program, and keeps them.
    if (focused != &window && focused != remembered)
        return noteWhereTheKeysAre();

    const auto isUsable = [this] (juce::Component* c)
    { return c != nullptr && window.isParentOf (c) && c->isShowing() && c->getWantsKeyboardFocus(); };
    auto* place = isUsable (lastPlace.getComponent()) ? lastPlace.getComponent() : &window;

    const juce::ScopedValueSetter<bool> busy (deciding, true);
    lastPlace = place;
    if (placeOf (focused) != place)
        place->grabKeyboardFocus();

    // JUCE's memory made the same, for the X server's focus-in that may still be on its way (after
    // a give-back by the program): it would hand the keys to what it remembers once more.
    if (remembered != place && place->hasKeyboardFocus (true) && peer->isFocused())
    {
        peer->handleFocusLoss();
        peer->handleFocusGain();
    }
}

namespace
{
void commitTypingIn (const juce::Array<juce::Component*>& windows)
{
    // Each box's listeners run as it closes, and may take other boxes away.
    juce::Array<juce::Component::SafePointer<juce::Label>> open;
    for (auto* window : windows)
        collectOpenBoxes (*window, open);
    for (auto& label : open)
        if (label != nullptr && label->isBeingEdited())
            label->hideEditor (false);
}
} // namespace

void WindowKeyboardFocus::commitTyping() { commitTypingIn ({ &window }); }

void WindowKeyboardFocus::commitTypingInEveryWindow()
{
    auto& desktop = juce::Desktop::getInstance();
    juce::Array<juce::Component*> windows;
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        windows.add (desktop.getComponent (i));
    commitTypingIn (windows);
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

juce::Component* WindowKeyboardFocus::placeOf (juce::Component* component) const
{
    auto* control = editingControlHolding (component);
    return control != nullptr ? control : &window;
}

void WindowKeyboardFocus::noteWhereTheKeysAre()
{
    auto* focused = juce::Component::getCurrentlyFocusedComponent();
    if (focused != nullptr && (focused == &window || window.isParentOf (focused)))
        lastPlace = placeOf (focused);
}

juce::TopLevelWindow* WindowKeyboardFocus::getWindowWithTheKeys()
{
    if (auto* focused = juce::Component::getCurrentlyFocusedComponent())
        return dynamic_cast<juce::TopLevelWindow*> (focused->getTopLevelComponent());
    return juce::TopLevelWindow::getActiveTopLevelWindow();
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
    noteWhereTheKeysAre();
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

    const auto* focused = juce::Component::getCurrentlyFocusedComponent();
    if (focused != nullptr && focused != &window && ! window.isParentOf (focused))
        return false;

    // The box left is committed, and whatever its number changes (a linked box, a chooser) is
    // settled, before the next one opens: a commit that changed the next box after it opened would
    // close its editor under the keys, and what is typed next would go nowhere. The box keeps the
    // keys as it closes, so Tab goes on from it.
    commitTyping();

    if (auto* next = neighbour (juce::Component::getCurrentlyFocusedComponent(), ! modifiers.isShiftDown()))
        giveKeysTo (*next);
    noteWhereTheKeysAre();
    return true;
}
