// The program's entry: JUCE runs the editor application until it quits.
#include "app/QRX571EditorApplication.h"

START_JUCE_APPLICATION (QRX571EditorApplication)
