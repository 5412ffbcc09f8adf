#include "model/portrait.h"

#include <cmath>

namespace {

int wholePixels(double v)
{
    // NaN or anything below one pixel gives 1; nothing beyond the int range is produced either,
    // since the result never exceeds the source size.
    if (!(v >= 1.0))
        return 1;
    return static_cast<int>(std::trunc(v));
}

} // namespace

FittedSize fitIntoFrame(int width, int height, int maxHeight, int maxWidth)
{
    double h = height;
    double w = width;
    if (maxHeight < h) {
        w = w / (h / maxHeight);
        h = maxHeight;
    }
    if (maxWidth < w) {
        h = h / (w / maxWidth);
        w = maxWidth;
    }
    return {wholePixels(w), wholePixels(h)};
}

FittedSize fitPreview(int width, int height, int maxHeight, int maxWidth)
{
    double h = height;
    double w = width;
    if (maxHeight < h) {
        w = std::trunc(w / (h / maxHeight));
        h = maxHeight;
    }
    if (maxWidth < w) {
        h = std::trunc(h / (w / maxWidth));
        w = maxWidth;
    }
    return {wholePixels(w), wholePixels(h)};
}
