#include "ui/KeyKeepingDragContainer.h"

void KeyKeepingDragContainer::dragOperationStarted (const juce::DragAndDropTarget::SourceDetails& details)
{
    // The image has just taken the keys, if it could: it never takes them again, and the window
    // has them back at once. The image is a window of its own, made as JUCE makes each one.
    constexpr auto imageStyle =
        juce::ComponentPeer::windowIsTemporary | juce::ComponentPeer::windowIgnoresMouseClicks;
    auto* source = details.sourceComponent.get();
    auto* image = juce::Component::getCurrentlyFocusedComponent();
    auto* peer = image != nullptr ? image->getPeer() : nullptr;
    if (source == nullptr || peer == nullptr || &peer->getComponent() != image ||
        (peer->getStyleFlags() & imageStyle) != imageStyle)
        return;

    image->setWantsKeyboardFocus (false);
    source->getTopLevelComponent()->grabKeyboardFocus();
}
