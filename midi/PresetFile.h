// Reading and writing preset files as whole byte blocks.
#pragma once

#include <juce_core/juce_core.h>

#include <string>
#include <vector>

class PresetFile
{
public:
    // Far more than any preset dump: a larger file is refused unread.
    static constexpr juce::int64 maxReadSize = 1 << 20;

    // Writes the bytes to a temporary file beside the target, checks that all of them landed,
    // gives it the target's permissions, then renames it over the target. A failure at any point
    // leaves the target as it was. A symbolic link is followed: its target is replaced.
    static bool replaceWhole (const juce::File& path, const juce::Array<juce::uint8>& bytes);

    // Every byte of the file; false when it is not a plain file, can't be read or is larger
    // than maxReadSize.
    static bool readAll (const juce::File& file, juce::Array<juce::uint8>& bytes);
    // The same for a UTF-8 path, for a thread that may be stuck opening it when the program ends:
    // it then holds no JUCE object at all.
    static bool readAll (const std::string& path, std::vector<juce::uint8>& bytes);
};
