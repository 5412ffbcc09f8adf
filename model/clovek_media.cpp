// A person's links to the media records and its portrait.
#include "model/clovek.h"
#include "model/media.h"
#include "model/media_names.h"
#include "model/portrait.h"
#include "system/exceptions.h"
#include "system/files.h"
#include "system/jpeg.h"

namespace {

void storePortrait(const TBitmap& picture, const std::string& target, int maxHeight, int maxWidth)
{
    if (picture.Empty())
        throw EInvalidGraphic("Empty picture");
    const FittedSize size = fitIntoFrame(picture.Width(), picture.Height(), maxHeight, maxWidth);
    TBitmap fitted(size.width, size.height);
    fitted.StretchDraw(0, 0, size.width, size.height, picture);
    TJPEGImage jpeg;
    jpeg.Assign(fitted);
    jpeg.SaveToFile(target);
}

} // namespace

bool Clovek::hasPhoto(const Fotka* photo) const
{
    return findMediaEntry<UkFotka>(photos, photo) != nullptr;
}

bool Clovek::hasDocument(const Dokument* document) const
{
    return findMediaEntry<UkDokument>(documents, document) != nullptr;
}

bool Clovek::hasFile(const Soubor* file) const
{
    return findMediaEntry<UkSoubor>(files, file) != nullptr;
}

void Clovek::removePhoto(const Fotka* photo)
{
    photos.remove(findMediaEntry<UkFotka>(photos, photo));
}

void Clovek::removeDocument(const Dokument* document)
{
    documents.remove(findMediaEntry<UkDokument>(documents, document));
}

void Clovek::removeFile(const Soubor* file)
{
    files.remove(findMediaEntry<UkSoubor>(files, file));
}

void Clovek::importPortraitJpeg(const std::string& source, const std::string& folder, int maxHeight,
                                int maxWidth)
{
    TJPEGImage jpeg;
    jpeg.LoadFromFile(source);
    storePortrait(jpeg.bitmap(), joinPath(folder, portraitFileName(number)), maxHeight, maxWidth);
    hasPortrait = 1;
}

void Clovek::importPortraitBitmap(const std::string& source, const std::string& folder, int maxHeight,
                                  int maxWidth)
{
    TBitmap bitmap;
    bitmap.LoadFromFile(source);
    storePortrait(bitmap, joinPath(folder, portraitFileName(number)), maxHeight, maxWidth);
    hasPortrait = 1;
}
