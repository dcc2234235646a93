#include "midi/PresetFile.h"

#if ! JUCE_WINDOWS
#include <sys/stat.h>
#endif

namespace
{
// Opening a pipe or a device for reading can block for ever; only plain files are read.
bool isPlainFile (const juce::File& file)
{
#if JUCE_WINDOWS
    return file.existsAsFile();
#else
    struct stat info;
    return stat (file.getFullPathName().toRawUTF8(), &info) == 0 && S_ISREG (info.st_mode);
#endif
}
} // namespace

bool PresetFile::replaceWhole (const juce::File& file, const juce::Array<juce::uint8>& bytes)
{
    if (bytes.isEmpty() || file.isDirectory())
        return false;

    juce::TemporaryFile temp (file, juce::TemporaryFile::useHiddenFile);
    {
        juce::FileOutputStream out (temp.getFile());
        if (out.failedToOpen())
            return false;

        // The stream buffers, and a short write on flush is not reported: the size test below is.
        if (! out.write (bytes.getRawDataPointer(), static_cast<size_t> (bytes.size())))
            return false;

        out.flush();
        if (out.getStatus().failed())
            return false;
    }

    if (temp.getFile().getSize() != bytes.size())
        return false;

    return temp.overwriteTargetFileWithTemporary();
}

bool PresetFile::readAll (const juce::File& file, juce::Array<juce::uint8>& bytes)
{
    bytes.clearQuick();

    if (! isPlainFile (file))
        return false;

    juce::FileInputStream in (file);
    if (in.failedToOpen())
        return false;

    const auto size = in.getTotalLength();
    if (size < 0 || size > maxReadSize)
        return false;

    bytes.resize (static_cast<int> (size));
    if (size > 0 && in.read (bytes.getRawDataPointer(), static_cast<int> (size)) != static_cast<int> (size))
    {
        bytes.clearQuick();
        return false;
    }
    return true;
}
