// The makers of the shared dialog buttons and the auto-populate bank toggles. Each
// builds one button with its own pictures and hands it back through `button`: dialog
// buttons as a counted reference, bank toggles as a new object the caller takes over.
#pragma once

#include "ui/ImageToggleButton.h"
#include "ui/ReferenceCountedImageButton.h"

void makeSendButton (ReferenceCountedImageButton::Ptr& button);    // 96 x 25
void makeApplyButton (ReferenceCountedImageButton::Ptr& button);   // 96 x 25
void makeRefreshButton (ReferenceCountedImageButton::Ptr& button); // 96 x 25
void makeGetButton (ReferenceCountedImageButton::Ptr& button);     // 96 x 25
void makeOkButton (ReferenceCountedImageButton::Ptr& button);      // 96 x 25
void makeCancelButton (ReferenceCountedImageButton::Ptr& button);  // 96 x 25
void makeRevertButton (ReferenceCountedImageButton::Ptr& button);  // 96 x 25
void makeBrowseButton (ReferenceCountedImageButton::Ptr& button);  // 74 x 20
void makeClearButton (ReferenceCountedImageButton::Ptr& button);   // 14 x 13

void makeBankAButton (ImageToggleButton*& button); // 18 x 17
void makeBankBButton (ImageToggleButton*& button);
void makeBankCButton (ImageToggleButton*& button);
void makeBankDButton (ImageToggleButton*& button);
