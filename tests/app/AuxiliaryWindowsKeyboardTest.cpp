// Keys in the tool windows go only to the control the user clicked or tabbed to: after a click
// on a banner, heading, caption, background or a list row's title, arrows, Return and letters
// change no setting, send nothing new and open nothing; a list acts on keys only for a row it
// shows selected.
#include "EditorTest.h"
#include "WindowManagerStandIn.h"
#include "app/CommandIds.h"
#include "app/windows/AutoPopToolWindow.h"
#include "app/windows/GlobalSettingsWindow.h"
#include "app/windows/loadfromhardware/GetPresetWindow.h"
#include "app/windows/midisetup/MidiSetupWindow.h"
#include "app/windows/sendmultiple/SendMultiplePresetsListModel.h"
#include "app/windows/sendmultiple/SendMultiplePresetsWindow.h"
#include "app/windows/sendpreset/SendPresetWindow.h"
#include "autopopulate/ApplyToBanksComponent.h"
#include "autopopulate/AutoPopulatePanel.h"
#include "autopopulate/AutoPopulateTestSupport.h"
#include "ui/EditorStrings.h"
#include "ui/QRX571GlobalSettingsComponent.h"

namespace
{
using Id = QRX571GlobalSettings::SettingId;

class AuxiliaryWindowsKeyboardTest : public apptest::EditorTest
{
protected:
    void SetUp() override { start(); }

    // Every chooser's item, number box's number and toggle's state in the window, in order.
    static juce::String settingsIn (juce::Component& parent)
    {
        juce::String shown;
        for (auto* c : parent.getChildren())
        {
            if (auto* box = dynamic_cast<juce::ComboBox*> (c))
                shown << box->getSelectedId() << ",";
            else if (auto* number = dynamic_cast<NumberBoxComponent<int>*> (c))
                shown << number->getValue() << ",";
            else if (auto* toggle = dynamic_cast<juce::Button*> (c);
                     toggle != nullptr && toggle->getClickingTogglesState())
                shown << (toggle->getToggleState() ? "on," : "off,");
            shown << settingsIn (*c);
        }
        return shown;
    }
};
} // namespace

TEST_F (AuxiliaryWindowsKeyboardTest, GlobalSettingsSendsOnlyWhatTheUserChoseAndItsChoosersShowTheKeys)
{
    ASSERT_TRUE (device().setGlobalParameter (Id::padGainId, 7));
    app->showGlobalSettingsWindow();
    auto& window = *app->getGlobalSettingsWindow();
    auto& page = dynamic_cast<QRX571GlobalSettingsComponent&> (*window.getContentComponent());
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return page.getChooser (Id::padGainId)->getText() == "7"; }));
    activate (window);
    const auto before = device().getGlobalParameters();
    const int commonChannel = device().getGlobalParameter (Id::commonChannelId);
    // Send clicked, and the device has taken each setting and the request after them.
    const auto send = [&]
    {
        const auto expected = device().getNumReceived() + 20;
        click (page.getSendButton());
        return testutil::runLoopUntil (
            [&] { return device().getNumReceived() >= expected && device().isIdle(); });
    };

    auto spots = captionsIn (page);
    spots.push_back (bareSpot ("the banner", page, { 316, 14 }));
    spots.push_back (bareSpot ("the background", page, { 316, 200 }));
    expectNothingChanges (window, spots, { down, down, down }, [&] { return settingsIn (window); });
    ASSERT_TRUE (send());
    EXPECT_EQ (device().getGlobalParameters(), before);

    // Tab gives the keys to COMMON CHANNEL, which shows it has them.
    press (window, { tab, down, down, down });
    auto& common = *page.getChooser (Id::commonChannelId);
    EXPECT_TRUE (common.hasKeyboardFocus (false));
    EXPECT_TRUE (showsTheKeys (common, window));
    ASSERT_TRUE (send());
    EXPECT_EQ (device().getGlobalParameter (Id::commonChannelId), commonChannel + 3);
}

