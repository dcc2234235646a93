// Preset files: the exact layout written, what opens, what is refused, and that a failed write
// never damages a good file. (Control copy is met through drag and drop on the surface.)
#include "EngineTestSupport.h"

#include "midi/PresetFile.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Root ignores file permissions; for the length of a scope it acts as "nobody" instead.
struct AsUnprivilegedUser
{
    ~AsUnprivilegedUser()
    {
        if (getuid() == 0) [[maybe_unused]]
            auto r = seteuid (0);
    }
    bool bound = geteuid() != 0 || seteuid (65534) == 0; // whether permissions now bind
};

struct PresetFileTest : EngineTest
{
    void SetUp() override
    {
        EngineTest::SetUp();
        ASSERT_TRUE (folder.createDirectory());
    }
    void TearDown() override
    {
        chmod (folder.getFullPathName().toRawUTF8(), 0755);
        folder.deleteRecursively();
        EngineTest::TearDown();
    }

    juce::File file (const juce::String& name) const { return folder.getChildFile (name); }

    // The codes of the results posted so far, waited for; the list starts again after each call.
    std::vector<int> codes (size_t n)
    {
        std::vector<int> out;
        if (waitForResults (n))
            for (auto& r : results.outcomes)
                out.push_back (std::get<1> (r));
        results.outcomes.clear();
        return out;
    }

    static Bytes contentOf (const juce::File& f)
    {
        juce::MemoryBlock b;
        f.loadFileAsData (b);
        return Bytes ((const juce::uint8*)b.getData(), (const juce::uint8*)b.getData() + b.getSize());
    }
    static void write (const juce::File& f, const Bytes& b)
    {
        ASSERT_TRUE (f.replaceWithData (b.data(), b.size()));
    }

    const juce::File folder = juce::File::createTempFile ("presets");
};
} // namespace

// Also: saving over a link replaces its target, not the link, and the file keeps its permissions.
TEST_F (PresetFileTest, SavedFileIsOneDumpForRamThatOpensBackAndHeaderBytesAreNotCompared)
{
    auto original = namedPreset ("Saved"), reopened = namedPreset ("Other");
    original->getPad (3)->setParameterValue ("MIDI Note", juce::Value (64));
    engine->savePresetFile (file ("a.qrx571"), namedPreset ("First"));
    ASSERT_EQ (chmod (file ("a.qrx571").getFullPathName().toRawUTF8(), 0604), 0);
    ASSERT_EQ (symlink ("a.qrx571", file ("link").getFullPathName().toRawUTF8()), 0);
    engine->savePresetFile (file ("link"), original); // replaced whole
    ASSERT_EQ (codes (2), (std::vector<int>{ 1, 1 }));
    const auto saved = contentOf (file ("a.qrx571"));
    EXPECT_EQ (saved, presetDump (0, bytesOf (original->getData())));
    EXPECT_TRUE (file ("link").isSymbolicLink());
    struct stat info;
    ASSERT_EQ (stat (file ("a.qrx571").getFullPathName().toRawUTF8(), &info), 0);
    EXPECT_EQ (info.st_mode & 07777, 0604u);

    auto relocated = saved;
    relocated[7] = 0x05;
    relocated[3] = 0x36;
    write (file ("relocated.qrx571"), relocated);
    EXPECT_TRUE (engine->loadPresetFile (file ("a.qrx571")) &&
                 engine->loadPresetFile (file ("relocated.qrx571")));
    engine->openPresetFile (file ("relocated.qrx571"), namedPreset ("X"));
    engine->openPresetFile (file ("a.qrx571"), reopened);
    EXPECT_EQ (codes (2), (std::vector<int>{ 2, 2 }));
    EXPECT_EQ (reopened->getData(), original->getData());
}

