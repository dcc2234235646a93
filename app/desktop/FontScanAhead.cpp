#include "app/desktop/FontScanAhead.h"

FontScanAhead::FontScanAhead()
    : scan (
          [this]
          {
              // Builds JUCE's font list; nothing else touches fonts until it is done (see below).
              juce::Font::findAllTypefaceNames();
              scanned.signal();
          })
{
    auto& desktop = juce::Desktop::getInstance();
    previousDefault = &desktop.getDefaultLookAndFeel();
    desktop.setDefaultLookAndFeel (this);
}

FontScanAhead::~FontScanAhead()
{
    juce::Desktop::getInstance().setDefaultLookAndFeel (previousDefault);
    scan.join();
}

juce::Typeface::Ptr FontScanAhead::getTypefaceForFont (const juce::Font& font)
{
    // The font list is not safe to read while it is being built.
    scanned.wait();
    return juce::LookAndFeel_V4::getTypefaceForFont (font);
}
