#include "ui/EditorStrings.h"

#include <gtest/gtest.h>

TEST (EditorStrings, NoteLabelNamesTheNoteWithMiddleCInOctaveFour)
{
    for (auto [note, label] :
         { std::pair (0, "NOTE:0 (C-1)"), { 60, "NOTE:60 (C4)" }, { 127, "NOTE:127 (G9)" } })
        EXPECT_EQ (formatNoteLabel (note), label);
}
