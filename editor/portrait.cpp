// The portrait buttons of the basic-data page: insert or change (a JPEG or BMP file shrunk to
// the frame), save elsewhere, and remove.
#include "editor/person_editor.h"
#include "model/clovek.h"
#include "model/media.h"
#include "model/media_names.h"
#include "model/rod.h"
#include "system/exceptions.h"
#include "system/files.h"
#include "toolkit/dialogs.h"

void PersonEditor::vlozHlavaBTClick()
{
    if (!tree() || !currentPerson)
        return;
    Clovek& person = *currentPerson;
    if (person.hasPortrait &&
        !askYesNo(langText("otazky", "zmenitFotografii", "Přejete si opravdu změnit fotografii?")))
        return;
    if (!window.OpenPictureDialog1.Execute())
        return;
    const std::string source = window.OpenPictureDialog1.FileName;
    const PictureFileKind kind = pictureFileKind(source);
    if (kind == PictureFileKind::Other)
        return;
    TImage& frame = zakladniSheet.hlavaIMG;
    const bool changing = person.hasPortrait != 0;
    try {
        if (kind == PictureFileKind::Bitmap)
            person.importPortraitBitmap(source, port.workingFolderPath(), frame.Height, frame.Width);
        else
            person.importPortraitJpeg(source, port.workingFolderPath(), frame.Height, frame.Width);
    } catch (const Exception&) {
        // The import reads the whole picture before it writes anything, so the person keeps
        // the portrait they had.
        tellPictureNotRead(source);
        return;
    }
    // Undoing an insertion removes the picture; a changed portrait has overwritten the earlier
    // one, so no step could bring that back, and an undo would leave the person without any:
    // the change ends the history, as a removal does.
    if (changing)
        port.clearChangeHistory();
    else
        tree()->recordFlagChange(&person, "hlava", 0, 1);
    showPortrait();
}

void PersonEditor::ulozHlavaBTClick()
{
    savePictureToDisk(zakladniSheet.hlavaIMG.Picture);
}

void PersonEditor::odeberHlavaBTClick()
{
    if (!currentPerson)
        return;
    if (!askYesNo(langText("otazky", "odstranitFotografii", "Přejete si opravdu odstranit tuto fotografii?")))
        return;
    currentPerson->hasPortrait = 0;
    deleteFile(joinPath(port.workingFolderPath(), portraitFileName(currentPerson->number)));
    showPortrait();
    // An inserted portrait is undone by removing it; after a removal that step would remove
    // nothing, and no step can bring the removed picture back.
    port.clearChangeHistory();
}

void PersonEditor::bindPortraitEvents()
{
    ZakladniSheet& z = zakladniSheet;
    z.vlozHlavaBT.OnClick = [this] { vlozHlavaBTClick(); };
    z.ulozHlavaBT.OnClick = [this] { ulozHlavaBTClick(); };
    z.odeberHlavaBT.OnClick = [this] { odeberHlavaBTClick(); };
}
