// Keys in the main window go only to the control the user clicked or tabbed to: a click on a
// caption, a title, a picture, a background or a button leaves every box and chooser alone, so
// typing after it changes nothing the program saves or sends.
#include "EditorTest.h"

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
    int typeOfPad (int index) const { return pad (index)->getParameterValue ("Parameter Type").getValue(); }
    juce::ComboBox& typeChooser() const { return viewtest::chooser (*surface().getParameterView(), "TYPE"); }
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
    // Return closes a number box and lets go of the keys; Tab then starts again.
    press (window, { shiftTab, letter ('9'), enter });
    press (window, { tab });
    EXPECT_EQ ((int)panel.getPreset()->getTransport()->getParameterValue ("GATE").getValue(), 9);
    EXPECT_EQ (withKeys(), &typeChooser());
    press (window, { shiftTab, shiftTab });
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
