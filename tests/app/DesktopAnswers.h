// Answers the boxes and file choosers the program puts on the desktop, as a user would: it
// presses the alert's button, or types a name into the chooser and presses its button. It keeps
// what each box said, so a test can check the question that was asked.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <deque>
#include <functional>

namespace apptest
{
class DesktopAnswers : private juce::Timer
{
public:
    DesktopAnswers() { startTimer (10); }

    // The next alert box gets this button pressed ("Yes", "No", "Cancel", "OK").
    void press (const juce::String& buttonText) { answers.push_back ({ false, buttonText }); }
    // The next file chooser gets this path typed in and its own button pressed; an empty path
    // presses "Cancel" instead.
    void choose (const juce::File& file) { answers.push_back ({ true, file.getFullPathName() }); }

    bool allAnswered() const { return answers.empty(); }

    // What each box said (title, ". ", message) and each chooser's title, in order.
    juce::StringArray seen;

private:
    template <typename Box>
    static Box* topmost()
    {
        auto& desktop = juce::Desktop::getInstance();
        for (int i = desktop.getNumComponents(); --i >= 0;)
            if (auto* box = dynamic_cast<Box*> (desktop.getComponent (i)); box != nullptr && box->isShowing())
                return box;
        return nullptr;
    }

    template <typename Child>
    static Child* find (juce::Component& parent, std::function<bool (Child&)> matches)
    {
        for (auto* child : parent.getChildren())
        {
            if (auto* c = dynamic_cast<Child*> (child); c != nullptr && matches (*c))
                return c;
            if (auto* found = find<Child> (*child, matches))
                return found;
        }
        return nullptr;
    }

    static bool press (juce::Component& box, const juce::String& text)
    {
        auto* button = find<juce::TextButton> (box, [&] (auto& b) { return b.getButtonText() == text; });
        if (button != nullptr)
            button->triggerClick();
        return button != nullptr;
    }

    void timerCallback() override
    {
        juce::Component* box = topmost<juce::FileChooserDialogBox>();
        const bool isChooser = box != nullptr;
        if (! isChooser && (box = topmost<juce::AlertWindow>()) == nullptr)
            return;

        if (box != lastSeen)
        {
            lastSeen = box;
            seen.add (isChooser ? box->getName() : box->getDescription());
        }

        if (box == lastAnswered || answers.empty() || answers.front().first != isChooser)
            return;

        lastAnswered = box;
        const auto text = answers.front().second;
        answers.pop_front();

        if (isChooser && text.isNotEmpty())
        {
            if (auto* name = find<juce::TextEditor> (*box, [] (auto&) { return true; }))
                name->setText (text, true);
            if (! press (*box, "Save"))
                press (*box, "Open");
        }
        else
            press (*box, isChooser ? "Cancel" : text);
    }

    std::deque<std::pair<bool, juce::String>> answers; // for a chooser?, the text
    juce::Component::SafePointer<juce::Component> lastSeen, lastAnswered;
};
} // namespace apptest
