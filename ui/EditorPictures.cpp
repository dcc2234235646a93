#include "ui/EditorPictures.h"

#include "BinaryData.h"

#include <future>
#include <utility>
#include <vector>

namespace EditorPictures
{
namespace
{
// An embedded picture decoded ahead, with the data it came from.
using DecodedPicture = std::pair<const char*, juce::Image>;

std::future<std::vector<DecodedPicture>>& decodingAhead()
{
    static std::future<std::vector<DecodedPicture>> pending;
    return pending;
}

// The surface's pictures: its front panel and the looks of its views and lamps.
std::vector<DecodedPicture> decodeSurfacePictures()
{
    std::vector<DecodedPicture> decoded;

    for (const auto* prefix :
         { "editor_background", "pad_", "knob_", "fader_", "switch_", "lamp_", "transport_" })
    {
        for (int i = 0; i < BinaryData::namedResourceListSize; ++i)
        {
            const juce::String name (BinaryData::namedResourceList[i]);
            if (! name.startsWith (prefix) || ! name.endsWith ("_png"))
                continue;

            int size = 0;
            if (const auto* data = BinaryData::getNamedResource (name.toRawUTF8(), size))
                decoded.emplace_back (data, juce::ImageFileFormat::loadFrom (data, (size_t)size));
        }
    }

    return decoded;
}

// Embedded names follow the file names: "pad_dark.png" is embedded as "pad_dark_png".
juce::Image load (const juce::String& fileStem)
{
    finishDecodingSurfacePictures();

    int size = 0;
    const auto resource = fileStem + "_png";
    if (const auto* data = BinaryData::getNamedResource (resource.toRawUTF8(), size))
        return juce::ImageCache::getFromMemory (data, size);
    jassertfalse; // a picture the program asks for is missing from resources/
    return {};
}

const char* stateName (ButtonState state)
{
    switch (state)
    {
        case ButtonState::over:
            return "over";
        case ButtonState::down:
            return "down";
        case ButtonState::normal:
            break;
    }
    return "normal";
}

const char* buttonName (DialogButton which)
{
    switch (which)
    {
        case DialogButton::send:
            return "send";
        case DialogButton::apply:
            return "apply";
        case DialogButton::refresh:
            return "refresh";
        case DialogButton::get:
            return "get";
        case DialogButton::ok:
            return "ok";
        case DialogButton::cancel:
            return "cancel";
        case DialogButton::revert:
            return "revert";
        case DialogButton::browse:
            return "browse";
        case DialogButton::clear:
            return "clear";
    }
    return "";
}

// The three looks of a view, by the colour each kind of control takes in that state.
juce::Image viewPicture (const char* kind, ViewState state, const char* normal, const char* over,
                         const char* selected)
{
    const char* look = state == ViewState::over ? over : state == ViewState::selected ? selected : normal;
    return load (juce::String (kind) + "_" + look);
}
} // namespace

juce::Image dialogButton (DialogButton which, ButtonState state)
{
    if (which == DialogButton::clear)
        return load ("button_clear");
    return load (juce::String ("button_") + buttonName (which) + "_" + stateName (state));
}

juce::Image bankToggle (int bank, bool on)
{
    if (bank < 0 || bank > 3)
        return {};
    return load (juce::String ("bank_toggle_") +
                 juce::String::charToString ((juce::juce_wchar) ('a' + bank)) + (on ? "_on" : "_off"));
}

juce::Image enabledToggle (bool on) { return load (on ? "enabled_toggle_on" : "enabled_toggle_off"); }

juce::Image auxiliaryBackground() { return load ("auxiliary_background"); }

juce::Image caption (Caption which)
{
    switch (which)
    {
        case Caption::autoPopulate:
            return load ("caption_auto_populate");
        case Caption::midiSetup:
            return load ("caption_midi_setup");
        case Caption::sendPreset:
            return load ("caption_send_preset");
        case Caption::sendMultiplePresets:
            return load ("caption_send_multiple_presets");
        case Caption::globalSettings:
            return load ("caption_global_settings");
        case Caption::loadFromHardware:
            return load ("caption_load_from_hardware");
    }
    return {};
}

juce::Image autoPopulateSeparator() { return load ("separator_auto_populate"); }

juce::Image editorBackground() { return load ("editor_background"); }

juce::Image pad (ViewState state) { return viewPicture ("pad", state, "dark", "grey", "blue"); }

juce::Image padOverlay() { return load ("pad_overlay"); }

juce::Image knob (ViewState state) { return viewPicture ("knob", state, "dark", "blue", "grey"); }

juce::Image fader (ViewState state) { return viewPicture ("fader", state, "dark", "blue", "grey"); }

juce::Image switchButton (ViewState state)
{
    return viewPicture ("switch", state, "grey", "light_blue", "white");
}

juce::Image bankLamp (ViewState state) { return viewPicture ("lamp", state, "unlit", "grey", "amber"); }

juce::Image whiteTransportButton() { return load ("transport_white"); }

juce::Image redTransportButton() { return load ("transport_red"); }

juce::Image aboutPicture() { return load ("about"); }

void startDecodingSurfacePictures()
{
    auto& pending = decodingAhead();

    if (! pending.valid())
        pending = std::async (std::launch::async, decodeSurfacePictures);
}

void finishDecodingSurfacePictures()
{
    auto& pending = decodingAhead();

    if (! pending.valid())
        return;

    // Filed under the key juce::ImageCache::getFromMemory uses for embedded data: its address.
    for (auto& [data, image] : pending.get())
    {
        const auto key = (juce::int64) (juce::pointer_sized_int)data;
        if (juce::ImageCache::getFromHashCode (key).isNull())
            juce::ImageCache::addImageToCache (image, key);
    }
}
} // namespace EditorPictures
