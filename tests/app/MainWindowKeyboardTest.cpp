// Keys in the main window go only to the control the user clicked or tabbed to: a click on a
// caption, a title, a picture, a background or a button leaves every box and chooser alone, so
// typing after it changes nothing the program saves or sends.
#include "EditorTest.h"
#include "WindowManagerStandIn.h"
#include "app/CommandIds.h"
#include "app/desktop/WindowKeyboardFocus.h"
#include "app/windows/sendpreset/SendPresetWindow.h"
#include "midi/SysExMessages.h"
#include "support/ServerKeyboard.h"

namespace
{
class MainWindowKeyboardTest : public apptest::EditorTest
{
protected:
    void SetUp() override
    {
        start();
        activate (mainWindow());
    }

    QRX5EditorPreset::Ptr preset() const { return mainWindow().getPreset(); }
    QRX5Pad::Ptr pad (int index) const
    {
        return dynamic_cast<QRX571EditorPreset&> (*preset()).getPad (index);
    }
    QRX5Knob::Ptr knob1() const { return dynamic_cast<QRX571EditorPreset&> (*preset()).getKnob (0); }
    int typeOfPad (int index) const { return pad (index)->getParameterValue ("Parameter Type").getValue(); }
    juce::ComboBox& typeChooser() const { return viewtest::chooser (*surface().getParameterView(), "TYPE"); }

    // Knob 1's box of that name, on the left display once the knob was clicked.
    NumberBoxComponent<int>& knob1Box (const juce::String& name) const
    {
        return viewtest::numberBox (*surface().getParameterView(), name);
    }

    // Knob 1's byte at `field` of its record (CC 2, MIN 3, MAX 4) in the file saved.
    static int knob1Byte (const juce::File& file, int field)
    {
        juce::MemoryBlock saved;
        file.loadFileAsData (saved);
        const auto at = SysExMessages::dumpHeaderSize + QRX571EditorPreset::knobOffset + field;
        return at < (int)saved.getSize() ? (int)static_cast<juce::uint8> (saved[(size_t)at]) : -1;
    }
    static constexpr int cc = 2, min = 3, max = 4;

    // Keys on the X server's keyboard, as a user presses them, with Ctrl held when asked: they go
    // to the window that has the server's keyboard focus.
    void typeOnKeyboard (std::initializer_list<const char*> keys, bool withCtrl = false)
    {
        if (withCtrl)
            keyboard.key ("Control_L", true);
        for (auto* key : keys)
            for (const bool down : { true, false })
                keyboard.key (key, down);
        if (withCtrl)
            keyboard.key ("Control_L", false);
        testutil::deliverPostedMessages();
    }

    static inline const juce::KeyPress ctrlS = juce::KeyPress ('s', juce::ModifierKeys::commandModifier, 0),
                                       ctrlW = juce::KeyPress ('w', juce::ModifierKeys::commandModifier, 0),
                                       ctrlQ = juce::KeyPress ('q', juce::ModifierKeys::commandModifier, 0);
    juce::TemporaryFile saved{ ".qrx571" };
    testutil::ServerKeyboard keyboard;
};
} // namespace

// Typing, arrows and Return after a click on a caption, the title or a background of either display
// change nothing; the name box itself takes typing.
TEST_F (MainWindowKeyboardTest, KeysAfterAClickOnTheDisplaysCaptionsTitleOrBackgroundChangeNothing)
{
    auto& window = mainWindow();
    auto& right = *surface().getCommonParametersView();
    auto& display = *surface().getParameterView();
    const auto name = preset()->getName();
    ASSERT_EQ (typeOfPad (0), 0);

    auto spots = captionsIn (right);
    EXPECT_EQ (spots.size(), 8u);
    for (auto& s : captionsIn (display))
        spots.push_back (s);
    spots.push_back (bareSpot ("the right display's background", right, { 131, 2 }));
    spots.push_back (bareSpot ("the left display's background", display));
    spots.push_back (bareSpot ("the page's background", *display.getPage (display.getVisiblePageIndex())));
    expectNothingChanges (
        window, spots,
        { letter ('z'), letter ('z'), backspace, backspace, backspace, down, down, enter, letter ('p') },
        [this] { return preset()->getData(); });

    // Tab reaches the TYPE chooser, which keeps the keys after the type it picked.
    press (window, { tab });
    ASSERT_EQ (withKeys(), &typeChooser());
    press (window, { down });
    ASSERT_TRUE (
        testutil::runLoopUntil ([&] { return typeOfPad (0) == 1 && display.getVisiblePageIndex() == 1; }));
    EXPECT_EQ (withKeys(), &typeChooser());
    press (window, { up });
    EXPECT_TRUE (testutil::runLoopUntil ([&] { return typeOfPad (0) == 0; }));

    click (right.getNameEditor());
    press (window, { backspace });
    EXPECT_NE (preset()->getName(), name);
}

