// The abstract face of every control of a preset: it turns into its byte record and back.
#pragma once

#include <juce_core/juce_core.h>

class EditorControl : public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<EditorControl>;

    virtual juce::Array<juce::uint8> getData() = 0;
    virtual bool setFromData (const juce::Array<juce::uint8>& record) = 0;
    virtual ~EditorControl() = default;
};