// Send Preset's location, and Auto Populate's choices and the preset it writes, stay as they were
// after clicks on a banner, a heading, a caption, a bank title or the background: Send then writes
// the preset to RAM, the location the user chose, and nowhere else.
TEST_F (AuxiliaryWindowsKeyboardTest,
        TheMainWindowsToolsKeepTheirChoicesAfterClicksOnHeadingsCaptionsAndTitles)
{
    ASSERT_TRUE (mainWindow().getPreset()->setName ("Keyed")); // unlike anything the device holds
    std::vector<std::vector<juce::uint8>> held;
    for (int location = 0; location < QRX571Emulator::numLocations; ++location)
        held.push_back (device().getPresetImage (location));

    mainWindow().sendToHardware();
    auto& sender = *mainWindow().getSendPresetWindow();
    auto& content = *sender.getContentComponent();
    activate (sender);
    auto spots = captionsIn (content);
    spots.push_back (bareSpot ("the banner", content, { 200, 19 }));
    spots.push_back (bareSpot ("the background", content));
    expectNothingChanges (sender, spots, { down, down, letter ('5') }, [&] { return settingsIn (sender); });

    answers.press ("OK");
    click (dynamic_cast<SendPresetComponent&> (content).getSendButton());
    ASSERT_TRUE (answers.waitUntilAllAnswered());
    EXPECT_EQ (answers.seen, juce::StringArray ("QRX571 Editor. " + EditorStrings::presetSentSuccessfully));
    const auto sent = mainWindow().getPreset()->getData();
    EXPECT_TRUE (held[0] != std::vector<juce::uint8> (sent.begin(), sent.end())); // so RAM shows the send
    held[0] = std::vector<juce::uint8> (sent.begin(), sent.end());
    for (int location = 0; location < QRX571Emulator::numLocations; ++location)
        EXPECT_TRUE (device().getPresetImage (location) == held[(size_t)location]) << "location " << location;

    mainWindow().openAutoPopulateTool();
    auto& window = *mainWindow().getAutoPopToolWindow();
    auto& tool = *window.getContentComponent();
    activate (window);
    testutil::deliverPostedMessages(); // the panels build their first rows

    spots = captionsIn (tool);
    for (auto* child : tool.getChildren())
        if (auto* panel = dynamic_cast<AutoPopulatePanel*> (child))
        {
            spots.push_back (bareSpot ("a panel's heading", *panel, { 30, 12 }));
            for (auto* part : panel->getChildren())
                if (auto* banks = dynamic_cast<ApplyToBanksComponent*> (part))
                    spots.push_back (bareSpot ("Apply to Banks", *banks, { 70, 10 }));
        }
    spots.push_back (bareSpot ("the background", tool, { 5, 5 }));
    EXPECT_GT (spots.size(), 30u);
    expectNothingChanges (window, spots, { down, up, up, enter },
                          [&]
                          { return std::pair (settingsIn (window), mainWindow().getPreset()->getData()); });

    // Tab reaches the pads' TYPE chooser first, and the keys then change it.
    const auto shown = settingsIn (window);
    press (window, { tab, down });
    EXPECT_EQ (nameWithKeys(), "TYPE");
    EXPECT_NE (settingsIn (window), shown);
}