// A chooser picked with the mouse loses the keys to any click elsewhere in the window, and a
// clicked button does not keep them to be pressed again by Return.
TEST_F (MainWindowKeyboardTest, AClickAnywhereElseTakesTheKeysFromTheChooserThatHadThem)
{
    auto& window = mainWindow();
    auto& panel = surface();
    auto& menuBar = *window.getMenuBarComponent();
    std::vector<Spot> spots{
        bareSpot ("the panel's background", panel, { 20, 420 }),
        bareSpot ("the menu bar's background", menuBar, { menuBar.getWidth() - 20, menuBar.getHeight() / 2 }),
    };
    spots.push_back (spot ("a fader's number", *panel.getFaderNumberLabel (1)));
    spots.push_back (spot ("pad bank B", *panel.getPadBankButton (1)));
    spots.push_back (spot ("pad 2", *panel.getPadView (1)));

    for (const auto& [what, at] : spots)
    {
        // The chooser picked with the mouse: its list opened with a click and closed again.
        click (typeChooser());
        ASSERT_TRUE (testutil::runLoopUntil ([] { return juce::PopupMenu::dismissAllActiveMenus(); }));
        ASSERT_TRUE (typeChooser().hasKeyboardFocus (false));
        const auto before = preset()->getData();
        clickAt (window, at);
        const auto* view = panel.getParameterView(); // pad 2's, once it is clicked
        press (window, { down, down, enter });
        EXPECT_TRUE (window.hasKeyboardFocus (false)) << what;
        EXPECT_EQ (preset()->getData(), before) << what;
        EXPECT_EQ (panel.getParameterView(), view) << what << ": Return clicked again";
    }
    EXPECT_EQ (panel.getPadBank(), 1);
}

TEST_F (MainWindowKeyboardTest, TabGoesRoundTheBoxesAndChoosersAndTheOneWithTheKeysShowsIt)
{
    auto& window = mainWindow();
    auto& panel = surface();
    clickAt (window, bareSpot ("the panel's background", panel, { 20, 420 }).second);

    // The left display's controls, then the right display's, then round again.
    juce::StringArray visited;
    for (int i = 0; i < 17; ++i)
    {
        press (window, { tab });
        auto* control = withKeys();
        ASSERT_NE (control, nullptr);
        visited.add (control->getName());
        EXPECT_TRUE (control->hasKeyboardFocus (true));
    }
    EXPECT_EQ (visited.joinIntoString (","), "TYPE,TRIGGER MODE,MIDI CHANNEL,MIDI TO DIN,MIDI NOTE,ON COLOR,"
                                             "AFTERTOUCH,OFF COLOR,PRESET,TEMPO,NOTE REPEAT SWITCH,SWING,"
                                             "TIME DIV SWITCH,GATE,TRANSPORT TYPE,TIME DIVISION,TYPE");
    press (window, { shiftTab, shiftTab });
    EXPECT_EQ (nameWithKeys(), "TRANSPORT TYPE");
    // Return closes a number box, which keeps the keys: Tab goes on from it.
    press (window, { shiftTab, letter ('9'), enter });
    EXPECT_EQ (nameWithKeys(), "GATE");
    press (window, { tab });
    EXPECT_EQ ((int)panel.getPreset()->getTransport()->getParameterValue ("GATE").getValue(), 9);
    EXPECT_EQ (nameWithKeys(), "TRANSPORT TYPE");

    // Each control with the keys, reached as the user reaches it, shows them.
    EXPECT_TRUE (showsTheKeys (*withKeys(), window));
    auto& name = panel.getCommonParametersView()->getNameEditor();
    click (name);
    EXPECT_TRUE (showsTheKeys (name, window));
    // A press on a number box let go outside it opens no editor, but leaves it the keys.
    auto& note = viewtest::numberBox (*panel.getParameterView(), "MIDI NOTE");
    const auto at = spot ({}, note).second.toFloat();
    for (auto [offset, down] : { std::pair (0.0f, true), { 60.0f, true }, { 60.0f, false } })
        viewtest::mouse (window, at.translated (0.0f, offset), down);
    EXPECT_FALSE (note.isBeingEdited());
    EXPECT_TRUE (showsTheKeys (note, window));
}

