// The recording canvas, colours, the draw grid and repaint requests.
#include "toolkit/canvas.h"
#include "toolkit/colors.h"
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/grid.h"
#include "toolkit_fixture.h"

namespace {

TEST(Colours, AreStoredBlueGreenRed)
{
    EXPECT_EQ(clYellow, 0x0000FFFF);
    EXPECT_EQ(clRed, 255);
    EXPECT_EQ(clGreen, 32768);
    EXPECT_EQ(clBlue, 16711680);
    EXPECT_EQ(clMaroon, 128);
    EXPECT_EQ(RGB(1, 2, 3), 0x00030201);
    EXPECT_EQ(GetRValue(clBtnFace), 240);
}

TEST(RecordingCanvas, KeepsColoursFontAndPlaceOfEveryOperation)
{
    TRecordingCanvas c;
    c.Brush.Color = clBlack;
    c.FillRect(Rect(0, 15, 200, 30));
    c.Font.Color = clYellow;
    c.Font.Bold = true;
    c.TextOut(0, 15, "Novák Jan");
    c.Font.Name = "Courier New";
    c.Font.Bold = false;
    c.TextOut(160, 15, " 50 %");
    ASSERT_EQ(c.entries().size(), 3u);
    EXPECT_EQ(c.entries()[0].brushColor, clBlack);
    EXPECT_EQ(c.entries()[0].rect, Rect(0, 15, 200, 30));
    const auto* name = c.findText("Novák Jan");
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(name->font.Bold);
    EXPECT_EQ(name->font.Color, clYellow);
    EXPECT_EQ(name->font.Name, "MS Sans Serif");
    EXPECT_EQ(name->brushColor, clBlack);
    EXPECT_EQ(c.texts().size(), 2u);
    EXPECT_EQ(c.findText(" 50 %")->font.Name, "Courier New");
}

TEST(RecordingCanvas, TextWidthCountsCharactersNotBytes)
{
    TRecordingCanvas c;
    EXPECT_EQ(c.TextWidth("žluť"), c.TextWidth("zlut"));
    EXPECT_GT(c.TextWidth("abc"), 0);
}

TEST(RecordingCanvas, DrawKeepsACopyOfThePicture)
{
    TRecordingCanvas c;
    {
        TBitmap b(2, 1);
        b.setPixel(1, 0, Rgba{1, 2, 3, 255});
        c.Draw(5, 6, b);
    }
    ASSERT_EQ(c.entries().size(), 1u);
    EXPECT_EQ(c.entries()[0].rect, Rect(5, 6, 7, 7));
    EXPECT_EQ(c.entries()[0].picture->pixel(1, 0), (Rgba{1, 2, 3, 255}));
}

TEST(DrawGrid, PaintAsksForEveryCellThatFits)
{
    TForm f("f");
    TDrawGrid g{&f, "scrolling"};
    g.ColCount = 1;
    g.RowCount = 1;
    g.FixedCols = g.FixedRows = 0;
    g.Width = 190;
    g.Height = 480;
    g.setRowHeight(0, g.Height);
    g.setColWidth(0, g.Width);
    std::vector<TRect> cells;
    g.OnDrawCell = [&](int, int, const TRect& r, TGridDrawState) {
        cells.push_back(r);
        g.Canvas.FillRect(r);
    };
    g.Paint();
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0], Rect(0, 0, 190, 480));
    EXPECT_EQ(g.Canvas.entries().size(), 1u);
}

struct CountingHost : RenderHost {
    int now = 0, soon = 0;
    void invalidate(TControl&) override { ++soon; }
    void repaintNow(TControl&) override { ++now; }
    void timerChanged(TTimer&) override { }
    void formShown(TForm&) override { }
    void formHidden(TForm&) override { }
    void terminate() override { }
};

TEST(Repaint, ProgressBarRepaintsAtOnce)
{
    FreshApplication fresh;
    CountingHost host;
    Application.setHost(&host);
    TForm f("f");
    TProgressBar bar{&f, "waitBAR"};
    bar.setPosition(10);
    bar.StepIt();
    EXPECT_EQ(host.now, 2);
    TDrawGrid g{&f, "g"};
    g.Invalidate();
    EXPECT_EQ(host.soon, 1);
}

} // namespace
