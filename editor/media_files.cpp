// Pictures and files of the person editor on disk: the shrunk preview of a stored picture, a
// shown picture or a stored file saved where the person chooses, and what the person is told
// when a picture or a file cannot be taken in or written.
#include "editor/person_editor.h"
#include "model/media.h"
#include "model/portrait.h"
#include "system/exceptions.h"
#include "system/files.h"
#include "system/picture.h"
#include "toolkit/dialogs.h"

void PersonEditor::loadImageScaled(const std::string& fileName, TImage& image)
{
    try {
        TJPEGImage jpeg;
        jpeg.LoadFromFile(fileName);
        const FittedSize size = fitPreview(jpeg.Width(), jpeg.Height(), image.Height, image.Width);
        TBitmap shown(size.width, size.height);
        shown.StretchDraw(0, 0, size.width, size.height, jpeg.bitmap());
        image.Picture.Assign(shown);
    } catch (const Exception&) {
        // A stored copy that is missing or damaged shows an empty frame; the record, its name
        // and comment stay reachable.
        image.Picture.Clear();
    }
}

void PersonEditor::savePictureToDisk(const TPicture& picture)
{
    if (!window.SavePictureDialog1.Execute())
        return;
    const std::string target = window.SavePictureDialog1.FileName;
    const PictureFileKind kind = pictureFileKind(target);
    if (kind == PictureFileKind::Other || picture.Empty())
        return;
    try {
        if (kind == PictureFileKind::Bitmap) {
            TBitmap bitmap(picture.Width(), picture.Height());
            bitmap.Draw(0, 0, *picture.Bitmap);
            bitmap.SaveToFile(target);
        } else {
            TJPEGImage jpeg;
            jpeg.Assign(*picture.Bitmap);
            jpeg.SaveToFile(target);
        }
    } catch (const Exception&) {
        tellFileNotSaved(target);
    }
}

void PersonEditor::saveFileToDisk(const Soubor& file)
{
    if (!window.SaveSouborDialog1.Execute())
        return;
    const std::string target = window.SaveSouborDialog1.FileName;
    if (!copyFile(joinPath(port.workingFolderPath(), file.storedPath()), target, true))
        tellFileNotSaved(target);
}

void PersonEditor::tellPictureNotRead(const std::string& path)
{
    ShowMessage(langText("chyby", "obrazekNelzeNacist",
                         "Obrázek se nepodařilo načíst, soubor není čitelný obrázek:") +
                " " + path);
}

void PersonEditor::tellFileNotInserted(const std::string& path)
{
    ShowMessage(langText("chyby", "souborNelzeVlozit", "Soubor se nepodařilo vložit:") + " " + path);
}

void PersonEditor::tellFileNotSaved(const std::string& path)
{
    ShowMessage(langText("chyby", "souborNelzeUlozit", "Soubor se nepodařilo uložit:") + " " + path);
}
