// The portrait frame of the basic-data page: the shown person's stored portrait or the grey
// placeholder, with the insert button saying whether it inserts or changes.
#include "editor/person_editor.h"
#include "model/clovek.h"
#include "model/media_names.h"
#include "shell/window_texts.h"
#include "system/exceptions.h"
#include "system/files.h"
#include "system/picture.h"

void PersonEditor::showPortrait()
{
    ZakladniSheet& s = zakladniSheet;
    const bool has = currentPerson && currentPerson->hasPortrait;
    s.hlavaIMG.Picture.Clear();
    if (has) {
        try {
            s.hlavaIMG.Picture.Assign(
                loadPictureFile(joinPath(port.workingFolderPath(), portraitFileName(currentPerson->number))));
        } catch (const Exception&) {
            // A copy that is missing or damaged shows an empty frame: showing a person must not
            // stop at a picture. The flag stays, so saving keeps telling the person about it.
        }
    }
    WindowTexts(texts()).apply(s.portraitButtonTexts(has));
    s.hlavaIMG.Visible = has;
    s.hlavaSedivaIMG.Visible = !has;
    s.odeberHlavaBT.Enabled = has;
    s.ulozHlavaBT.Enabled = has;
}
