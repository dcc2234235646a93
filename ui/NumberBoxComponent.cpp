#include "ui/NumberBoxComponent.h"

#include <limits>

namespace
{
// Reads a typed number: leading blanks, an optional sign, then digits up to the first
// other character. No digit at all reads as nothing, which the box refuses like a number out
// of range. Too many digits saturate rather than wrap, so the range test refuses them.
template <typename NumberType>
std::optional<NumberType> readNumber (const juce::String& text)
{
    auto p = text.getCharPointer().findEndOfWhitespace();
    const bool negative = *p == '-';

    if (negative || *p == '+')
        ++p;

    if (*p < '0' || *p > '9')
        return std::nullopt;

    constexpr auto limit = static_cast<long long> (std::numeric_limits<NumberType>::max());
    long long magnitude = 0;

    for (auto c = *p; c >= '0' && c <= '9'; c = *++p)
        magnitude = juce::jmin (limit + 1, magnitude * 10 + static_cast<long long> (c - '0'));

    if (negative)
        return static_cast<NumberType> (
            juce::jmax (static_cast<long long> (std::numeric_limits<NumberType>::min()), -magnitude));

    return static_cast<NumberType> (juce::jmin (limit, magnitude));
}
} // namespace

template <typename NumberType>
NumberBoxComponent<NumberType>::NumberBoxComponent (const juce::String& name, NumberType minimumToUse,
                                                    NumberType maximumToUse, NumberType initial)
    : juce::Label ({}, {})
    , minimum (minimumToUse)
    , maximum (maximumToUse)
    , value (initial)
{
    setName (name);
    setEditable (true, false, false);
    setText (textOf (initial), juce::dontSendNotification);
}

template <typename NumberType>
void NumberBoxComponent<NumberType>::addListener (Listener* listener)
{
    if (listener != nullptr)
        listeners.addIfNotAlreadyThere (listener);
}

template <typename NumberType>
void NumberBoxComponent<NumberType>::removeListener (Listener* listener)
{
    listeners.removeFirstMatchingValue (listener);
}

template <typename NumberType>
void NumberBoxComponent<NumberType>::setValue (NumberType v, juce::NotificationType n)
{
    if (v < minimum || v > maximum)
    {
        showNumber (value);
        return;
    }

    value = v;
    showNumber (v);

    if (n == juce::dontSendNotification)
        return;

    // Newest listener first; a listener may remove itself while being told.
    for (int i = listeners.size(); --i >= 0;)
        if (i < listeners.size())
            listeners.getUnchecked (i)->numberBoxChanged (this);
}

template <typename NumberType>
void NumberBoxComponent<NumberType>::showNumber (NumberType v)
{
    const auto text = textOf (v);

    // When a refused number arrives through the bound value, the label still believes it
    // shows the old text and setText would do nothing; write the old number back
    // ourselves so the box and its parameter agree.
    if (getTextValue().toString() != text)
        getTextValue().setValue (text);

    setText (text, juce::dontSendNotification);
}

template <typename NumberType>
void NumberBoxComponent<NumberType>::paint (juce::Graphics& g)
{
    if (editing)
        return;

    g.fillAll (findColour (juce::Label::backgroundColourId));
    g.setColour (findColour (juce::Label::textColourId));
    g.setFont (getFont());
    g.drawText (textOf (value), 5, 0, getWidth(), getHeight(), juce::Justification::left, false);

    // Still holding the keys once its editor has closed: outlined as the editor was.
    if (hasKeyboardFocus (false))
    {
        g.setColour (findColour (juce::TextEditor::focusedOutlineColourId));
        g.drawRect (getLocalBounds(), 2);
    }
}

template <typename NumberType>
void NumberBoxComponent<NumberType>::focusGained (FocusChangeType cause)
{
    juce::Label::focusGained (cause);
    repaint();
}

template <typename NumberType>
void NumberBoxComponent<NumberType>::focusLost (FocusChangeType cause)
{
    juce::Label::focusLost (cause);
    repaint();
}

template <typename NumberType>
void NumberBoxComponent<NumberType>::focusOfChildComponentChanged (FocusChangeType)
{
    // The keys left the open editor (Tab to the next box, a click in another window): the typed
    // number is taken now. JUCE tells the label only later, by a message, and by then the next
    // box's editor is open, so this one would stay open with its number not taken.
    if (isBeingEdited() && ! hasKeyboardFocus (true))
        hideEditor (false);
}

template <typename NumberType>
void NumberBoxComponent<NumberType>::editorShown (juce::TextEditor* editor)
{
    editor->setLookAndFeel (&getLookAndFeel());
    editing = true;

    const auto textColour = findColour (juce::Label::textColourId);
    editor->setColour (juce::TextEditor::textColourId, textColour);
    editor->setColour (juce::TextEditor::highlightedTextColourId, textColour);
    editor->setInputRestrictions (0, "0123456789-+");
    editor->setMultiLine (false);
    editor->setScrollbarsShown (false);
    editor->setCaretVisible (true);

    editor->setText (textOf (value), false);
    editor->moveCaretToEnd();
    editor->selectAll();
}

template <typename NumberType>
void NumberBoxComponent<NumberType>::editorAboutToBeHidden (juce::TextEditor* editor)
{
    editing = false;
    const auto typed = typedText.value_or (editor->getText());
    typedText.reset();

    const auto number = readNumber<NumberType> (typed);

    if (getText().isEmpty() || ! number.has_value())
        showNumber (value);
    else
        setValue (*number, juce::sendNotificationSync);

    // The label copies the editor's text into its own once the editor is gone (when it
    // is hidden without the return key); hand it the number the box settled on.
    editor->setText (getText(), false);

    // Closed with the keys still in it (Return, a shortcut): the box keeps them, so Tab goes on
    // from here. Closed because the keys went elsewhere, it leaves them there.
    if (editor->hasKeyboardFocus (false) && isShowing())
        grabKeyboardFocus();
}

template <typename NumberType>
void NumberBoxComponent<NumberType>::valueChanged (juce::Value& v)
{
    // Our own writes to the text come back here later: only a different number is news.
    const auto text = v.toString();
    const auto incoming = readNumber<NumberType> (text).value_or (NumberType{});

    if (incoming != value)
        setValue (incoming, juce::sendNotificationAsync);
    else if (text != textOf (value))
        showNumber (value);

    juce::Label::valueChanged (v);
}

template <typename NumberType>
void NumberBoxComponent<NumberType>::textEditorReturnKeyPressed (juce::TextEditor& editor)
{
    // The label copies the editor's text into its own, and so into a bound parameter,
    // before it hides the editor. Settle the number first, so that only an accepted
    // number in its plain form ("+5" becomes "5", "128" or an emptied editor the old
    // number) gets through.
    if (editing)
    {
        typedText = editor.getText();
        const auto typed = readNumber<NumberType> (*typedText);
        const auto settled = (! typed.has_value() || *typed < minimum || *typed > maximum) ? value : *typed;
        editor.setText (textOf (settled), false);
    }

    juce::Label::textEditorReturnKeyPressed (editor);
}

template class NumberBoxComponent<int>;
