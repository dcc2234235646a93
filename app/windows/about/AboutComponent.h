// The About picture with the version line and the two legal lines; a click closes its window.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class AboutComponent : public juce::Component, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AboutComponent>;

    explicit AboutComponent (const juce::Image& picture);

    void mouseUp (const juce::MouseEvent& event) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    juce::Label& getVersionLabel() { return versionLabel; }

private:
    juce::Image picture;
    juce::Label versionLabel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AboutComponent)
};
