#include "midi/PresetFile.h"

#include <cstdio>
#include <memory>
#include <optional>

#if ! JUCE_WINDOWS
#include <sys/stat.h>
#endif

namespace
{
// Opening a pipe or a device for reading can block for ever; only plain files are read.
bool isPlainFile (const std::string& path)
{
#if JUCE_WINDOWS
    return juce::File (juce::String::fromUTF8 (path.c_str())).existsAsFile();
#else
    struct stat info;
    return stat (path.c_str(), &info) == 0 && S_ISREG (info.st_mode);
#endif
}

std::FILE* openForReading (const std::string& path)
{
#if JUCE_WINDOWS
    return _wfopen (juce::String::fromUTF8 (path.c_str()).toWideCharPointer(), L"rb");
#else
    return std::fopen (path.c_str(), "rb");
#endif
}

// The file a path finally names: a link is followed to its target (which need not exist yet),
// so that saving over it writes there and leaves the link itself alone. None for a loop.
std::optional<juce::File> followLinks (juce::File file)
{
    for (int hops = 0; file.isSymbolicLink(); ++hops)
    {
        if (hops == 40) // as far as the system itself would follow
            return {};

        file = file.getLinkedTarget();
    }
    return file;
}

// Gives the new file the permissions of the one it is about to replace.
bool keepPermissions (const juce::File& target, const juce::File& replacement)
{
#if JUCE_WINDOWS
    juce::ignoreUnused (target, replacement);
    return true;
#else
    struct stat info;
    if (stat (target.getFullPathName().toRawUTF8(), &info) != 0)
        return ! target.exists(); // a new file keeps the usual ones

    return chmod (replacement.getFullPathName().toRawUTF8(), info.st_mode & 07777) == 0;
#endif
}
} // namespace

bool PresetFile::replaceWhole (const juce::File& path, const juce::Array<juce::uint8>& bytes)
{
    const auto target = followLinks (path);
    if (bytes.isEmpty() || ! target.has_value() || target->isDirectory())
        return false;

    const auto& file = *target;
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

    if (temp.getFile().getSize() != bytes.size() || ! keepPermissions (file, temp.getFile()))
        return false;

    return temp.overwriteTargetFileWithTemporary();
}

bool PresetFile::readAll (const juce::File& file, juce::Array<juce::uint8>& bytes)
{
    std::vector<juce::uint8> read;
    const bool whole = readAll (file.getFullPathName().toStdString(), read);
    bytes = juce::Array<juce::uint8> (read.data(), static_cast<int> (read.size()));
    return whole;
}

bool PresetFile::readAll (const std::string& path, std::vector<juce::uint8>& bytes)
{
    bytes.clear();

    if (! isPlainFile (path))
        return false;

    // A C stream, not a juce::FileInputStream: a reader stuck opening a file on a stalled disk
    // when the program quits then holds nothing that JUCE's leak check at exit would count.
    const std::unique_ptr<std::FILE, int (*) (std::FILE*)> in (openForReading (path), &std::fclose);
    if (in == nullptr || std::fseek (in.get(), 0, SEEK_END) != 0)
        return false;

    const auto size = std::ftell (in.get());
    if (size < 0 || size > maxReadSize || std::fseek (in.get(), 0, SEEK_SET) != 0)
        return false;

    bytes.resize (static_cast<size_t> (size));
    if (std::fread (bytes.data(), 1, bytes.size(), in.get()) != bytes.size())
    {
        bytes.clear();
        return false;
    }
    return true;
}
