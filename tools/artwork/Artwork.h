// The families of pictures the artwork tool draws, each adding its pictures to one list.
#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

struct Picture
{
    juce::String file; // the file name under resources/, which is also its embedded name
    juce::Image image;
};

using PictureList = std::vector<Picture>;

void addDialogPictures (PictureList& list);  // dialog buttons, toggles, auxiliary background, captions
void addControlPictures (PictureList& list); // pads, knobs, faders, switches, lamps, transport buttons
void addPanelPicture (PictureList& list);    // the editor's front panel
void addAboutPicture (PictureList& list);    // the About picture
void addIconPicture (PictureList& list);     // the desktop icon (installed, not embedded)

// The global-settings page assembled from the auxiliary pictures.
juce::Image makeWindowPreview (const PictureList& list);

// Every picture on one labelled page, for a reviewer, after an assembled settings page. The
// assembled front panel is the editor's own: its tests render the real surface into the build
// folder (surface/).
juce::Image makeContactSheet (const PictureList& list);
