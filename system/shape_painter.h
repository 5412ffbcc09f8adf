#pragma once
// Small drawings made of filled shapes, painted smoothly into a bitmap with a transparent
// background. Each shape is a signed distance (negative inside, in pixels), so edges are
// softened by one pixel and an outline is the band just inside the edge.
#include "system/bitmap.h"

#include <functional>
#include <vector>

struct Point2 {
    double x = 0, y = 0;
};

// Distance from a point to the shape's edge, negative inside.
using ShapeDistance = std::function<double(Point2)>;

ShapeDistance circleShape(Point2 centre, double radius);
// An ellipse with half-axes rx, ry, turned by `degrees` clockwise (y grows downwards).
ShapeDistance ellipseShape(Point2 centre, double rx, double ry, double degrees = 0);
// A stroke from a to b with round ends.
ShapeDistance strokeShape(Point2 a, Point2 b, double halfWidth);
// A closed polygon, corners in either order.
ShapeDistance polygonShape(std::vector<Point2> corners);
ShapeDistance unionShape(std::vector<ShapeDistance> parts);
ShapeDistance intersectShape(ShapeDistance a, ShapeDistance b);

class ShapePainter {
public:
    // Draws on a transparent bitmap of the given size.
    ShapePainter(int width, int height);

    // Paints `shape` in `fill`; a non-zero outline draws a band of that width in `outline`
    // along the inside of the edge. Later shapes cover earlier ones, honouring alpha.
    void paint(const ShapeDistance& shape, Rgba fill, double outlineWidth = 0, Rgba outline = {});

    const TBitmap& bitmap() const { return bitmap_; }

private:
    void blend(int x, int y, Rgba colour, double coverage);
    TBitmap bitmap_;
};
