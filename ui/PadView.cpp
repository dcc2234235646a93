#include "ui/PadView.h"

#include "ui/EditorPictures.h"
#include "ui/EditorStrings.h"
#include "ui/FittedFont.h"

namespace
{
const juce::Array<juce::Colour> padPalette{
    juce::Colour (113, 113, 113), // OFF
    juce::Colour (245, 3, 3),     // RED
    juce::Colour (248, 126, 7),   // ORANGE
    juce::Colour (248, 188, 7),   // AMBER
    juce::Colour (250, 237, 21),  // YELLOW
    juce::Colour (28, 233, 30),   // GREEN
    juce::Colour (9, 229, 159),   // GREEN BLUE
    juce::Colour (15, 217, 230),  // AQUA
    juce::Colour (10, 157, 251),  // LIGHT BLUE
    juce::Colour (14, 101, 231),  // BLUE
    juce::Colour (143, 37, 242),  // PURPLE
    juce::Colour (220, 85, 228),  // PINK
    juce::Colour (225, 0, 198),   // HOT PINK
    juce::Colour (179, 153, 231), // LIGHT PURPLE
    juce::Colour (167, 247, 187), // LIGHT GREEN
    juce::Colour (241, 179, 229), // LIGHT PINK
    juce::Colour (206, 225, 235), // GREY
};

const juce::String channelPrefixes[] = { "A", "B" };
const juce::String channelLabel{ "MIDI CH:" };
const juce::String commonChannelText{ "COM" };
} // namespace

const juce::Array<juce::Colour>& PadView::getPalette() { return padPalette; }

PadView::PadView (MEditorControl::Ptr padToShow, const juce::String& name, const juce::Image& normal,
                  const juce::Image& over, const juce::Image& selected)
    : juce::Button (name)
    , ControlView (normal, over, selected)
    , DragableAndDropAbleControl (this)
    , padName (name)
    , pad (padToShow)
    , overlay (EditorPictures::padOverlay())
{
    // Binding tells this view of every current value at once, colours included, so the palette
    // must be there first.
    palette = padPalette;

    const std::pair<const char*, juce::Value*> bindings[] = {
        { "Parameter Type", &typeValue },    { "MIDI Channel", &channelValue },
        { "Program LSB", &programLsbValue }, { "Program MSB", &programMsbValue },
        { "Program Number", &programValue }, { "Note Toggle Mode", &toggleModeValue },
        { "MIDI Note", &noteValue },         { "Color On", &colourOnValue },
        { "Color Off", &colourOffValue },
    };

    for (auto& [parameter, value] : bindings)
    {
        value->addListener (this);

        if (pad != nullptr)
            pad->bindParameter (parameter, *value, true);
    }

    const auto picture = EditorPictures::pad (EditorPictures::ViewState::normal);
    setSize (picture.isValid() ? picture.getWidth() : 98, picture.isValid() ? picture.getHeight() : 101);
}

PadView::~PadView() = default;

MEditorControl::Ptr PadView::getControl() { return pad; }

void PadView::setChannel (juce::uint8 channel)
{
    // The device knows 0 (common) and 1 to 32; a larger number, which the pad's range lets in,
    // is shown as it is rather than as a made-up port.
    if (channel == 0)
        channelLine = channelLabel + commonChannelText;
    else if (channel <= 32)
        channelLine =
            channelLabel + channelPrefixes[(channel - 1) / 16] + juce::String ((channel - 1) % 16 + 1);
    else
        channelLine = channelLabel + juce::String (channel);

    repaint();
}

void PadView::setType (juce::uint8 newType)
{
    type = newType;
    repaint();
}

void PadView::setTriggerMode (int mode)
{
    // Only 0 and 1 have names; any other stored number is shown as the number.
    if (mode == 0)
        triggerLine = EditorStrings::triggerMomentary;
    else if (mode == 1)
        triggerLine = EditorStrings::triggerToggle;
    else
        triggerLine = juce::String (mode);

    repaint();
}

void PadView::setProgram (juce::uint8 program)
{
    programLine = EditorStrings::programLabel + juce::String (program);
    repaint();
}

