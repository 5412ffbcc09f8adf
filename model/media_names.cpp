#include "model/media_names.h"

#include "system/text.h"

std::string portraitFileName(int personNumber)
{
    return std::string(portraitSubfolder) + "hlava" + std::to_string(personNumber) + ".jpg";
}

std::string photoFileName(int number)
{
    return std::string(photoSubfolder) + "foto" + std::to_string(number) + ".jpg";
}

std::string documentFileName(int number)
{
    return std::string(documentSubfolder) + "dokument" + std::to_string(number) + ".jpg";
}

std::string attachedFileStoredName(int number, std::string_view type)
{
    std::string name = "soubor" + std::to_string(number);
    if (isSafeFileType(type))
        name += "." + std::string(type);
    return name;
}

std::string attachedFileName(int number, std::string_view type)
{
    return std::string(fileSubfolder) + attachedFileStoredName(number, type);
}

bool isSafeFileType(std::string_view type)
{
    if (type.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos)
        return false;
    if (type.find("..") != std::string_view::npos)
        return false;
    size_t pos = 0;
    while (pos < type.size()) {
        char32_t c = nextCodePoint(type, pos);
        if (isLetter(c) || isDigitChar(c))
            return true;
    }
    return false;
}
