// The built-in default preset, stored as one complete 1083-byte preset dump.
#pragma once

#include "QRX571EditorPreset.h"

// The stored dump, as embedded in the program.
juce::MemoryBlock getDefaultPresetDump();

// A new preset loaded from the stored dump's image (bytes 8 to 1069).
QRX571EditorPreset::Ptr makeDefaultPreset();
