#include "ui/KeyKeepingDragContainer.h"

void KeyKeepingDragContainer::dragOperationStarted (const juce::DragAndDropTarget::SourceDetails& details)
{
    // The image has just taken the keys, if it took them: it never takes them again, and the
    // window has them back at once.
    auto* source = details.sourceComponent.get();
    auto* image = juce::Component::getCurrentlyFocusedComponent();
    if (source == nullptr || image == nullptr ||
        image->getTopLevelComponent() == source->getTopLevelComponent())
        return;

    image->setWantsKeyboardFocus (false);
    source->getTopLevelComponent()->grabKeyboardFocus();
}
