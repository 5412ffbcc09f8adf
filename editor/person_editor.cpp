#include "editor/person_editor.h"

#include "model/text_source.h"

PersonEditor::PersonEditor(PersonEditorPort& frame, ThlavniForm& layout)
    : port(frame),
      window(layout),
      zakladniSheet(layout.zakladniSheet),
      dalsiSheet(layout.dalsiSheet),
      fotkySheet(layout.fotkySheet),
      dokumentySheet(layout.dokumentySheet),
      doplnujiciSheet(layout.doplnujiciSheet),
      settings(frame.programSettings()),
      personList(frame.personListPanel())
{
}

std::string PersonEditor::langText(const std::string& section, const std::string& key,
                                   const std::string& defaultText)
{
    return port.texts().langText(section, key, defaultText);
}

void PersonEditor::setShownPerson(Clovek* person)
{
    currentPerson = person;
    currentPhoto = currentDocument = currentFile = nullptr;
}

void PersonEditor::bindEvents()
{
    // The supplementary texts go first: memos are stored in the order added, the frame's own
    // general-tab memo before them.
    doplnujiciSheet.doplnujiciTextyMEMO.OnExit = [this] { doplnujiciTextyMEMOExit(); };
    port.addMemoToCommit(doplnujiciSheet.doplnujiciTextyMEMO);
    bindBasicPageEvents();
    bindLifePeriodEvents();
    bindPortraitEvents();
    bindFurtherPageEvents();
    bindMediaTabEvents();
    bindPersonCommandEvents();
    bindKinshipMenu();
    bindGroupEvents();
    // What the person typed into these memos is stored before the tree is saved or closed.
    for (TMemo* memo : {&dalsiSheet.matrikyMEMO, &fotkySheet.komentarFotoMEMO,
                        &dokumentySheet.komentarDokMEMO, &doplnujiciSheet.komentarSouborMEMO})
        port.addMemoToCommit(*memo);
}
