#include "ui/EditorStrings.h"

#include <gtest/gtest.h>

// Each of these is compared in two places (a window against a button's name, the
// application against a window's message), so a "corrected" spelling breaks the pair.
TEST (EditorStrings, ComparedTextsKeepTheirExactWording)
{
    EXPECT_EQ (EditorStrings::midiDeviceNotFound,
               "MIDI Device is not found.  Verify MIDI Settings in the MIDI Setup window.");
    EXPECT_EQ (EditorStrings::noPresetAcknowledgement,
               "No Preset Acknowledgement returned. Verify Midi Input Settings.");
    EXPECT_EQ (EditorStrings::presetSentSuccessfully, "Preset Sucessfully Sent to device.");

    const juce::StringArray names{ EditorStrings::sendButton,    EditorStrings::applyButton,
                                   EditorStrings::refreshButton, EditorStrings::getButton,
                                   EditorStrings::okButton,      EditorStrings::cancelButton,
                                   EditorStrings::revertButton,  EditorStrings::browseButton,
                                   EditorStrings::clearButton,   EditorStrings::bankAButton,
                                   EditorStrings::bankBButton,   EditorStrings::bankCButton,
                                   EditorStrings::bankDButton };
    EXPECT_EQ (names.joinIntoString ("|"),
               "Send|Apply|Refresh|Get|OK|Cancel|Revert|Browse|Clear|BankA|BankB|BankC|BankD");
    EXPECT_EQ (EditorStrings::version, JUCE_APPLICATION_VERSION_STRING);
    EXPECT_EQ (EditorStrings::versionPrefix + EditorStrings::version, "Version: 1.0.8");
}

TEST (EditorStrings, NoteLabelNamesTheNoteWithMiddleCInOctaveFour)
{
    EXPECT_EQ (formatNoteLabel (0), "NOTE:0 (C-1)");
    EXPECT_EQ (formatNoteLabel (60), "NOTE:60 (C4)");
    EXPECT_EQ (formatNoteLabel (127), "NOTE:127 (G9)");
}
