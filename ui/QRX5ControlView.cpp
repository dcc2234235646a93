#include "ui/QRX5ControlView.h"

QRX5ControlView::QRX5ControlView (MEditorControl::Ptr controlToShow, const juce::Image& normal,
                                  const juce::Image& over, const juce::Image& selected)
    : juce::Button (" ")
    , ControlView (normal, over, selected)
    , DragableAndDropAbleControl (this)
    , control (controlToShow)
{
}

QRX5ControlView::~QRX5ControlView() = default;

MEditorControl::Ptr QRX5ControlView::getControl() { return control; }
