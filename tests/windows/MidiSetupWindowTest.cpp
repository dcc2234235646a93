// The MIDI Setup window lists the port layer's names and, on Apply or OK, swaps the open ports
// for the picked ones; rows and buttons are clicked with the mouse.
#include "WindowTestSupport.h"

using MidiSetupWindowTest = WindowTest;

TEST_F (MidiSetupWindowTest, ApplyAndOkOpenThePickedPortsCancelAndCloseKeepTheApplied)
{
    const juce::String remote = QRX571Emulator::portName;
    for (auto* name : { "Synth", "Twin", "Twin" })
    {
        layer->addInput (name);
        layer->addOutput (name, [] (const juce::MidiMessage&) {});
    }
    const auto content = [&]() -> MidiSetupComponent&
    { return dynamic_cast<MidiSetupComponent&> (*app->midiSetup->getContentComponent()); };
    const auto list = [&] (bool input) -> juce::ListBox&
    { return *aptest::findAll<juce::ListBox> (content())[input ? 0 : 1]; };
    const auto pick = [&] (bool input, const juce::String& name)
    {
        const int row =
            dynamic_cast<MidiDeviceListBoxModel*> (list (input).getModel())->getNames().indexOf (name);
        click (*app->midiSetup, list (input), list (input).getRowPosition (row, true));
    };
    // "close" is the title bar's close button.
    const auto press = [&] (const juce::String& name)
    {
        if (name == "close")
            app->midiSetup->closeButtonPressed();
        else
            click (*app->midiSetup, *aptest::find<juce::Button> (content(), name));
    };

    struct Case
    {
        const char* what;
        juce::String input, output; // empty: leave the preselected row
        juce::StringArray presses, openInputs, openOutputs;
        bool windowStays;
        bool devicePortsOpen = true; // as the window opens
    };
    const Case cases[] = {
        { "Cancel after Apply", "Synth", "Synth", { "Apply", "Cancel" }, { "Synth" }, { "Synth" }, false },
        { "OK", "Synth", "Twin", { "OK" }, { "Synth" }, { "Twin", "Twin" }, false },
        { "a shared name", "Twin", "Twin", { "Apply" }, { "Twin", "Twin" }, { "Twin", "Twin" }, true },
        { "close after Apply", "Synth", {}, { "Apply", "close" }, { "Synth" }, { remote }, false },
        { "none open, none picked", {}, {}, { "OK" }, {}, {}, false, false },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        manager->closeAllInputs();
        manager->closeAllOutputs();
        if (c.devicePortsOpen)
            openDevicePorts();
        app->closeMidiSetupWindow();
        app->showMidiSetup();

        if (c.input.isNotEmpty())
            pick (true, c.input);
        if (c.output.isNotEmpty())
            pick (false, c.output);
        for (auto& name : c.presses)
            press (name);

        EXPECT_EQ (manager->getOpenInputNames(), c.openInputs);
        EXPECT_EQ (manager->getOpenOutputNames(), c.openOutputs);
        EXPECT_EQ (app->midiSetup != nullptr, c.windowStays);
    }
}
