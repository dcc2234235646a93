// Every text that the editor shows or compares in more than one place. Windows tell
// their image buttons apart by these names, so the shown text and the compared text
// can never drift apart. The constants are inline, so any file that includes this
// header sees them built before its own statics.
#pragma once

#include <juce_core/juce_core.h>

namespace EditorStrings
{
// Result messages.
inline const juce::String midiDeviceNotFound{
    "MIDI Device is not found.  Verify MIDI Settings in the MIDI Setup window."
};
inline const juce::String noPresetAcknowledgement{
    "No Preset Acknowledgement returned. Verify Midi Input Settings."
};
inline const juce::String presetSentSuccessfully{ "Preset Sucessfully Sent to device." };
inline const juce::String errorOpeningFile{ "Error Opening File." };
inline const juce::String errorSavingFile{ "Error Saving File." };

// Widget captions: the component names of the parameter widgets.
inline const juce::String midiChannel{ "MIDI CHANNEL" };
inline const juce::String midiToDin{ "MIDI TO DIN" };
inline const juce::String midiNote{ "MIDI NOTE" };
inline const juce::String midiCc{ "MIDI CC" };
inline const juce::String programNumber{ "PROGRAM NUMBER" };
inline const juce::String programLsb{ "PROGRAM LSB" };
inline const juce::String programMsb{ "PROGRAM MSB" };
inline const juce::String triggerMode{ "TRIGGER MODE" };
inline const juce::String minimum{ "MIN" };
inline const juce::String maximum{ "MAX" };
inline const juce::String tempoLed{ "TEMPO LED" };
inline const juce::String commonChannel{ "COMMON CHANNEL" };
inline const juce::String noteDisplay{ "NOTE DISPLAY" };
inline const juce::String lcdContrast{ "LCD CONTRAST" };
inline const juce::String tapAverage{ "TAP AVERAGE" };
inline const juce::String midiClock{ "MIDI CLOCK" };
inline const juce::String transportToDin{ "TRANSPORT TO DIN" };
inline const juce::String padThreshold{ "PAD THRESHOLD" };
inline const juce::String padCurve{ "PAD CURVE" };
inline const juce::String padGain{ "PAD GAIN" };
inline const juce::String padType{ "TYPE" };
inline const juce::String switchType{ "TYPE" };
inline const juce::String faderType{ "TYPE" };
inline const juce::String knobType{ "TYPE" };
inline const juce::String onColor{ "ON COLOR" };
inline const juce::String offColor{ "OFF COLOR" };
inline const juce::String aftertouch{ "AFTERTOUCH" };
inline const juce::String velocity{ "VELOCITY" };
inline const juce::String nrpnMsb{ "NRPN MSB" };
inline const juce::String nrpnLsb{ "NRPN LSB" };
inline const juce::String nrpnValue{ "VALUE" };

// Choice texts.
inline const juce::String off{ "OFF" };
inline const juce::String on{ "ON" };
inline const juce::String common{ "COMMON" };
inline const juce::String triggerMomentary{ "MOM" }; // pad toggle mode 0
inline const juce::String triggerToggle{ "TOG" };    // pad toggle mode 1

// Command and menu names.
inline const juce::String closeWindow{ "Close Window" };
inline const juce::String minimizeWindow{ "Minimize Window" };
inline const juce::String save{ "Save" };
inline const juce::String saveAs{ "Save As" };
inline const juce::String sendToHardware{ "Send To Hardware" };
inline const juce::String loadFromHardware{ "Load From Hardware" };
inline const juce::String newPreset{ "New" };
inline const juce::String openPreset{ "Open Preset" };
inline const juce::String midiSetup{ "MIDI Setup" };
inline const juce::String globalSettingsEditor{ "Global Settings Editor" };
inline const juce::String autoPopulateTool{ "Auto Populate Tool" };
inline const juce::String sendMultiplePresets{ "Send Multiple Presets" };
inline const juce::String bringAllToFront{ "Bring All To Front" };
inline const juce::String openUserGuide{ "Open User Guide" };
inline const juce::String about{ "About" };

// Dialog texts.
inline const juce::String saveCurrentPresetToHardwareAs{ "Save current preset to hardware as" };
inline const juce::String ram{ "RAM" };
inline const juce::String sendPresetTitle{ "Send Preset" };
inline const juce::String loadPresetTitle{ "Load Preset" };
inline const juce::String selectFilenameToSave{ "Select filename to save" };
inline const juce::String saveDocumentTitle{ "Save Document" };
inline const juce::String savePresetQuestion{ "Save Preset: " }; // the preset name follows
inline const juce::String midiSetupTitle{ "MIDI Setup" };
inline const juce::String inputCaption{ "INPUT" };
inline const juce::String outputCaption{ "OUTPUT" };
inline const juce::String versionPrefix{ "Version: " };
inline const juce::String version{ "1.0.8" };

// The two legal lines of the About window.
inline const juce::String copyrightLine{ "Copyright (c) The QRX571 Editor developers." };
inline const juce::String licenceLine{ "Free software under the GNU GPL, version 3 or later." };

// Labels that a pad view writes on itself.
inline const juce::String noteLabel{ "NOTE:" };
inline const juce::String programLabel{ "PROG:" };
inline const juce::String msbLabel{ "MSB:" };
inline const juce::String lsbLabel{ "LSB:" };

// Captions and choices that more than one auto-populate panel shows.
inline const juce::String startCaption{ "START" };
inline const juce::String modeCaption{ "MODE" };
inline const juce::String scaleCaption{ "SCALE" };
inline const juce::String msbCaption{ "MSB" };
inline const juce::String lsbCaption{ "LSB" };
inline const juce::String chromatic{ "CHROMATIC" };

// Image-button names; windows compare a clicked button's name with these.
inline const juce::String sendButton{ "Send" };
inline const juce::String applyButton{ "Apply" };
inline const juce::String refreshButton{ "Refresh" };
inline const juce::String getButton{ "Get" };
inline const juce::String okButton{ "OK" };
inline const juce::String cancelButton{ "Cancel" };
inline const juce::String revertButton{ "Revert" };
inline const juce::String browseButton{ "Browse" };
inline const juce::String clearButton{ "Clear" };
inline const juce::String bankAButton{ "BankA" };
inline const juce::String bankBButton{ "BankB" };
inline const juce::String bankCButton{ "BankC" };
inline const juce::String bankDButton{ "BankD" };
} // namespace EditorStrings

// A pad's note line: "NOTE:" and the number, then the note name with sharps and the
// octave in brackets, middle C (60) in octave 4: formatNoteLabel (60) is "NOTE:60 (C4)".
juce::String formatNoteLabel (int note);
