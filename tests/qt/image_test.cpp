// A picture on the screen: a transparent image shows its picture centred over the window, and a
// picture the program puts in later replaces the one shown.
#include "qt_fixture.h"
#include "toolkit/canvas.h"
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"

#include <QImage>
#include <QWidget>

namespace {

TBitmap filled(int side, Rgba colour)
{
    TBitmap b(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            b.setPixel(x, y, colour);
    return b;
}

struct Window : TForm {
    Window() : TForm("okno")
    {
        SetBounds(0, 0, 200, 150);
        obrazek.SetBounds(10, 10, 60, 60);
        obrazek.Transparent = true;
        obrazek.Center = true;
        obrazek.Picture.Assign(filled(20, {255, 0, 0, 255}));
    }
    TImage obrazek{this, "obrazek"};
};

class ImageOnScreen : public QtTest {
protected:
    QImage shown()
    {
        syncAll();
        auto* w = widget<QWidget>(win, "obrazek");
        return w ? w->grab().toImage() : QImage();
    }
    Window win;
};

TEST_F(ImageOnScreen, APictureShowsCentredAndAReplacedOneShowsInstead)
{
    show(win);
    QImage image = shown();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixelColor(30, 30), QColor(255, 0, 0));
    EXPECT_NE(image.pixelColor(3, 3), QColor(255, 0, 0)); // outside the centred 20 x 20

    win.obrazek.Picture.Assign(filled(20, {0, 0, 255, 255}));
    image = shown();
    EXPECT_EQ(image.pixelColor(30, 30), QColor(0, 0, 255));
}

} // namespace