// A number typed into a box counts once Tab or Shift+Tab leaves it for the next box, and when
// Ctrl+S saves with the box still open: the file holds what the boxes show, and one box at a
// time is open. After Return, Tab goes on from the box left.
TEST_F (MainWindowKeyboardTest, TabShiftTabAndCtrlSKeepTheNumberTypedIntoTheBoxLeft)
{
    auto& window = mainWindow();
    click (*surface().getKnobView (0));
    auto& maxBox = knob1Box ("MAX");
    auto& ccBox = knob1Box ("MIDI CC");
    answers.choose (saved.getFile());

    click (maxBox);
    press (window, { letter ('6'), letter ('4'), tab });
    EXPECT_FALSE (maxBox.isBeingEdited());
    EXPECT_TRUE (ccBox.isBeingEdited());
    press (window, { letter ('3'), letter ('3'), enter, ctrlS });
    ASSERT_TRUE (answers.waitUntilAllAnswered());
    EXPECT_EQ (knob1Byte (saved.getFile(), max), 64);
    EXPECT_EQ (knob1Byte (saved.getFile(), cc), 33);
    press (window, { tab });
    EXPECT_EQ (nameWithKeys(), "MIDI TO DIN");

    // Back from MIDI CC to MAX, which is saved still open; the keys stay in it.
    click (ccBox);
    press (window, { letter ('3'), letter ('5'), shiftTab });
    EXPECT_FALSE (ccBox.isBeingEdited());
    EXPECT_TRUE (maxBox.isBeingEdited());
    press (window, { letter ('6'), letter ('0'), ctrlS });
    EXPECT_EQ (knob1Byte (saved.getFile(), cc), 35);
    EXPECT_EQ (knob1Byte (saved.getFile(), max), 60);
    EXPECT_FALSE (maxBox.isBeingEdited());
    EXPECT_EQ (withKeys(), &maxBox);
    EXPECT_EQ (maxBox.getText(), "60");
}

// A window closed with a box open, by Ctrl+W, Ctrl+Q or the window manager's close request (its
// close button), and answered Yes, saves the number typed into it.
TEST_F (MainWindowKeyboardTest, AWindowClosedWithABoxOpenSavesTheNumberTypedIntoIt)
{
    const std::pair<const char*, std::function<void (MainWindow&)>> ways[] = {
        { "Ctrl+W", [] (MainWindow& w) { press (w, { ctrlW }); } },
        { "Ctrl+Q", [] (MainWindow& w) { press (w, { ctrlQ }); } },
        { "the close button", [] (MainWindow& w) { WindowManagerStandIn::sendCloseRequests ({ &w }); } },
    };
    for (const auto& [way, close] : ways)
    {
        SCOPED_TRACE (way);
        ASSERT_EQ (numWindows(), 1);
        auto& window = mainWindow();
        activate (window);
        click (*surface().getKnobView (0));
        auto& minBox = knob1Box ("MIN");
        const juce::TemporaryFile file (".qrx571");
        answers.press ("Yes");
        answers.choose (file.getFile());

        click (minBox);
        press (window, { letter ('9') });
        ASSERT_TRUE (minBox.isBeingEdited());
        close (window);
        ASSERT_TRUE (answers.waitUntilAllAnswered());
        ASSERT_TRUE (testutil::runLoopUntil ([this] { return numWindows() == 0; }));
        EXPECT_EQ (knob1Byte (file.getFile(), min), 9);
        invoke (CommandIds::newPreset);
    }
}

