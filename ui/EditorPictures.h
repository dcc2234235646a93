// The one place the program gets its pictures from. Every picture is a PNG embedded
// in the program (resources/*.png, drawn by tools/DrawArtwork) and decoded once through
// juce::ImageCache, so asking again hands back the same shared image.
#pragma once

#include <juce_graphics/juce_graphics.h>

namespace EditorPictures
{
// The three looks of a picture button: plain, under the mouse, pressed.
enum class ButtonState
{
    normal,
    over,
    down
};

// The image buttons of the dialogs and the auto-populate tool, one per maker.
enum class DialogButton
{
    send,    // "Send"    96 x 25
    apply,   // "Apply"   96 x 25
    refresh, // "Refresh" 96 x 25
    get,     // "Get"     96 x 25
    ok,      // "OK"      96 x 25
    cancel,  // "Cancel"  96 x 25
    revert,  // "Revert"  96 x 25
    browse,  // "Browse"  74 x 20
    clear    // "Clear"   14 x 13, one picture for all three states
};

// A dialog button in one state: 96 x 25, Browse 74 x 20, Clear 14 x 13 (the same
// picture whatever the state).
juce::Image dialogButton (DialogButton which, ButtonState state);

// A bank toggle of the auto-populate tool, 18 x 17, showing its letter.
// bank: 0 to 3 for A to D (anything else gives an invalid image).
juce::Image bankToggle (int bank, bool on);

// The "Enabled" toggle of an auto-populate row, 18 x 17.
juce::Image enabledToggle (bool on);

// The background shared by every auxiliary window, 633 x 677, light grey.
juce::Image auxiliaryBackground();

// The heading strips of the auxiliary windows; each carries its window's heading.
enum class Caption
{
    autoPopulate,        // 200 x 18, "AUTO POPULATE"
    midiSetup,           // 200 x 18, "MIDI SETUP"
    sendPreset,          // 200 x 18, "SEND PRESET"
    sendMultiplePresets, // 267 x 18, "SEND MULTIPLE PRESETS"
    globalSettings,      // 409 x 18, "HARDWARE GLOBAL PARAMETERS"
    loadFromHardware     // 409 x 18, "LOAD PRESETS FROM HARDWARE"
};

juce::Image caption (Caption which);

// The line between the panels of the auto-populate tool, 618 x 3.
juce::Image autoPopulateSeparator();

// The front panel behind the editor surface, 940 x 721, with its two displays,
// bank captions and transport captions printed in place.
juce::Image editorBackground();

// The three looks of a control view or a bank lamp.
// normal: not selected, no mouse; over: under the mouse; selected: toggled on.
enum class ViewState
{
    normal,
    over,
    selected
};

// Pad, 98 x 101: normal = dark pad, over = grey pad, selected = blue pad.
juce::Image pad (ViewState state);

// The 98 x 101 picture a pad view draws over everything else (mostly transparent).
juce::Image padOverlay();

// Knob, 57 x 57: normal = dark knob, over = blue knob, selected = grey knob.
juce::Image knob (ViewState state);

// Fader, 63 x 183: normal = dark fader, over = blue fader, selected = grey fader.
juce::Image fader (ViewState state);

// Switch, 40 x 31: normal = grey switch, over = light-blue switch, selected = white switch.
juce::Image switchButton (ViewState state);

// Bank lamp of the editor surface, 21 x 21: normal = unlit lamp, over = grey lamp,
// selected = lit amber lamp.
juce::Image bankLamp (ViewState state);

// Transport button pictures of the editor surface, 40 x 31 each.
juce::Image whiteTransportButton();
juce::Image redTransportButton();

// The About picture, 501 x 275.
juce::Image aboutPicture();

// Decoding ahead. The program starts decoding the pictures of the editor surface (its front
// panel and the looks of its views and bank lamps) on a thread of its own as it starts, so the
// decoding runs alongside the rest of its start (the display connection, the font scan, building
// the views). The first ask for any picture waits for that decoding and files its pictures in the
// image cache, where the asks find them. Both on the message thread; starting again while one is
// under way does nothing.
void startDecodingSurfacePictures();

// Waits for the decoding started above and files its pictures; nothing when none is under way.
void finishDecodingSurfacePictures();
} // namespace EditorPictures
