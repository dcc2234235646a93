// The view of a pad: its picture with a summary of its settings written on it (note or
// program, trigger mode, MIDI channel, pad number), framed in its two LED colours. It follows
// nine of the pad's parameters through bound values.
#pragma once

#include "ui/ControlView.h"
#include "ui/DragableAndDropAbleControl.h"

class PadView : public virtual juce::ReferenceCountedObject,
                public ControlView,
                public DragableAndDropAbleControl,
                public juce::Value::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<PadView>;

    // One line of text as the view draws it: at (x, y) in a box `width` wide, in a font in which
    // it fits that box and ends short of the next line on its row.
    struct TextLine
    {
        juce::String text;
        int x, y, width;
        juce::Colour colour;
        juce::Font font;
    };

    // The LED colours, indexed by "Color On" / "Color Off"; an index past the end (17) is
    // transparent black, so that edge of the frame is not drawn.
    static const juce::Array<juce::Colour>& getPalette();

    PadView (MEditorControl::Ptr pad, const juce::String& name, const juce::Image& normal,
             const juce::Image& over, const juce::Image& selected);
    ~PadView() override;

    // Button listeners and drag listeners both register through addListener.
    using DragableAndDropAbleControl::addListener;
    using DragableAndDropAbleControl::removeListener;
    using juce::Button::addListener;
    using juce::Button::removeListener;

    MEditorControl::Ptr getControl() override;
    virtual void setChannel (juce::uint8 channel);
    virtual void setType (juce::uint8 type);
    virtual void setTriggerMode (int mode);
    virtual void setProgram (juce::uint8 program);
    virtual void setProgramMsb (juce::uint8 msb);
    virtual void setProgramLsb (juce::uint8 lsb);
    virtual void setNote (juce::uint8 note);
    void valueChanged (juce::Value& value) override;
    void paintButton (juce::Graphics& g, bool isMouseOver, bool isDown) override;

    // The text the view draws for its current settings, in drawing order.
    juce::Array<TextLine> getTextLines() const;

    juce::Colour getOnColour() const { return onColour; }
    juce::Colour getOffColour() const { return offColour; }

private:
    juce::Colour colourAt (int index) const;

    juce::Value typeValue, channelValue, programMsbValue, programLsbValue, programValue, toggleModeValue,
        noteValue, colourOnValue, colourOffValue;
    juce::Array<juce::Colour> palette;
    juce::String padName;
    juce::String channelLine, noteLine, triggerLine, programLine, lsbLine, msbLine;
    juce::Colour onColour{ juce::Colours::transparentBlack };
    juce::Colour offColour{ juce::Colours::transparentBlack };
    int type = 0;
    MEditorControl::Ptr pad;
    juce::Image overlay;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PadView)
};
