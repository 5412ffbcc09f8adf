#include "model/media.h"

#include "model/media_names.h"
#include "system/picture.h"

namespace {

std::string pictureText(const MediaRecord& r, int mode, const char* error)
{
    switch (mode) {
    case 0:
        return r.name + " " + r.year;
    case 1:
        return r.year + " " + r.name;
    default:
        return error;
    }
}

} // namespace

std::string Fotka::GetString(int mode) const
{
    return pictureText(*this, mode, "error: Fotka::GetString");
}

std::string Fotka::storedPath() const
{
    return photoFileName(number);
}

std::string Dokument::GetString(int mode) const
{
    return pictureText(*this, mode, "error: Dokument::GetString");
}

std::string Dokument::storedPath() const
{
    return documentFileName(number);
}

std::string Soubor::GetString(int mode) const
{
    switch (mode) {
    case 0:
        return name + " " + year + " (" + type + ")";
    case 1:
        return year + " " + name + " (" + type + ")";
    case 2:
        return type + " - " + name + " " + year;
    default:
        return "chyba: Soubor::GetString";
    }
}

std::string Soubor::storedFileName() const
{
    return attachedFileStoredName(number, type);
}

std::string Soubor::storedPath() const
{
    return attachedFileName(number, type);
}

PictureFileKind pictureFileKind(const std::string& path)
{
    const std::string ext = pictureExtension(path);
    if (ext == "bmp")
        return PictureFileKind::Bitmap;
    if (ext == "jpg" || ext == "jpeg")
        return PictureFileKind::Jpeg;
    return PictureFileKind::Other;
}
