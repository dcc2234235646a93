// Pictures decoded ahead are the embedded pictures themselves, and asking again hands back the
// same shared image rather than a second decoding.
#include "ui/EditorPictures.h"

#include "BinaryData.h"

#include <gtest/gtest.h>

TEST (PicturesAheadTest, AsksGetTheEmbeddedPicturesSharedOnce)
{
    juce::ImageCache::releaseUnusedImages();
    EditorPictures::startDecodingSurfacePictures();
    EditorPictures::startDecodingSurfacePictures(); // a second start while one runs does nothing

    const auto background = EditorPictures::editorBackground();
    const auto pad = EditorPictures::pad (EditorPictures::ViewState::over);
    EXPECT_EQ (EditorPictures::editorBackground().getPixelData(), background.getPixelData());
    EXPECT_EQ (EditorPictures::pad (EditorPictures::ViewState::over).getPixelData(), pad.getPixelData());

    const std::pair<juce::Image, const char*> expected[] = { { background, "editor_background_png" },
                                                             { pad, "pad_grey_png" } };
    for (const auto& [picture, resource] : expected)
    {
        int size = 0;
        const auto* data = BinaryData::getNamedResource (resource, size);
        const auto direct = juce::ImageFileFormat::loadFrom (data, (size_t)size);
        ASSERT_EQ (picture.getBounds(), direct.getBounds()) << resource;
        for (int y = 0; y < direct.getHeight(); y += 7)
            for (int x = 0; x < direct.getWidth(); x += 7)
                ASSERT_EQ (picture.getPixelAt (x, y), direct.getPixelAt (x, y))
                    << resource << " " << x << "," << y;
    }

    EditorPictures::finishDecodingSurfacePictures(); // nothing under way any more: returns at once
}
