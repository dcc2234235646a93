// A preset of the family: its name, at most 8 characters, each below 128 ("Preset" when new).
#pragma once

#include "EditorPreset.h"

#include <juce_data_structures/juce_data_structures.h>

class QRX5EditorPreset : public virtual EditorPreset, public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QRX5EditorPreset>;

    static constexpr int nameLength = 8;

    QRX5EditorPreset();
    ~QRX5EditorPreset() override = default;

    // Refuses, leaving the name as it was, a text of more than 8 characters or with any
    // character above 127. An empty text is fine.
    bool setName (const juce::String& newName);
    juce::String getName() const;

    // Makes `target` share the name (a view's text field); writes through it bypass setName.
    void bindName (juce::Value& target);

    // True only for exactly 8 bytes, each below 0x80.
    bool validateNameBytes (const juce::Array<juce::uint8>& bytes) const;

    // Always 8 bytes: the name's characters, then blanks. A name that a bound value has pushed
    // past the rules still gives 8 bytes: characters past the eighth are left out and a
    // character above 127 is written as '?', so an image never changes size or carries a
    // byte that would break a SysEx message.
    juce::Array<juce::uint8> getNameBytes() const;

protected:
    juce::Value name;
};
