// Answers the boxes and file choosers the program puts on the desktop, as a user would: it
// presses the alert's button, or types a name into the chooser and presses its button. It keeps
// what each box said, so a test can check the question that was asked.
#pragma once

#include "autopopulate/AutoPopulateTestSupport.h"
#include "support/RunLoop.h"

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
    void press (const juce::String& buttonText) { answers.push_back ({ false, buttonText, {} }); }
    // The next file chooser gets this path typed in and its own button pressed; an empty path
    // presses "Cancel" instead.
    void choose (const juce::File& file) { answers.push_back ({ true, file.getFullPathName(), {} }); }

    // While the next box or chooser is up, this is done instead of answering it (a close
    // request, say); it runs from the message loop, not from this timer, and the box waits for
    // the answers queued after it.
    void meanwhile (std::function<void()> action) { answers.push_back ({ false, {}, std::move (action) }); }

    bool allAnswered() const { return answers.empty(); }
    bool waitUntilAllAnswered()
    {
        return testutil::runLoopUntil ([this] { return allAnswered(); });
    }

    // What each box said (title, ". ", message) and each chooser's title, in order.
    juce::StringArray seen;

private:
    // Clicks the box's button that reads one of `texts`.
    static void press (juce::Component& box, const juce::StringArray& texts)
    {
        for (auto* button : aptest::findAll<juce::TextButton> (box))
            if (texts.contains (button->getButtonText()))
                return button->triggerClick();
    }

    void timerCallback() override
    {
        // The topmost alert or chooser showing: a box raised over a chooser comes first.
        juce::Component* box = nullptr;
        auto& desktop = juce::Desktop::getInstance();
        for (int i = desktop.getNumComponents(); --i >= 0 && box == nullptr;)
            if (auto* c = desktop.getComponent (i);
                c->isShowing() && (dynamic_cast<juce::FileChooserDialogBox*> (c) != nullptr ||
                                   dynamic_cast<juce::AlertWindow*> (c) != nullptr))
                box = c;
        if (box == nullptr)
            return;

        const bool isChooser = dynamic_cast<juce::FileChooserDialogBox*> (box) != nullptr;
        if (seenBoxes.addIfNotAlreadyThere (box))
            seen.add (isChooser ? box->getName() : box->getDescription());

        // A box answered stays up until its loop ends: whatever comes next waits for the next box.
        if (box == lastAnswered || answers.empty())
            return;

        if (answers.front().action != nullptr)
        {
            juce::MessageManager::callAsync (std::move (answers.front().action));
            answers.pop_front();
            return;
        }

        if (answers.front().forChooser != isChooser)
            return;

        lastAnswered = box;
        const auto text = answers.front().text;
        answers.pop_front();

        if (isChooser && text.isNotEmpty())
        {
            if (auto* name = aptest::findAll<juce::TextEditor> (*box)[0])
                name->setText (text, true);
            press (*box, { "Save", "Open" });
        }
        else
            press (*box, isChooser ? "Cancel" : text);
    }

    struct Answer
    {
        bool forChooser; // else for an alert box, or an action when there is one
        juce::String text;
        std::function<void()> action;
    };

    std::deque<Answer> answers;
    juce::Array<juce::Component::SafePointer<juce::Component>> seenBoxes; // each counted once
    juce::Component::SafePointer<juce::Component> lastAnswered;
};
} // namespace apptest
