// What the view tests share: a parameter view's widgets as the user sees them, solid test
// pictures, typing into number boxes and writing renders.
#pragma once

#include "support/RunLoop.h"
#include "ui/LCDView.h"
#include "ui/NumberBoxComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace viewtest
{
// The widget captioned `name` on page `pageIndex` (the shown page by default), or null.
inline juce::Component* findWidget (LCDView& view, const juce::String& name, int pageIndex = -1)
{
    if (auto* page = view.getPage (pageIndex < 0 ? view.getVisiblePageIndex() : pageIndex))
        for (int i = 0; i < page->getNumRows(); ++i)
            if (auto* row = page->getRow (i); row != nullptr && row->getName() == name)
                return row;

    return nullptr;
}

inline juce::ComboBox& chooser (LCDView& view, const juce::String& name)
{
    return *dynamic_cast<juce::ComboBox*> (findWidget (view, name));
}

inline NumberBoxComponent<int>& numberBox (LCDView& view, const juce::String& name)
{
    return *dynamic_cast<NumberBoxComponent<int>*> (findWidget (view, name));
}

// The captions of the shown page, left column first.
inline juce::StringArray shownCaptions (LCDView& view)
{
    juce::StringArray captions;

    if (auto* page = view.getPage (view.getVisiblePageIndex()))
        for (int i = 0; i < page->getNumRows(); ++i)
            captions.add (page->getCaption (i)->getText());

    return captions;
}

// Picks an item as the user does: the chooser tells its listener at once.
inline void pick (juce::ComboBox& box, const juce::String& itemText)
{
    for (int i = 0; i < box.getNumItems(); ++i)
        if (box.getItemText (i) == itemText)
            box.setSelectedId (box.getItemId (i), juce::sendNotificationSync);
}

// Types into a number box as the user does and waits for the editor to close.
inline bool typeInto (NumberBoxComponent<int>& box, const juce::String& text)
{
    box.showEditor();

    if (auto* editor = box.getCurrentTextEditor())
    {
        editor->setText (text, true);
        editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    }

    return testutil::runLoopUntil ([&] { return box.getCurrentTextEditor() == nullptr; }, 2000);
}

inline juce::Image solidPicture (juce::Colour colour, int width, int height)
{
    juce::Image image (juce::Image::ARGB, width, height, true);
    image.clear (image.getBounds(), colour);
    return image;
}

inline bool writePng (const juce::Image& image, const juce::File& file)
{
    file.deleteFile();
    file.getParentDirectory().createDirectory();
    juce::FileOutputStream out (file);
    return out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out);
}
} // namespace viewtest
