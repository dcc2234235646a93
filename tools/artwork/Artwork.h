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

// The front panel with the control pictures placed as the editor places them.
juce::Image makeSurfacePreview (const PictureList& list);

// The global-settings page assembled from the auxiliary pictures.
juce::Image makeWindowPreview (const PictureList& list);

// Every picture on one labelled page, for a reviewer, after an assembled view of the panel.
juce::Image makeContactSheet (const PictureList& list);
