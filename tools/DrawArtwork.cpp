// Draws every picture of the editor and writes them as PNG files.
//
//   DrawArtwork <resources-dir> [contact-sheet.png]
//
// The PNGs are committed under resources/; run this again after changing the drawing
// code. Output is byte-for-byte the same on every run (seeded noise, fonts loaded from
// fonts-dejavu-core by path). No display is needed.
#include "tools/artwork/ArtKit.h"
#include "tools/artwork/Artwork.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <iostream>

namespace
{
bool writePng (const juce::Image& image, const juce::File& file)
{
    if (! file.getParentDirectory().createDirectory())
        return false;
    juce::MemoryOutputStream bytes;
    juce::PNGImageFormat png;
    if (! png.writeImageToStream (image, bytes))
        return false;
    // Leave an unchanged file alone, so a re-run does not even touch its time stamp.
    if (file.existsAsFile() && file.getSize() == (juce::int64)bytes.getDataSize())
    {
        juce::MemoryBlock old;
        if (file.loadFileAsData (old) && old == bytes.getMemoryBlock())
            return true;
    }
    return file.replaceWithData (bytes.getData(), bytes.getDataSize());
}

int draw (int argc, char** argv)
{
    PictureList pictures;
    addPanelPicture (pictures);
    addControlPictures (pictures);
    addDialogPictures (pictures);
    addAboutPicture (pictures);
    addIconPicture (pictures);

    const juce::File folder (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    if (! folder.createDirectory())
    {
        std::cerr << "cannot create " << folder.getFullPathName() << "\n";
        return 1;
    }

    for (const auto& p : pictures)
        if (! writePng (p.image, folder.getChildFile (p.file)))
        {
            std::cerr << "cannot write " << p.file << "\n";
            return 1;
        }
    std::cout << pictures.size() << " pictures written to " << folder.getFullPathName() << "\n";

    if (argc > 2)
    {
        const auto sheet = juce::File::getCurrentWorkingDirectory().getChildFile (argv[2]);
        if (! writePng (makeContactSheet (pictures), sheet))
        {
            std::cerr << "cannot write " << sheet.getFullPathName() << "\n";
            return 1;
        }
        std::cout << "contact sheet: " << sheet.getFullPathName() << "\n";
    }
    return 0;
}
} // namespace

int main (int argc, char** argv)
{
    if (argc < 2)
    {
        std::cerr << "usage: DrawArtwork <resources-dir> [contact-sheet.png]\n";
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI juce;
    if (! ArtKit::loadFonts())
    {
        ArtKit::unloadFonts();
        std::cerr
            << "DejaVu Sans not found under /usr/share/fonts/truetype/dejavu (install fonts-dejavu-core)\n";
        return 1;
    }
    const int result = draw (argc, argv);
    ArtKit::unloadFonts();
    return result;
}
