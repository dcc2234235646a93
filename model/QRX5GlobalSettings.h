// The family's view of the device's global parameters. A setting travels packed in 16 bits:
// the parameter number in the low byte and the value in the high byte.
#pragma once

#include <juce_core/juce_core.h>

class QRX5GlobalSettings : public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QRX5GlobalSettings>;

    // Every setting, packed, in parameter-number order.
    virtual juce::Array<juce::uint16> getAllSettings() = 0;

    // Hands the value to the setter of the packed number. False, doing nothing, for a number
    // that is not a setting; true otherwise, also when the value was out of range and dropped.
    virtual bool setSetting (juce::uint16 packed, int notify) = 0;

    // Sets every setting again to its own value, in number order (notify non-zero tells all).
    virtual void resendAll (int notify) = 0;

    virtual ~QRX5GlobalSettings() = default;
};

inline juce::uint16 packGlobalSetting (int id, int value)
{
    return static_cast<juce::uint16> ((id & 0xff) | ((value & 0xff) << 8));
}
