// Drawings made of shapes: the geometry decides what is inside, the painter softens edges and
// blends translucent shapes without darkening them.
#include "system/shape_painter.h"

#include <gtest/gtest.h>

TEST(ShapePainter, ShapesHoldTheirInsideAndNothingElse)
{
    // An L: the notch of a concave outline is outside.
    const auto ell = polygonShape({{0, 0}, {4, 0}, {4, 6}, {10, 6}, {10, 10}, {0, 10}});
    EXPECT_LT(ell({2, 2}), 0);
    EXPECT_LT(ell({8, 8}), 0);
    EXPECT_GT(ell({8, 2}), 0);
    EXPECT_NEAR(ell({7, 2}), 3, 1e-9); // to the nearest edge, not to a corner

    // Turned by 45 degrees clockwise the long axis runs to the lower right.
    const auto leaf = ellipseShape({10, 10}, 8, 2, 45);
    EXPECT_LT(leaf({14.5, 14.5}), 0);
    EXPECT_GT(leaf({14.5, 5.5}), 0);
    EXPECT_GT(leaf({17, 10}), 0); // inside the upright ellipse, outside the turned one
    // Along the axes the distance is exact, so edges soften by the same amount all round.
    const auto upright = ellipseShape({0, 0}, 8, 2);
    EXPECT_NEAR(upright({10, 0}), 2, 1e-9);
    EXPECT_NEAR(upright({0, -3}), 1, 1e-9);
    EXPECT_NEAR(upright({0, 0}), -2, 1e-9);

    const auto line = strokeShape({0, 0}, {10, 0}, 1);
    EXPECT_NEAR(line({5, 3}), 2, 1e-9);
    EXPECT_NEAR(line({-3, 0}), 2, 1e-9); // round end
    const auto dot = strokeShape({2, 2}, {2, 2}, 1);
    EXPECT_NEAR(dot({2, 4}), 1, 1e-9);

    const auto both = unionShape({circleShape({0, 0}, 2), circleShape({10, 0}, 2)});
    EXPECT_LT(both({10, 1}), 0);
    EXPECT_GT(both({5, 0}), 0);
    const auto common = intersectShape(circleShape({0, 0}, 5), circleShape({6, 0}, 5));
    EXPECT_LT(common({3, 0}), 0);
    EXPECT_GT(common({-2, 0}), 0);
    EXPECT_GT(unionShape({})({0, 0}), 0);
}

TEST(ShapePainter, EdgesAreSoftOutlinesInsideAndTheGroundStaysClear)
{
    ShapePainter painter(21, 21);
    const Rgba red{255, 0, 0, 255}, blue{0, 0, 255, 255};
    painter.paint(circleShape({10.5, 10.5}, 6), red, 2, blue);
    const TBitmap& b = painter.bitmap();
    EXPECT_EQ(b.pixel(0, 0).a, 0);
    EXPECT_EQ(b.pixel(10, 10), red);
    EXPECT_EQ(b.pixel(15, 10), blue); // within two pixels of the edge
    // Half covered: the edge pixel is the outline's colour at half strength, not a darker blue.
    const Rgba edge = b.pixel(16, 10);
    EXPECT_EQ(edge.b, 255);
    EXPECT_EQ(edge.r, 0);
    EXPECT_NEAR(edge.a, 128, 2);
}

TEST(ShapePainter, TranslucentShapesBlendWithWhatIsBelow)
{
    const auto all = polygonShape({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
    const Rgba glass{0, 0, 255, 128};

    ShapePainter onClear(4, 4);
    onClear.paint(all, glass);
    EXPECT_EQ(onClear.bitmap().pixel(1, 1), glass);

    ShapePainter onWhite(4, 4);
    onWhite.paint(all, {255, 255, 255, 255});
    onWhite.paint(all, glass);
    const Rgba mixed = onWhite.bitmap().pixel(1, 1);
    EXPECT_EQ(mixed.a, 255);
    EXPECT_EQ(mixed.b, 255);
    EXPECT_NEAR(mixed.r, 127, 1);
    EXPECT_NEAR(mixed.g, 127, 1);
}
