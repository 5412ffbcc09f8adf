#pragma once
// The program started with a new tree of two persons, Jan shown; pictures of any size made on
// the spot for the insert buttons.
#include "../shell/empty_tree_fixture.h"
#include "model/media.h"
#include "system/files.h"
#include "system/picture.h"

#include <gtest/gtest.h>

struct PersonEditorTest : EmptyTreeTest {
    Clovek* jan = nullptr;
    Clovek* eva = nullptr;
    TempFolder outside; // where the person's own files are

    void SetUp() override
    {
        EmptyTreeTest::SetUp();
        hl().resetWorkingFolder();
        jan = addPerson("Jan", "Novák");
        eva = addPerson("Eva", "Dvořáková");
        hl().enableControls(true, true);
        hl().personList.fill();
        hl().personList.sort(PersonSortKey::byName);
        hl().editor.showPersonOfStep(jan);
    }
    std::string working(const std::string& name) { return joinPath(hl().workingFolder, name); }

    // A picture file of the size, JPEG or BMP by the extension of `name`, in `outside`.
    std::string picture(const std::string& name, int width, int height)
    {
        TBitmap bitmap(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                bitmap.setPixel(x, y, {static_cast<uint8_t>(x), static_cast<uint8_t>(y), 90, 255});
        std::string path = outside.path() + name;
        if (pictureFileKind(path) == PictureFileKind::Bitmap) {
            bitmap.SaveToFile(path);
        } else {
            TJPEGImage jpeg;
            jpeg.Assign(bitmap);
            jpeg.SaveToFile(path);
        }
        return path;
    }
    std::string textFile(const std::string& name, const std::string& text)
    {
        std::string path = outside.path() + name;
        writeCp1250Lines(path, {text});
        return path;
    }
};
