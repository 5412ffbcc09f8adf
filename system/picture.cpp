#include "system/picture.h"

#include "system/exceptions.h"
#include "system/text.h"

std::string pictureExtension(const std::string& path)
{
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return lowerCase(path.substr(dot + 1));
}

TBitmap loadPictureFile(const std::string& path)
{
    const std::string ext = pictureExtension(path);
    if (ext == "jpg" || ext == "jpeg") {
        TJPEGImage jpeg;
        jpeg.LoadFromFile(path);
        return jpeg.bitmap();
    }
    if (ext == "bmp") {
        TBitmap bitmap;
        bitmap.LoadFromFile(path);
        return bitmap;
    }
    throw EInvalidGraphic("Unknown picture file extension \"" + ext + "\"");
}