// Another window brought forward while a box is open: the box takes the number typed, and the
// other window keeps the keys (an open box would pull its own window back on top).
TEST_F (MainWindowKeyboardTest, AnotherWindowBroughtForwardWhileABoxIsOpenTakesItsNumberAndKeepsTheKeys)
{
    auto& window = mainWindow();
    window.sendToHardware();
    auto& sender = *window.getSendPresetWindow();
    sender.setTopLeftPosition (window.getRight(), window.getY()); // clear of the knobs
    activate (window);
    click (*surface().getKnobView (0));
    auto& maxBox = knob1Box ("MAX");
    click (maxBox);
    press (window, { letter ('5') });
    ASSERT_TRUE (maxBox.isBeingEdited());

    activate (sender);
    testutil::deliverPostedMessages();
    EXPECT_FALSE (maxBox.isBeingEdited());
    EXPECT_EQ ((int)knob1()->getParameterValue ("Max Value").getValue(), 5);
    EXPECT_TRUE (sender.hasKeyboardFocus (true));
}

// Keys that come back to the window go to the control that had them last in it (here MAX, closed:
// Tab goes on from it), never to the name box left long before, which JUCE remembers from the
// window's last loss of the server's focus: after the save question, answered with Escape, and
// the Save As chooser, cancelled with Escape, each taking the keys before the window hears that it
// lost them, as under a window manager; and after another window took them so, and the window
// manager gave them back. Every key is the server's.
TEST_F (MainWindowKeyboardTest, KeysComingBackGoToWhereTheyWereLastNotToABoxLeftLongBefore)
{
    testutil::ServerKeyboard keyboard;
    ASSERT_TRUE (keyboard.isOpen());
    const auto tap = [&] (std::initializer_list<const char*> keys)
    {
        for (auto* key : keys)
            for (const bool down : { true, false })
                keyboard.key (key, down);
        testutil::deliverPostedMessages();
    };
    // Ctrl+key, its answer given while the box or chooser it puts up is there: Ctrl let go, then
    // Escape.
    const auto ctrlAndEscape = [&] (const char* key)
    {
        answers.meanwhile (
            [&]
            {
                testutil::deliverPendingXEvents();
                keyboard.key ("Control_L", false);
                tap ({ "Escape" });
            });
        keyboard.key ("Control_L", true);
        tap ({ key });
        keyboard.key ("Control_L", false);
        ASSERT_TRUE (answers.waitUntilAllAnswered());
        ASSERT_TRUE (testutil::runLoopUntil (
            [] { return juce::ModalComponentManager::getInstance()->getNumModalComponents() == 0; }));
    };

    invoke (CommandIds::newPreset);
    auto& window = mainWindow (0);
    auto& other = mainWindow (1);
    activate (other); // its own focus-in, not left to come late
    const auto giveBack = [&]
    {
        keyboard.focus (window.getPeer()->getNativeHandle());
        ASSERT_TRUE (testutil::runLoopUntil ([&] { return window.hasKeyboardFocus (true); }));
    };

    // The name box has the keys as the window loses the server's focus, and again as it has it back.
    activate (window);
    auto& nameBox = surface().getCommonParametersView()->getNameEditor();
    click (nameBox);
    tap ({ "End" });
    keyboard.focus (other.getPeer()->getNativeHandle());
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return other.hasKeyboardFocus (true); }));
    giveBack();
    ASSERT_EQ (withKeys(), &nameBox);
    const auto name = preset()->getName();
    const auto shown = nameBox.getText();

    click (*surface().getKnobView (0));
    auto& maxBox = knob1Box ("MAX");
    click (maxBox);
    tap ({ "4", "4" });
    const auto controls = WindowKeyboardFocus::editingControlsIn (window);
    const auto afterMax = std::find (controls.begin(), controls.end(), &maxBox);
    ASSERT_NE (afterMax, controls.end());
    ASSERT_NE (std::next (afterMax), controls.end());
    const auto nextName = (*std::next (afterMax))->getName();

    const auto expectKeysInMax = [&] (const char* after)
    {
        SCOPED_TRACE (after);
        EXPECT_EQ (nameWithKeys(), "MAX");
        tap ({ "BackSpace", "BackSpace", "z", "z" });
        EXPECT_EQ (preset()->getName(), name);
        EXPECT_EQ (nameBox.getText(), shown);
        EXPECT_EQ ((int)knob1()->getParameterValue ("Max Value").getValue(), 44);
        tap ({ "Tab" });
        EXPECT_EQ (nameWithKeys(), nextName);
        keyboard.key ("Shift_L", true);
        tap ({ "Tab" });
        keyboard.key ("Shift_L", false);
        tap ({ "Return" });
        EXPECT_EQ (nameWithKeys(), "MAX");
    };

    ctrlAndEscape ("w");
    EXPECT_EQ (numWindows(), 2);
    giveBack();
    expectKeysInMax ("the save question");

    ctrlAndEscape ("s");
    EXPECT_EQ (window.getFilePath(), "");
    giveBack();
    expectKeysInMax ("the chooser");

    activate (other);
    giveBack();
    expectKeysInMax ("another window");
}