// In every panel of the Auto Populate tool, a box whose number changes another (START and its
// MSB and LSB, START and its note's name) hands Tab, Shift+Tab and a click on to the box it
// changes, already showing the change, and what is typed next lands there.
TEST_F (AuxiliaryWindowsKeyboardTest, LinkedBoxesInAutoPopulatePassTheKeysOnToTheBoxTheyChange)
{
    mainWindow().openAutoPopulateTool();
    auto& window = *mainWindow().getAutoPopToolWindow();
    activate (window);
    testutil::deliverPostedMessages(); // the panels build their first rows

    const auto type = [&] (const juce::String& keys)
    {
        for (auto c : keys)
            press (window, { letter ((char)c) });
    };
    // The box has the keys with its editor open, showing `shown`.
    const auto open = [&] (NumberBoxComponent<int>& box, int shown)
    {
        return withKeys() == &box && box.isBeingEdited() &&
               box.getCurrentTextEditor()->getText() == juce::String (shown);
    };

    int linked = 0;
    for (auto* panel : aptest::findAll<AutoPopulatePanel> (*window.getContentComponent()))
    {
        auto& typeChooser = aptest::chooser (*panel, "TYPE");
        for (int i = 0; i < typeChooser.getNumItems(); ++i)
        {
            const auto kind = typeChooser.getItemText (i);
            if (kind != "INC/DEC 1" && kind != "NOTE")
                continue;
            SCOPED_TRACE ((panel->getName() + " " + kind).toStdString());
            viewtest::pick (typeChooser, kind);
            testutil::deliverPostedMessages();
            auto& start = aptest::box (*panel, "START");
            ++linked;

            if (kind == "NOTE")
            {
                auto& names = aptest::chooser (*panel, "NAMES");
                click (start);
                type ("60");
                press (window, { tab });
                EXPECT_TRUE (names.hasKeyboardFocus (false));
                EXPECT_EQ (names.getText(), "C4");
                press (window, { down }); // C#4, picked from the keys
                press (window, { shiftTab });
                EXPECT_TRUE (open (start, 61));
                type ("62");
                press (window, { tab, shiftTab }); // back before anything posted is handled
                EXPECT_TRUE (open (start, 62));
                type ("70");
                press (window, { enter });
                EXPECT_EQ (start.getValue(), 70);
                EXPECT_EQ (names.getText(), "A#4");
                continue;
            }

            auto& msb = aptest::box (*panel, "MSB");
            auto& lsb = aptest::box (*panel, "LSB");
            click (start);
            type ("300");
            press (window, { tab });
            EXPECT_TRUE (open (msb, 2));
            type ("5");
            press (window, { tab });
            EXPECT_TRUE (open (lsb, 44));
            type ("9");
            press (window, { enter });
            EXPECT_EQ (std::tuple (start.getValue(), msb.getValue(), lsb.getValue()), std::tuple (649, 5, 9));

            click (lsb);
            type ("3");
            press (window, { shiftTab });
            EXPECT_TRUE (open (msb, 5));
            type ("2");
            press (window, { shiftTab });
            EXPECT_TRUE (open (start, 259));
            type ("1000");
            press (window, { enter });
            EXPECT_EQ (std::tuple (start.getValue(), msb.getValue(), lsb.getValue()),
                       std::tuple (1000, 7, 104));

            click (start);
            type ("300");
            click (msb);
            EXPECT_TRUE (open (msb, 2));
            type ("4");
            press (window, { enter });
            EXPECT_EQ (std::tuple (start.getValue(), msb.getValue(), lsb.getValue()),
                       std::tuple (556, 4, 44));
        }
    }
    EXPECT_EQ (linked, 3); // the pads' and switches' NOTE, the knobs' INC/DEC 1
}

// The rows show no selection, so keys do nothing to them; Get and Browse act only when clicked.
TEST_F (AuxiliaryWindowsKeyboardTest, LoadFromHardwareAndSendMultiplePresetsOpenOnlyTheRowClicked)
{
    app->showLoadFromHardwareWindow();
    auto& loader = *app->getLoadFromHardwareWindow();
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return ! loader.isFetching(); }, 20000));
    auto& list = dynamic_cast<GetPresetComponent&> (*loader.getContentComponent()).getList();
    // Rows are made anew whenever the list is updated: each is looked up when it is needed.
    const auto slot2 = [&]() -> juce::Component& { return *list.getComponentForRowNumber (2); };
    activate (loader);
    std::vector<Spot> spots{ bareSpot ("slot 2's title", slot2(), { 30, 10 }),
                             bareSpot ("the banner", *loader.getContentComponent()) };
    for (auto& s : captionsIn (slot2()))
        spots.push_back (s);
    expectNothingChanges (loader, spots, { up, up, enter, letter (' ') }, [this] { return numWindows(); });
    click (*aptest::find<juce::Button> (slot2(), "Get"));
    ASSERT_EQ (numWindows(), 2);
    EXPECT_EQ (mainWindow (1).getPreset()->getName(), "Slot 02 ");
    activate (loader);
    press (loader, { enter, letter (' ') });
    EXPECT_EQ (numWindows(), 2);

    // Send Multiple Presets: Browse opens a chooser only for the row clicked.
    app->showSendMultiplePresetsWindow();
    auto& batch = *app->getSendMultiplePresetsWindow();
    const auto row2 = [&]() -> juce::Component&
    { return *batch.getContent()->getList()->getComponentForRowNumber (2); };
    activate (batch);
    spots = { bareSpot ("row 2's title", row2(), { 30, 10 }),
              bareSpot ("the background", *batch.getContent()) };
    for (auto* picture : batch.getContent()->getChildren())
        if (dynamic_cast<juce::ImageComponent*> (picture) != nullptr)
            spots.push_back (spot ("the banner", *picture));
    for (auto& s : captionsIn (row2()))
        spots.push_back (s);
    expectNothingChanges (batch, spots, { up, up, enter, letter (' ') }, [this] { return answers.seen; });
    const auto file = juce::File::createTempFile (".qrx571");
    ASSERT_TRUE (app->getEngine()->savePresetFile (file, mainWindow (1).getPreset()));
    answers.choose (file);
    click (*aptest::find<juce::Button> (row2(), "Browse"));
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return batch.getRowName (2).isNotEmpty(); }));
    press (batch, { enter });
    EXPECT_EQ (answers.seen, juce::StringArray ("Select Preset file to load"));
    EXPECT_EQ (batch.getRowName (2), mainWindow (1).getPreset()->getName());
    EXPECT_EQ (batch.getRowName (0), "");
    file.deleteFile();
}

