// The preset-wide view: the preset's name and the transport settings, bound both ways.
#include "ViewTestSupport.h"

#include "model/QRX571EditorPreset.h"
#include "ui/CommonParametersLCDView.h"

#include <gtest/gtest.h>

namespace
{
class CommonParametersLCDViewTest : public testing::Test
{
protected:
    template <typename WidgetType = juce::ComboBox>
    WidgetType& widget (const juce::String& name)
    {
        for (auto* child : view->getChildren())
            if (auto* typed = dynamic_cast<WidgetType*> (child); typed != nullptr && child->getName() == name)
                return *typed;
        throw std::runtime_error ("no widget " + name.toStdString());
    }

    int get (const char* parameter) { return transport->getParameterValue (parameter).getValue(); }

    QRX571EditorPreset::Ptr preset = new QRX571EditorPreset();
    MEditorControl::Ptr transport = preset->getTransport().get();
    CommonParametersLCDView::Ptr view = new CommonParametersLCDView (preset.get(), transport);
};
} // namespace

TEST_F (CommonParametersLCDViewTest, WidgetsFollowTheTransportOnceTheChangeArrivesAndWriteIt)
{
    auto& tempo = widget<NumberBoxComponent<int>> ("TEMPO");
    transport->setParameterValue ("TIME DIVISION", juce::Value (7));
    transport->setParameterValue ("BPM", juce::Value (120));
    EXPECT_EQ (tempo.getValue(), 30);
    EXPECT_TRUE (testutil::runLoopUntil (
        [&] { return tempo.getValue() == 120 && widget ("TIME DIVISION").getText() == "1/32 TRIPLET"; },
        2000));

    view->setSize (300, 100);
    const viewtest::OnScreen onScreen (*view);
    viewtest::pick (widget ("TRANSPORT TYPE"), "PTEX");
    viewtest::pick (widget ("NOTE REPEAT SWITCH"), "TOGGLE");
    viewtest::pick (widget ("TIME DIV SWITCH"), "TOGGLE");
    viewtest::pick (widget ("TIME DIVISION"), "1/8");
    for (auto [box, keys] : { std::pair ("TEMPO", "250"), { "GATE", "99" }, { "SWING", "60" } })
        ASSERT_TRUE (viewtest::typeInto (widget<NumberBoxComponent<int>> (box), keys));
    EXPECT_EQ (
        juce::Array<int> ({ get ("TRANSPORT TYPE"), get ("REPEAT TOGGLE"), get ("TIME DIVISION TOGGLE"),
                            get ("TIME DIVISION"), get ("BPM"), get ("GATE"), get ("SWING") }),
        juce::Array<int> ({ 4, 1, 1, 2, 250, 99, 60 }));

    EXPECT_TRUE (viewtest::renderForReview (*view, "view-renders/common-parameters"));
}

// The box shows and edits the name without the blanks that pad it to eight characters; the preset
// keeps it padded, so its bytes stay the same, and follows each keystroke. A ninth character or a
// non-ASCII one is refused. Keys: '>' End, '<' Backspace, '*' Ctrl+A, then Return.
TEST_F (CommonParametersLCDViewTest, EachKeystrokeRenamesThePresetWithoutTheBlanksThatPadIt)
{
    auto& editor = widget<juce::TextEditor> ("PRESET");
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        // stored, shown, keys, then shown and stored
        { "Preset  ", "Preset", "*KIT-01 \xc3\xa9ZQ", "KIT-01 Z" },
        { "Generic ", "Generic", ">X", "GenericX" },
        { "Kick5   ", "Kick5", ">678Z", "Kick5678" },
        { "Generic ", "Generic", "><", "Generi  " },
        { "Generic ", "Generic", "*Q", "Q       " },
        { "AB      ", "AB", "> C", "AB C    " }, // a blank typed inside the name stays
    };
    for (auto [stored, shown, keys, after] : cases)
    {
        const auto typed = juce::String (juce::CharPointer_UTF8 (keys));
        SCOPED_TRACE (juce::String (stored) + typed);
        ASSERT_TRUE (preset->setName (stored));
        ASSERT_TRUE (testutil::runLoopUntil ([&] { return editor.getText() == shown; }, 2000));
        EXPECT_EQ (preset->getName(), stored);

        editor.moveCaretToTop (false);
        for (auto c : typed)
        {
            editor.keyPressed (c == '>'   ? juce::KeyPress (juce::KeyPress::endKey)
                               : c == '<' ? juce::KeyPress (juce::KeyPress::backspaceKey)
                               : c == '*' ? juce::KeyPress ('a', juce::ModifierKeys::commandModifier, 0)
                                          : juce::KeyPress ((int)c, {}, c));
            EXPECT_EQ (preset->getName(), editor.getText().paddedRight (' ', 8));
        }
        editor.keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
        ASSERT_TRUE (testutil::deliverPostedMessages()); // the name's change comes back to the box now

        EXPECT_EQ (editor.getText(), juce::String (after).trimCharactersAtEnd (" "));
        EXPECT_EQ (preset->getName(), after);
        EXPECT_EQ (preset->getNameBytes(), juce::Array<juce::uint8> ((const juce::uint8*)after, 8));
    }
}
