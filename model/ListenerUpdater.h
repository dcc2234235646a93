// One listener call packed as an object: the listener list and copies of the arguments.
#pragma once

#include <juce_core/juce_core.h>

class ListenerUpdater : public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ListenerUpdater>;

    ~ListenerUpdater() override = default;

    // Calls one listener method on every listener of the list with the stored arguments.
    virtual void update() = 0;
};
