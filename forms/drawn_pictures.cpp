#include "forms/drawn_pictures.h"

#include "system/shape_painter.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

namespace {

// Each drawing is laid out on a 100 x 100 grid, scaled to the smaller side and centred.
class Sketch {
public:
    Sketch(int width, int height)
        : painter_(width, height),
          scale_(std::min(width, height) / 100.0),
          left_((width - 100 * scale_) / 2),
          top_((height - 100 * scale_) / 2)
    {
    }
    Point2 at(double x, double y) const { return {left_ + x * scale_, top_ + y * scale_}; }
    double len(double units) const { return units * scale_; }

    ShapeDistance circle(double x, double y, double r) const { return circleShape(at(x, y), len(r)); }
    ShapeDistance ellipse(double x, double y, double rx, double ry, double degrees = 0) const
    {
        return ellipseShape(at(x, y), len(rx), len(ry), degrees);
    }
    ShapeDistance stroke(double x1, double y1, double x2, double y2, double halfWidth) const
    {
        return strokeShape(at(x1, y1), at(x2, y2), len(halfWidth));
    }
    ShapeDistance polygon(std::initializer_list<Point2> corners) const
    {
        std::vector<Point2> placed;
        for (Point2 c : corners)
            placed.push_back(at(c.x, c.y));
        return polygonShape(std::move(placed));
    }
    // Outlines are at least a pixel wide, so small sizes keep their contours.
    void paint(const ShapeDistance& shape, Rgba fill, double outline = 0, Rgba outlineColour = {})
    {
        painter_.paint(shape, fill, outline > 0 ? std::max(1.0, len(outline)) : 0, outlineColour);
    }
    const TBitmap& bitmap() const { return painter_.bitmap(); }

private:
    ShapePainter painter_;
    double scale_, left_, top_;
};

constexpr Rgba ink{55, 40, 35, 255};
constexpr Rgba white{255, 255, 255, 255};

void drawFamilyTree(Sketch& s)
{
    const Rgba bark{150, 95, 50, 255}, barkEdge{90, 55, 30, 255};
    const Rgba leaves{85, 165, 70, 255}, leavesEdge{40, 105, 45, 255};
    s.paint(s.ellipse(50, 91, 36, 6), {160, 205, 120, 255});
    s.paint(s.polygon({{43, 91},
                       {57, 91},
                       {54, 66},
                       {66, 50},
                       {61, 47},
                       {52, 58},
                       {52, 40},
                       {48, 40},
                       {48, 58},
                       {39, 47},
                       {34, 50},
                       {46, 66}}),
            bark, 1.6, barkEdge);
    s.paint(unionShape({s.circle(50, 30, 20), s.circle(31, 40, 14), s.circle(69, 40, 14),
                        s.circle(36, 22, 13), s.circle(64, 22, 13), s.circle(50, 48, 11)}),
            leaves, 1.6, leavesEdge);
    s.paint(s.ellipse(40, 19, 8, 5, -25), {140, 205, 110, 255});
    // The fruit: the persons of the tree.
    const Rgba fruit[] = {{225, 60, 50, 255}, {245, 150, 40, 255}, {240, 200, 50, 255}};
    const Point2 where[] = {{50, 16}, {33, 32}, {67, 32}, {42, 45}, {58, 45}, {24, 44}, {76, 44}};
    for (size_t i = 0; i < std::size(where); ++i)
        s.paint(s.circle(where[i].x, where[i].y, 4.2), fruit[i % 3], 1.2, {120, 40, 30, 255});
}

void drawButterfly(Sketch& s)
{
    const Rgba wing{245, 150, 40, 255}, lowerWing{235, 110, 50, 255}, spot{255, 235, 150, 255};
    for (int side : {-1, 1}) {
        auto x = [side](double fromMiddle) { return 50 + side * fromMiddle; };
        s.paint(s.ellipse(x(19), 65, 15, 12, -side * 40), lowerWing, 2, ink);
        s.paint(s.ellipse(x(21), 36, 23, 17, side * 30), wing, 2, ink);
        s.paint(s.circle(x(26), 32, 6.5), spot, 1.2, ink);
        s.paint(s.circle(x(14), 25, 3.2), spot);
        s.paint(s.circle(x(18), 68, 4), spot, 1.2, ink);
        s.paint(s.stroke(x(1), 21, x(11), 7, 1), ink);
        s.paint(s.circle(x(11), 7, 2.6), ink);
    }
    s.paint(s.ellipse(50, 54, 5, 24), {95, 70, 60, 255}, 1.5, ink);
    s.paint(s.circle(50, 26, 6.5), {95, 70, 60, 255}, 1.5, ink);
    s.paint(s.circle(47.5, 25, 1.6), white);
    s.paint(s.circle(52.5, 25, 1.6), white);
}

void drawBumblebee(Sketch& s)
{
    const Rgba wing{205, 230, 255, 180}, wingEdge{90, 125, 165, 255};
    for (double x : {38.0, 52.0, 63.0})
        s.paint(s.stroke(x, 74, x - 3, 88, 1.6), ink);
    s.paint(s.polygon({{21, 56}, {8, 61}, {21, 66}}), ink);
    const ShapeDistance body = s.ellipse(46, 61, 28, 20);
    s.paint(body, {250, 200, 40, 255}, 2, ink);
    for (double x : {30.0, 48.0})
        s.paint(intersectShape(body, s.polygon({{x, 38}, {x + 9, 38}, {x + 7, 84}, {x - 2, 84}})), ink);
    s.paint(s.stroke(79, 46, 86, 30, 1.2), ink);
    s.paint(s.stroke(74, 46, 73, 29, 1.2), ink);
    s.paint(s.circle(86, 30, 2.6), ink);
    s.paint(s.circle(73, 29, 2.6), ink);
    s.paint(s.circle(77, 57, 12), ink);
    s.paint(s.circle(81, 53, 3.8), white);
    s.paint(s.circle(82, 53, 1.9), ink);
    s.paint(s.ellipse(42, 31, 11, 18, -25), wing, 1.5, wingEdge);
    s.paint(s.ellipse(56, 30, 9, 15, 20), wing, 1.5, wingEdge);
}

void drawFlower(Sketch& s)
{
    const Rgba green{100, 185, 80, 255}, greenEdge{40, 105, 45, 255};
    s.paint(s.stroke(50, 45, 50, 96, 3), {75, 150, 60, 255}, 1.5, greenEdge);
    s.paint(s.ellipse(38, 78, 12, 5.5, 30), green, 1.5, greenEdge);
    s.paint(s.ellipse(62, 70, 12, 5.5, -30), green, 1.5, greenEdge);
    for (int i = 0; i < 8; ++i) {
        const double degrees = i * 45.0 - 90;
        const double a = degrees * std::numbers::pi / 180;
        s.paint(s.ellipse(50 + 17 * std::cos(a), 36 + 17 * std::sin(a), 12, 7.5, degrees),
                {240, 115, 160, 255}, 1.6, {165, 50, 95, 255});
    }
    s.paint(s.circle(50, 36, 10), {255, 205, 60, 255}, 1.6, {205, 125, 30, 255});
    s.paint(s.circle(47, 33, 3), {255, 235, 150, 255});
}

} // namespace

std::shared_ptr<const TBitmap> drawnPicture(DrawnPicture what, int width, int height)
{
    static std::map<std::tuple<DrawnPicture, int, int>, std::shared_ptr<const TBitmap>> drawn;
    auto& picture = drawn[{what, width, height}];
    if (!picture) {
        Sketch s(width, height);
        switch (what) {
        case DrawnPicture::familyTree:
            drawFamilyTree(s);
            break;
        case DrawnPicture::butterfly:
            drawButterfly(s);
            break;
        case DrawnPicture::bumblebee:
            drawBumblebee(s);
            break;
        case DrawnPicture::flower:
            drawFlower(s);
            break;
        }
        picture = std::make_shared<const TBitmap>(s.bitmap());
    }
    return picture;
}
