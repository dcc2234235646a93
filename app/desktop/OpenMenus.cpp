#include "app/desktop/OpenMenus.h"

#include <juce_gui_basics/juce_gui_basics.h>

void OpenMenus::closeAll() { juce::PopupMenu::dismissAllActiveMenus(); }
