// Answers the boxes and file choosers the program puts on the desktop, as a user would: it
// presses the alert's button or types a name into the chooser and presses its button. It keeps
// what each box said, so a test can check the question that was asked.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <deque>

namespace apptest
{
class DesktopAnswers : private juce::Timer
{
public:
    DesktopAnswers() { startTimer (10); }
    ~DesktopAnswers() override { stopTimer(); }

    // The next alert box gets this button pressed ("Yes", "No", "Cancel", "OK").
    void press (const juce::String& buttonText) { answers.push_back ({ false, buttonText }); }
    // The next file chooser gets this path typed in and its own button pressed; an empty
    // path presses "Cancel" instead.
    void choose (const juce::File& file) { answers.push_back ({ true, file.getFullPathName() }); }

    bool allAnswered() const { return answers.empty(); }

    // What each box said (title, ". ", message) and each chooser's title, in order.
    juce::StringArray seen;

private:
    struct Answer
    {
        bool forChooser;
        juce::String text;
    };

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
    static Child* findChild (juce::Component& parent, std::function<bool (Child&)> matches)
    {
        for (auto* child : parent.getChildren())
        {
            if (auto* c = dynamic_cast<Child*> (child); c != nullptr && matches (*c))
                return c;
            if (auto* found = findChild<Child> (*child, matches))
                return found;
        }
        return nullptr;
    }

    static bool pressButton (juce::Component& box, const juce::String& text)
    {
        auto* button = findChild<juce::TextButton> (box, [&] (juce::TextButton& b)
                                                    { return b.getButtonText() == text; });
        if (button != nullptr)
            button->triggerClick();
        return button != nullptr;
    }

    void timerCallback() override
    {
        juce::Component* box = topmost<juce::FileChooserDialogBox>();
        const bool isChooser = box != nullptr;
        if (box == nullptr)
            box = topmost<juce::AlertWindow>();
        if (box == nullptr)
            return;

        if (box != lastSeen)
        {
            lastSeen = box;
            seen.add (isChooser ? box->getName() : box->getDescription());
        }

        if (box == lastAnswered || answers.empty() || answers.front().forChooser != isChooser)
            return;

        lastAnswered = box;
        const auto text = answers.front().text;
        answers.pop_front();

        if (! isChooser)
            pressButton (*box, text);
        else if (text.isEmpty())
            pressButton (*box, "Cancel");
        else
        {
            if (auto* filename = findChild<juce::TextEditor> (*box, [] (juce::TextEditor&) { return true; }))
                filename->setText (text, true);
            if (! pressButton (*box, "Save"))
                pressButton (*box, "Open");
        }
    }

    std::deque<Answer> answers;
    juce::Component::SafePointer<juce::Component> lastSeen, lastAnswered;
};
} // namespace apptest
