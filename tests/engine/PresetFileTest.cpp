// Preset files: the exact layout written, what opens, what is refused, and that a failed write
// never damages a good file. Also control copy.
#include "EngineTestSupport.h"

#include "midi/PresetFile.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Root ignores file permissions; for the length of a scope it acts as "nobody" instead.
class AsUnprivilegedUser
{
public:
    AsUnprivilegedUser()
    {
        if (geteuid() == 0)
            switched = seteuid (65534) == 0;
    }

    ~AsUnprivilegedUser()
    {
        if (switched) [[maybe_unused]]
            auto r = seteuid (0);
    }

    bool permissionsBind() const { return geteuid() != 0; }

private:
    bool switched = false;
};

class PresetFileTest : public EngineTest
{
protected:
    juce::File fileNamed (const juce::String& name) const { return folder.getFile().getChildFile (name); }

    int openInto (const juce::File& file, QRX5EditorPreset::Ptr preset)
    {
        results.clear();
        engine->openPresetFile (file, preset);
        return waitForResults (1) ? results[0].code : -1;
    }

    int save (const juce::File& file, QRX5EditorPreset::Ptr preset)
    {
        results.clear();
        engine->savePresetFile (file, preset);
        return waitForResults (1) ? results[0].code : -1;
    }

    static Bytes contentOf (const juce::File& file)
    {
        juce::MemoryBlock block;
        file.loadFileAsData (block);
        auto* data = static_cast<const juce::uint8*> (block.getData());
        return Bytes (data, data + block.getSize());
    }

    static void write (const juce::File& file, const Bytes& bytes)
    {
        ASSERT_TRUE (file.replaceWithData (bytes.data(), bytes.size()));
    }

    Bytes savedDump (const juce::String& name)
    {
        auto file = fileNamed (name + ".qrx571");
        EXPECT_EQ (save (file, namedPreset (name)), 1);
        return contentOf (file);
    }

    juce::TemporaryFile folder{ juce::String(), juce::TemporaryFile::useHiddenFile };

    void SetUp() override
    {
        EngineTest::SetUp();
        ASSERT_TRUE (folder.getFile().createDirectory());
    }

    void TearDown() override
    {
        chmod (folder.getFile().getFullPathName().toRawUTF8(), 0755);
        folder.getFile().deleteRecursively();
        EngineTest::TearDown();
    }
};
} // namespace

TEST_F (PresetFileTest, SavedFileIsOneDumpForRamAndOpensBackToTheSameImage)
{
    auto original = namedPreset ("Saved");
    original->getPad (3)->setParameterValue ("MIDI Note", juce::Value (64));
    const auto file = fileNamed ("a.qrx571");

    ASSERT_EQ (save (file, original), 1);
    const auto bytes = contentOf (file);
    ASSERT_EQ (bytes.size(), 1083u);
    EXPECT_EQ (Bytes (bytes.begin(), bytes.begin() + 8),
               (Bytes{ 0xF0, 0x47, 0x00, 0x35, 0x10, 0x08, 0x33, 0x00 }));
    EXPECT_EQ (Bytes (bytes.end() - 13, bytes.end()),
               (Bytes{ 0x04, 0x00, 0x00, 0x04, 0x00, 0x01, 0x04, 0x00, 0x02, 0x04, 0x00, 0x03, 0xF7 }));
    EXPECT_TRUE (engine->loadPresetFile (file));

    auto reopened = namedPreset ("Other");
    EXPECT_EQ (openInto (file, reopened), 2);
    EXPECT_EQ (reopened->getData(), original->getData());

    // Saving again replaces the file whole.
    ASSERT_EQ (save (file, namedPreset ("Second")), 1);
    EXPECT_EQ (contentOf (file).size(), 1083u);
    EXPECT_EQ (openInto (file, reopened), 2);
    EXPECT_EQ (reopened->getName(), "Second  ");
}

TEST_F (PresetFileTest, HeaderBytesAreNotComparedButTheSizeAndImageAre)
{
    const auto good = savedDump ("Good");
    auto preset = namedPreset ("Before");
    const auto before = preset->getData();

    auto relocated = good;
    relocated[7] = 0x05;
    relocated[3] = 0x36;
    write (fileNamed ("relocated.qrx571"), relocated);
    EXPECT_TRUE (engine->loadPresetFile (fileNamed ("relocated.qrx571")));
    EXPECT_EQ (openInto (fileNamed ("relocated.qrx571"), preset), 2);
    EXPECT_EQ (preset->getName(), "Good    ");

    preset = namedPreset ("Before");
    auto longer = good;
    longer.push_back (0xF7);
    write (fileNamed ("long.qrx571"), longer);
    EXPECT_FALSE (engine->loadPresetFile (fileNamed ("long.qrx571")));
    EXPECT_EQ (openInto (fileNamed ("long.qrx571"), preset), 0);
    EXPECT_EQ (preset->getData(), before);

    auto badImage = good;
    badImage[8] = 0x80;
    write (fileNamed ("bad.qrx571"), badImage);
    EXPECT_FALSE (engine->loadPresetFile (fileNamed ("bad.qrx571")));
    EXPECT_EQ (openInto (fileNamed ("bad.qrx571"), preset), 0);

    write (fileNamed ("tiny.qrx571"), { 0xF0, 0xF7 });
    EXPECT_EQ (openInto (fileNamed ("tiny.qrx571"), preset), 0);
    write (fileNamed ("huge.qrx571"), Bytes ((size_t)PresetFile::maxReadSize + 1, 0));
    EXPECT_EQ (openInto (fileNamed ("huge.qrx571"), preset), 0);
    EXPECT_EQ (preset->getData(), before);
}

