// 14-bit numbers travel as two 7-bit bytes, high part first.
#pragma once

#include <juce_core/juce_core.h>

#include <utility>

// High part v / 128 and low part v % 128, each cut to 8 bits.
inline std::pair<juce::uint8, juce::uint8> split14 (int v)
{
    return { static_cast<juce::uint8> (v / 128), static_cast<juce::uint8> (v % 128) };
}

// The low byte is added unmasked: join14 (0, 200) is 200.
inline int join14 (juce::uint8 high, juce::uint8 low) { return high * 128 + low; }