// Ctrl+N pressed on the keyboard in an open box: the box takes its number before the new window
// comes, and the window comes up over the first with the keys (the open box pulled its own window
// back over it, keys and all). Ctrl+S in the first window then saves the number typed.
TEST_F (MainWindowKeyboardTest, CtrlNInAnOpenBoxKeepsItsNumberAndTheNewWindowComesUpOnTopWithTheKeys)
{
    WindowManagerStandIn server;
    ASSERT_TRUE (server.isManaging()) << "another window manager has the screen";
    server.activateNewWindows();
    auto& first = mainWindow();
    answers.choose (saved.getFile());
    typeOnKeyboard ({ "s" }, true);
    ASSERT_TRUE (answers.waitUntilAllAnswered());
    ASSERT_EQ (first.getFilePath(), saved.getFile().getFullPathName());

    activate (first);
    click (*surface().getKnobView (0));
    auto& maxBox = knob1Box ("MAX");
    click (maxBox);
    typeOnKeyboard ({ "5", "1" });
    ASSERT_TRUE (maxBox.isBeingEdited());
    typeOnKeyboard ({ "n" }, true);
    ASSERT_TRUE (server.runUntil ([&] { return numWindows() == 2 && server.isMapped (mainWindow (1)); }));
    auto& added = mainWindow (1);

    // Whatever the program does once the new window is up has landed, as the window manager saw it.
    const auto onTopWithTheKeys = [&] {
        return server.isAbove (added, first) && added.getPeer()->isFocused() && added.hasKeyboardFocus (true);
    };
    EXPECT_TRUE (server.runUntil ([&] { return testutil::deliverPostedMessages() && onTopWithTheKeys(); }));
    testutil::deliverPendingXEvents();
    EXPECT_TRUE (server.runUntil (onTopWithTheKeys))
        << "on top " << server.isAbove (added, first) << ", keys " << added.hasKeyboardFocus (true);
    EXPECT_FALSE (maxBox.isBeingEdited());

    activate (first);
    typeOnKeyboard ({ "s" }, true);
    EXPECT_TRUE (testutil::runLoopUntil ([&] { return knob1Byte (saved.getFile(), max) == 51; }))
        << knob1Byte (saved.getFile(), max);
    EXPECT_TRUE (answers.allAnswered());
    EXPECT_EQ (numWindows(), 2);
}

// Knob 4 dragged onto knob 3 with the mouse: the window keeps the keys through the drag and the
// drop, and Ctrl+S on the keyboard saves its preset. The window manager here, as metacity may,
// gives the keys to no window once they fall to the desktop.
TEST_F (MainWindowKeyboardTest, TheWindowKeepsTheKeysThroughADragAndDrop)
{
    WindowManagerStandIn server;
    ASSERT_TRUE (server.isManaging()) << "another window manager has the screen";
    server.holdKeysThatFallToTheDesktop();
    auto& window = mainWindow();
    auto& dragged = *surface().getKnobView (3);
    const auto from = spot ({}, dragged).second, to = spot ({}, *surface().getKnobView (2)).second;
    for (int step = 0; step <= 8; ++step)
        viewtest::mouse (window, (from + (to - from) * step / 8).toFloat(), true);
    ASSERT_TRUE (dragged.isDragAndDropActive());
    viewtest::mouse (window, to.toFloat(), false);
    ASSERT_TRUE (server.runUntil ([&] { return ! dragged.isDragAndDropActive(); }));
    testutil::deliverPendingXEvents();

    const auto knob = [&] (int index)
    { return dynamic_cast<QRX571EditorPreset&> (*preset()).getKnob (index); };
    EXPECT_EQ (knob (2)->getData(), knob (3)->getData());
    EXPECT_TRUE (window.getPeer()->isFocused());
    answers.choose (saved.getFile());
    typeOnKeyboard ({ "s" }, true);
    EXPECT_TRUE (answers.waitUntilAllAnswered());
    EXPECT_EQ (window.getFilePath(), saved.getFile().getFullPathName());
}