TEST_F (PresetFileTest, MissingAndUnreadableFiles)
{
    auto preset = namedPreset ("Before");
    EXPECT_EQ (openInto (fileNamed ("missing.qrx571"), preset), 1);
    EXPECT_FALSE (engine->loadPresetFile (fileNamed ("missing.qrx571")));
    EXPECT_EQ (openInto (folder.getFile(), preset), 1) << "a folder is not a file";

    // A pipe exists but would block a reader for ever: it is refused, not read.
    const auto pipe = fileNamed ("pipe.qrx571");
    ASSERT_EQ (mkfifo (pipe.getFullPathName().toRawUTF8(), 0644), 0);
    EXPECT_EQ (openInto (pipe, preset), 0);
    EXPECT_FALSE (engine->loadPresetFile (pipe));
    EXPECT_EQ (preset->getName(), "Before");

    const auto locked = fileNamed ("locked.qrx571");
    write (locked, savedDump ("Locked"));
    chmod (locked.getFullPathName().toRawUTF8(), 0);
    AsUnprivilegedUser user;
    if (! user.permissionsBind())
        GTEST_SKIP() << "permissions don't bind this user";
    EXPECT_EQ (openInto (locked, preset), 0);
    EXPECT_EQ (preset->getName(), "Before");
}

TEST_F (PresetFileTest, InterruptedWriteLeavesTheGoodFileWhole)
{
    const auto file = fileNamed ("keep.qrx571");
    ASSERT_EQ (save (file, namedPreset ("Keep")), 1);
    const auto good = contentOf (file);

    // Files may grow to 500 bytes only: the write stops part way, as on a full disk.
    struct rlimit old;
    ASSERT_EQ (getrlimit (RLIMIT_FSIZE, &old), 0);
    auto* oldHandler = signal (SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 500;
    ASSERT_EQ (setrlimit (RLIMIT_FSIZE, &small), 0);
    const int interrupted = save (file, namedPreset ("Lost"));
    setrlimit (RLIMIT_FSIZE, &old);
    signal (SIGXFSZ, oldHandler);

    EXPECT_EQ (interrupted, 0);
    EXPECT_EQ (contentOf (file), good);
    EXPECT_EQ (
        folder.getFile().getNumberOfChildFiles (juce::File::findFiles | juce::File::ignoreHiddenFiles, "*"),
        1);
    EXPECT_EQ (folder.getFile().getNumberOfChildFiles (juce::File::findFiles, "*"), 1) << "no temporary left";

    EXPECT_EQ (save (fileNamed ("no/such/folder.qrx571"), namedPreset ("X")), 0);
    EXPECT_EQ (save (fileNamed ("null.qrx571"), nullptr), 0);
    EXPECT_FALSE (fileNamed ("null.qrx571").exists());
}

TEST_F (PresetFileTest, ReadOnlyFolderKeepsItsFile)
{
    const auto file = fileNamed ("kept.qrx571");
    ASSERT_EQ (save (file, namedPreset ("Kept")), 1);
    const auto good = contentOf (file);

    chmod (file.getFullPathName().toRawUTF8(), 0666);
    chmod (folder.getFile().getFullPathName().toRawUTF8(), 0555);
    int result = -1;
    {
        AsUnprivilegedUser user;
        if (! user.permissionsBind())
            GTEST_SKIP() << "permissions don't bind this user";
        result = save (file, namedPreset ("Lost"));
    }

    // The file itself is writable: only writing it in place could have succeeded.
    EXPECT_EQ (result, 0);
    EXPECT_EQ (contentOf (file), good);
}

TEST_F (PresetFileTest, ControlDataCopiesOnlyBetweenControlsOfOneKind)
{
    QRX571EditorPreset::Ptr preset = new QRX571EditorPreset();
    auto source = preset->getPad (0);
    auto target = preset->getPad (17);
    source->setParameterValue ("MIDI Note", juce::Value (72));
    source->setParameterValue ("MIDI Channel", juce::Value (5));

    engine->copyControlData (source, target);
    EXPECT_EQ (bytesOf (target->getData()), bytesOf (source->getData()));
    EXPECT_EQ (int (target->getParameterValue ("MIDI Note").getValue()), 72);

    auto knob = preset->getKnob (0);
    knob->setParameterValue ("MIDI Channel", juce::Value (9));
    const auto padBefore = target->getData();
    const auto knobBefore = knob->getData();
    engine->copyControlData (knob, target);
    engine->copyControlData (target, knob);
    engine->copyControlData (nullptr, target);
    engine->copyControlData (source, nullptr);
    EXPECT_EQ (target->getData(), padBefore);
    EXPECT_EQ (knob->getData(), knobBefore);
    EXPECT_TRUE (results.empty());
}
