#include "autopopulate/AutoPopulateParameter.h"

#include "ui/EditorPictures.h"
#include "ui/EditorStrings.h"
#include "ui/FittedFont.h"

namespace
{
constexpr int indentation = 10;
constexpr int editorWidth = 100;
constexpr int editorHeight = 18;
constexpr float nameHeight = 15.0f; // a label's own
} // namespace

AutoPopulateParameter::AutoPopulateParameter (const juce::String& labelText,
                                              AutoPopulateFunction::Ptr functionToUse,
                                              AutoPopulateParameterType::Ptr editorToUse)
    : function (std::move (functionToUse))
    , editor (std::move (editorToUse))
{
    const auto offPicture = EditorPictures::enabledToggle (false);
    enabledButton = new ImageToggleButton ("Enabled", offPicture, EditorPictures::enabledToggle (true));
    addAndMakeVisible (*enabledButton);
    addAndMakeVisible (*editor);
    enabledButton->setSize (offPicture.getWidth(), offPicture.getHeight());
    enabledButton->setToggleState (false, juce::dontSendNotification);

    nameLabel.setText (labelText, juce::dontSendNotification);
    addAndMakeVisible (nameLabel);
    nameLabel.attachToComponent (editor.get(), true);
    setLookAndFeel (&look);
}

AutoPopulateParameter::~AutoPopulateParameter()
{
    // Children first, so none of them still uses the look or this row while it goes.
    nameLabel.attachToComponent (nullptr, false);
    removeAllChildren();
    setLookAndFeel (nullptr);
}

void AutoPopulateParameter::setIndent (bool shouldIndent)
{
    indent = shouldIndent;
    resized();
}

void AutoPopulateParameter::buttonClicked (juce::Button* button)
{
    if (button != nullptr && button->getName() == EditorStrings::applyButton)
        applyIfEnabled();
}

void AutoPopulateParameter::applyIfEnabled()
{
    if (function != nullptr && enabledButton->getToggleState())
        function->apply (editor->getValue() & 255);
}

void AutoPopulateParameter::resized()
{
    enabledButton->setTopLeftPosition (indent ? indentation : 0,
                                       (getHeight() - enabledButton->getHeight()) / 2);
    editor->setBounds (getWidth() - editorWidth, (getHeight() - editorHeight) / 2, editorWidth, editorHeight);

    // The name takes the room between the toggle and the editor, narrowed or made smaller
    // rather than run over the toggle. The attached label sizes itself to its text (rounded up
    // by a pixel) and its border.
    const auto room =
        editor->getX() - enabledButton->getRight() - nameLabel.getBorderSize().getLeftAndRight() - 1;
    nameLabel.setFont (fitFont (juce::Font (nameHeight), nameLabel.getText(), (float)room));
    nameLabel.attachToComponent (editor.get(), true);
}

AutoPopulateParameter::Ptr createParameter (AutoPopulateFunction::Ptr function,
                                            AutoPopulateParameterType::Ptr editor, bool indent)
{
    const auto labelText = editor->getName();
    AutoPopulateParameter::Ptr row =
        new AutoPopulateParameter (labelText, std::move (function), std::move (editor));
    row->setIndent (indent);
    return row;
}

AutoPopulateParameter::Ptr createStaticParameter (ControlArray* selectedControls,
                                                  const juce::String& parameterName,
                                                  AutoPopulateParameterType::Ptr editor, bool indent)
{
    const auto name = editor->getName();
    auto row = createParameter (new StaticAutoPopulateFunction (selectedControls, parameterName),
                                std::move (editor), false);
    row->setName (name);
    row->setIndent (indent);
    return row;
}

AutoPopulateParameter::Ptr createOrderParameter (AutoPopulateFunction::Ptr function)
{
    auto* box = new juce::ComboBox();
    box->addItem ("ASCENDING", 1);
    box->addItem ("DESCENDING", 2);

    AutoPopulateParameterType::Ptr editor = new ComboBoxParameterComponent (box, -1);
    editor->setName ("ORDER");
    auto row = createParameter (std::move (function), std::move (editor), false);
    row->setIndent (true);
    return row;
}
