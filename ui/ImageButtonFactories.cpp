#include "ui/ImageButtonFactories.h"

#include "ui/EditorPictures.h"
#include "ui/EditorStrings.h"

namespace
{
void makeDialogButton (ReferenceCountedImageButton::Ptr& button, const juce::String& name,
                       EditorPictures::DialogButton which)
{
    using State = EditorPictures::ButtonState;
    const auto none = juce::Colours::transparentBlack;

    button = new ReferenceCountedImageButton (name);
    // Sized to its picture now; the whole rectangle is clickable.
    button->setImages (true, false, true, EditorPictures::dialogButton (which, State::normal), 1.0f, none,
                       EditorPictures::dialogButton (which, State::over), 1.0f, none,
                       EditorPictures::dialogButton (which, State::down), 1.0f, none, 0.0f);
}

void makeBankToggle (ImageToggleButton*& button, const juce::String& name, int bank)
{
    button = new ImageToggleButton (name, EditorPictures::bankToggle (bank, false),
                                    EditorPictures::bankToggle (bank, true));
}
} // namespace

void makeSendButton (ReferenceCountedImageButton::Ptr& button)
{
    makeDialogButton (button, EditorStrings::sendButton, EditorPictures::DialogButton::send);
}

void makeApplyButton (ReferenceCountedImageButton::Ptr& button)
{
    makeDialogButton (button, EditorStrings::applyButton, EditorPictures::DialogButton::apply);
}

void makeRefreshButton (ReferenceCountedImageButton::Ptr& button)
{
    makeDialogButton (button, EditorStrings::refreshButton, EditorPictures::DialogButton::refresh);
}

void makeGetButton (ReferenceCountedImageButton::Ptr& button)
{
    makeDialogButton (button, EditorStrings::getButton, EditorPictures::DialogButton::get);
}

void makeOkButton (ReferenceCountedImageButton::Ptr& button)
{
    makeDialogButton (button, EditorStrings::okButton, EditorPictures::DialogButton::ok);
}

void makeCancelButton (ReferenceCountedImageButton::Ptr& button)
{
    makeDialogButton (button, EditorStrings::cancelButton, EditorPictures::DialogButton::cancel);
}

void makeRevertButton (ReferenceCountedImageButton::Ptr& button)
{
    makeDialogButton (button, EditorStrings::revertButton, EditorPictures::DialogButton::revert);
}

void makeBrowseButton (ReferenceCountedImageButton::Ptr& button)
{
    makeDialogButton (button, EditorStrings::browseButton, EditorPictures::DialogButton::browse);
}

void makeClearButton (ReferenceCountedImageButton::Ptr& button)
{
    makeDialogButton (button, EditorStrings::clearButton, EditorPictures::DialogButton::clear);
}

void makeBankAButton (ImageToggleButton*& button) { makeBankToggle (button, EditorStrings::bankAButton, 0); }

void makeBankBButton (ImageToggleButton*& button) { makeBankToggle (button, EditorStrings::bankBButton, 1); }

void makeBankCButton (ImageToggleButton*& button) { makeBankToggle (button, EditorStrings::bankCButton, 2); }

void makeBankDButton (ImageToggleButton*& button) { makeBankToggle (button, EditorStrings::bankDButton, 3); }
