#include "platform/graphic.h"

TPixelGraphic::TPixelGraphic(int width, int height, std::uint32_t fill)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill)
{
}