TEST_F (PresetFileTest, BadMissingAndUnreadableFilesLeaveThePresetAlone)
{
    const auto good = presetDump (0, bytesOf (namedPreset ("Good")->getData()));
    auto longer = good, badImage = good;
    longer.push_back (0xF7);
    badImage[8] = 0x80;
    write (file ("long"), longer);
    write (file ("bad"), badImage);
    write (file ("tiny"), { 0xF0, 0xF7 });
    write (file ("huge"), Bytes ((size_t)PresetFile::maxReadSize + 1, 0));
    ASSERT_EQ (mkfifo (file ("pipe").getFullPathName().toRawUTF8(), 0644), 0); // a reader would block
    write (file ("locked"), good);
    chmod (file ("locked").getFullPathName().toRawUTF8(), 0);

    auto preset = namedPreset ("Before");
    const auto before = preset->getData();
    AsUnprivilegedUser user;
    ASSERT_TRUE (user.bound);
    const std::pair<juce::File, int> cases[] = { { file ("long"), 0 },    { file ("bad"), 0 },
                                                 { file ("tiny"), 0 },    { file ("huge"), 0 },
                                                 { file ("pipe"), 0 },    { file ("locked"), 0 },
                                                 { file ("missing"), 1 }, { folder, 1 } };
    std::vector<int> expected;
    for (auto& [f, code] : cases)
    {
        EXPECT_FALSE (engine->loadPresetFile (f)) << f.getFileName();
        engine->openPresetFile (f, preset);
        expected.push_back (code);
    }
    EXPECT_EQ (codes (expected.size()), expected);
    EXPECT_EQ (preset->getData(), before);
}

TEST_F (PresetFileTest, FailedWritesLeaveTheGoodFileWhole)
{
    const auto target = file ("keep.qrx571");
    ASSERT_TRUE (engine->savePresetFile (target, namedPreset ("Keep"))); // known at once, and later
    ASSERT_EQ (codes (1), std::vector<int> (1, 1));
    const auto good = contentOf (target);

    // Files may grow to 500 bytes only: the write stops part way, as on a full disk.
    struct rlimit old, small;
    ASSERT_EQ (getrlimit (RLIMIT_FSIZE, &old), 0);
    auto* oldHandler = signal (SIGXFSZ, SIG_IGN);
    small = old;
    small.rlim_cur = 500;
    ASSERT_EQ (setrlimit (RLIMIT_FSIZE, &small), 0);
    engine->savePresetFile (target, namedPreset ("Lost"));
    setrlimit (RLIMIT_FSIZE, &old);
    signal (SIGXFSZ, oldHandler);
    EXPECT_EQ (contentOf (target), good);
    EXPECT_EQ (folder.getNumberOfChildFiles (juce::File::findFiles, "*"), 1) << "no temporary left";

    // A read-only folder with a writable file in it: only writing in place could succeed.
    chmod (target.getFullPathName().toRawUTF8(), 0666);
    chmod (folder.getFullPathName().toRawUTF8(), 0555);
    {
        AsUnprivilegedUser user;
        ASSERT_TRUE (user.bound);
        engine->savePresetFile (target, namedPreset ("Lost"));
    }
    EXPECT_FALSE (engine->savePresetFile (file ("no/such/folder.qrx571"), namedPreset ("X")));
    EXPECT_FALSE (engine->savePresetFile (file ("null.qrx571"), nullptr));
    EXPECT_EQ (codes (4), (std::vector<int>{ 0, 0, 0, 0 }));
    EXPECT_EQ (contentOf (target), good);
}

// Values written around the range test, straight into a shared juce::Value: the image would
// carry a byte the device's SysEx can't hold, or one the program itself refuses to load, or a
// value cut to another one. None goes out or is saved; the caller hears of a failure.
TEST_F (PresetFileTest, UnloadablePresetsAndBadLocationsNeitherSendNorSave)
{
    openDevicePorts();
    const auto target = file ("kept.qrx571");
    write (target, { 1, 2, 3 });
    for (int location : { -1, 21, 128, 256 })
    {
        engine->sendPreset (location, namedPreset ("Good"));
        engine->requestPreset (location, namedPreset ("Good"));
    }
    EXPECT_EQ (codes (8), std::vector<int> (8, 0));

    const std::pair<const char*, juce::var> writes[] = {
        // a pad's, or the transport's "BPM"
        { "MIDI Note", 200 }, { "MIDI Note", 256 + 5 },   { "Color On", 50 }, { "MIDI Note", "x" },
        { "BPM", 16384 },     { "BPM", 256 * 128 + 100 }, { "BPM", 1e12 }
    };
    for (auto& [name, value] : writes)
    {
        SCOPED_TRACE (juce::String (name) + " " + value.toString());
        auto bad = namedPreset ("Bad");
        MEditorControl::Ptr control = bad->getPad (7);
        if (juce::String (name) == "BPM")
            control = bad->getTransport();
        control->getParameterValue (name) = value;
        engine->sendPreset (0, bad);
        engine->savePresetFile (target, bad);
        EXPECT_EQ (codes (2), (std::vector<int>{ 0, 0 }));
        EXPECT_EQ (contentOf (target), Bytes ({ 1, 2, 3 }));
    }
    ASSERT_TRUE (settled());
    EXPECT_EQ (device.getNumReceived(), 0);
}
