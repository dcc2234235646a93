// An editable label that holds one whole number inside a fixed range. A typed number
// outside the range is refused, not clamped, and so is an entry without a digit (an emptied
// box): the box shows its old number again.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <optional>

template <typename NumberType>
class NumberBoxComponent : public juce::Label
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void numberBoxChanged (NumberBoxComponent<NumberType>* box) = 0;
    };

    NumberBoxComponent (const juce::String& name, NumberType minimum, NumberType maximum, NumberType initial);

    // Adds the listener once; a null listener is ignored.
    void addListener (Listener* listener);
    void removeListener (Listener* listener);

    NumberType getValue() const { return value; }
    NumberType getMinimum() const { return minimum; }
    NumberType getMaximum() const { return maximum; }

    // Takes v when it lies within the range, then tells every listener at once unless
    // n is dontSendNotification; otherwise shows the old number again and tells nobody.
    void setValue (NumberType v, juce::NotificationType n);

    void paint (juce::Graphics& g) override;
    void focusGained (FocusChangeType cause) override;
    void focusLost (FocusChangeType cause) override;
    void focusOfChildComponentChanged (FocusChangeType cause) override;

protected:
    void editorShown (juce::TextEditor* editor) override;
    void editorAboutToBeHidden (juce::TextEditor* editor) override;
    void valueChanged (juce::Value& v) override;
    void textEditorReturnKeyPressed (juce::TextEditor& editor) override;

private:
    juce::String textOf (NumberType v) const { return juce::String (v); }
    void showNumber (NumberType v);

    juce::Array<Listener*> listeners;
    const NumberType minimum;
    const NumberType maximum;
    NumberType value;
    bool editing = false;
    std::optional<juce::String> typedText; // as typed, while the label takes the settled text

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NumberBoxComponent)
};