// MIDI Setup's lists show the row selected: a click on one gives it the keys, a click on a
// caption takes them away.
TEST_F (AuxiliaryWindowsKeyboardTest, MidiSetupsListsTakeTheKeysOnlyWhenClicked)
{
    app->showMidiSetupWindow();
    auto& window = *app->getMidiSetupWindow();
    activate (window);
    auto& content = *window.getContentComponent();
    int lists = 0;
    for (auto* c : content.getChildren())
        if (auto* list = dynamic_cast<juce::ListBox*> (c))
        {
            ++lists;
            click (*list);
            EXPECT_TRUE (list->hasKeyboardFocus (true));
            for (const auto& [what, at] : captionsIn (content))
            {
                clickAt (window, at);
                EXPECT_TRUE (window.hasKeyboardFocus (false)) << what;
            }
        }
    EXPECT_EQ (lists, 2);
}

// Tab reaches MIDI Setup's lists in turn, and the one with the keys is outlined, as every chooser
// and box is.
TEST_F (AuxiliaryWindowsKeyboardTest, TabReachesMidiSetupsListsAndTheOneWithTheKeysShowsIt)
{
    app->showMidiSetupWindow();
    auto& window = *app->getMidiSetupWindow();
    activate (window);
    juce::Array<juce::Component*> reached;
    for (int tabs = 1; tabs <= 2; ++tabs)
    {
        // From the window, which each check below leaves the keys with.
        for (int i = 0; i < tabs; ++i)
            press (window, { tab });
        auto* list = dynamic_cast<juce::ListBox*> (withKeys());
        ASSERT_NE (list, nullptr) << nameWithKeys();
        reached.addIfNotAlreadyThere (list);
        EXPECT_TRUE (showsTheKeys (*list, window)) << tabs;
    }
    EXPECT_EQ (reached.size(), 2);
}

// The program's shortcuts work in every tool window: Ctrl+O opens the Open chooser, Ctrl+Q asks
// to save, Ctrl+N opens a window and Ctrl+M minimises the tool window. Ctrl+S and Ctrl+W act on a
// preset, so only in its main window: from a tool window they save and close nothing.
TEST_F (AuxiliaryWindowsKeyboardTest, TheProgramsShortcutsWorkInEveryToolWindowButThoseOfAPreset)
{
    using namespace CommandIds;
    for (auto command : { globalSettingsEditor, midiSetup, loadFromHardware, sendMultiplePresets, about })
        invoke (command);
    for (auto command : { sendToHardware, autoPopulateTool })
        invokeOnMainWindow (command);
    juce::Array<juce::Component*> tools;
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* tool = dynamic_cast<juce::ResizableWindow*> (desktop.getComponent (i));
            tool != nullptr && dynamic_cast<MainWindow*> (tool) == nullptr)
            tools.add (tool);
    ASSERT_EQ (tools.size(), 7);

    for (auto* tool : tools)
    {
        auto& window = *tool;
        SCOPED_TRACE (window.getName().toStdString());
        const int windows = numWindows();
        answers.seen.clear();
        answers.choose ({});      // the Open chooser, cancelled
        answers.press ("Cancel"); // the quit's first question
        for (const char key : { 's', 'w', 'o', 'q', 'n' })
        {
            activate (window);
            press (window, { shortcut (key) });
        }
        EXPECT_TRUE (answers.allAnswered());
        EXPECT_EQ (answers.seen.joinIntoString (" | "),
                   "Select Filename to open | Save Document. Save Preset: Untitled 1");
        EXPECT_EQ (numWindows(), windows + 1);

        WindowManagerStandIn server;
        activate (window);
        press (window, { shortcut ('m') });
        EXPECT_TRUE (server.runUntil ([&] { return window.getPeer()->isMinimised(); }));
    }
}
