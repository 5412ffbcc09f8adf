#pragma once
// What a canvas can draw and an image can show: a picture as pixels. Picture classes (bitmaps,
// JPEG images) derive from TGraphic; the renderer hands the pixels to the screen as they are.
#include <cstdint>
#include <memory>
#include <vector>

class TGraphic {
public:
    virtual ~TGraphic() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Width x Height pixels as 0x00RRGGBB, rows top to bottom; empty when there is no picture.
    virtual const std::vector<std::uint32_t>& pixels() const = 0;
    bool Empty() const { return Width() <= 0 || Height() <= 0; }
};

// The simplest graphic: pixels held in memory. Tests and the renderer use it directly.
class TPixelGraphic : public TGraphic {
public:
    TPixelGraphic() = default;
    TPixelGraphic(int width, int height, std::uint32_t fill = 0);
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    const std::vector<std::uint32_t>& pixels() const override { return pixels_; }
    std::vector<std::uint32_t>& pixels() { return pixels_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// The picture of an image or a button: one graphic or none, shared with whoever loaded it.
struct TPicture {
    std::shared_ptr<const TGraphic> Graphic;
    int Width() const { return Graphic ? Graphic->Width() : 0; }
    int Height() const { return Graphic ? Graphic->Height() : 0; }
    bool Empty() const { return !Graphic || Graphic->Empty(); }
    void Assign(std::shared_ptr<const TGraphic> graphic) { Graphic = std::move(graphic); }
    void Clear() { Graphic.reset(); }
};