void PadView::setProgramMsb (juce::uint8 msb)
{
    msbLine = EditorStrings::msbLabel + juce::String (msb);
    repaint();
}

void PadView::setProgramLsb (juce::uint8 lsb)
{
    lsbLine = EditorStrings::lsbLabel + juce::String (lsb);
    repaint();
}

void PadView::setNote (juce::uint8 note)
{
    noteLine = formatNoteLabel (note);
    repaint();
}

juce::Colour PadView::colourAt (int index) const
{
    return juce::isPositiveAndBelow (index, palette.size()) ? palette.getUnchecked (index)
                                                            : juce::Colours::transparentBlack;
}

void PadView::valueChanged (juce::Value& value)
{
    const int v = value.getValue();
    const auto low = static_cast<juce::uint8> (v & 0xff);

    if (value.refersToSameSourceAs (typeValue))
        setType (low);
    else if (value.refersToSameSourceAs (channelValue))
        setChannel (low);
    else if (value.refersToSameSourceAs (programMsbValue))
        setProgramMsb (low);
    else if (value.refersToSameSourceAs (programLsbValue))
        setProgramLsb (low);
    else if (value.refersToSameSourceAs (programValue))
        setProgram (low);
    else if (value.refersToSameSourceAs (toggleModeValue))
        setTriggerMode (v);
    else if (value.refersToSameSourceAs (noteValue))
        setNote (low);
    else if (value.refersToSameSourceAs (colourOnValue))
    {
        onColour = colourAt (low);
        repaint();
    }
    else if (value.refersToSameSourceAs (colourOffValue))
    {
        offColour = colourAt (low);
        repaint();
    }
}

juce::Array<PadView::TextLine> PadView::getTextLines() const
{
    const int w = getWidth();
    const auto white = juce::Colours::white;
    const juce::Font font (12.0f);
    juce::Array<TextLine> lines;

    if (type == 0)
    {
        lines.add ({ noteLine, 8, 10, w - 5, white, font });
        lines.add ({ triggerLine, 8, 30, w - 5, white, font });
    }
    else
    {
        // Program bank (2) adds its bank halves; every other type draws as a program.
        lines.add ({ programLine, 8, 10, w - 5, white, font });

        if (type == 2)
        {
            lines.add ({ msbLine, 8, 30, (w - 5) / 2, white, font });
            lines.add ({ lsbLine, w / 2 + 2, 30, (w - 5) / 2, white, font });
        }
    }

    lines.add ({ channelLine, 8, 50, w - 8, white, font });
    lines.add ({ padName, 8, 72, w - 5, juce::Colour (211, 211, 211), font });

    // Each line ends a blank short of the LED frame (its right edge is 2 thick at x 93), and the
    // bank line's left half, whose box overlaps the right half's a little, a blank short of that.
    constexpr int frameInside = 89;

    for (int i = 0; i < lines.size(); ++i)
    {
        auto& line = lines.getReference (i);
        int room = juce::jmin (line.width, frameInside - line.x);

        if (i + 1 < lines.size() && lines[i + 1].y == line.y)
            room = juce::jmin (room, lines[i + 1].x - line.x - 3);

        line.font = fitFont (font, line.text, static_cast<float> (room));
    }

    return lines;
}

void PadView::paintButton (juce::Graphics& g, bool isMouseOver, bool isDown)
{
    ControlView::paintButton (g, isMouseOver, isDown);

    for (const auto& line : getTextLines())
    {
        g.setColour (line.colour);
        g.setFont (line.font);
        g.drawText (line.text, line.x, line.y, line.width, 20, juce::Justification::left, false);
    }

    g.setColour (offColour);
    g.drawLine (5.0f, 91.0f, 93.0f, 91.0f, 2.0f);
    g.drawLine (5.0f, 5.0f, 5.0f, 92.0f, 2.0f);

    g.setColour (onColour);
    g.drawLine (5.0f, 5.0f, 93.0f, 4.0f, 2.0f);
    g.drawLine (93.0f, 4.0f, 93.0f, 92.0f, 2.0f);

    // Pictures are drawn with the current colour's opacity; a transparent LED colour must not
    // hide the overlay.
    g.setOpacity (1.0f);
    g.drawImageAt (overlay, 0, 0);
}
