// The abstract face of a preset: it turns into its flat image and back.
#pragma once

#include <juce_core/juce_core.h>

class EditorPreset : public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<EditorPreset>;

    virtual juce::Array<juce::uint8> getData() = 0;
    virtual bool validate (const juce::Array<juce::uint8>& image) = 0;
    virtual bool setFromData (const juce::Array<juce::uint8>& image) = 0;
    virtual int getDataSize() = 0;
    virtual ~EditorPreset() = default;
};
