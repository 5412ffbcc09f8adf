#pragma once
// What the main window's frame asks of the person editor it owns (editor/person_editor.h): the
// person shown, showing another, the person pages' fills, the heading and the groups box; and,
// as the editor of every tree it opens, the undo history's replay (model/editor_port.h). The
// frame names nothing else of the editor, so the frame builds without it.
#include "model/editor_port.h"

#include <string>

class Clovek;
class TTabSheet;

class PersonEditorPart : public EditorPort {
public:
    // Wires the handlers of the editor's pages and menus, once every control exists.
    virtual void bindEvents() = 0;

    // The person the editor shows, or none. Belongs to the tree.
    virtual Clovek* shownPerson() = 0;
    // Takes the person as the one shown without showing it (none when the tree goes), and drops
    // the media records shown.
    virtual void setShownPerson(Clovek* person) = 0;
    // Makes the person the shown one: a person page becomes the active one, is filled, the visit
    // is recorded, the heading follows and the list is repainted.
    virtual void showPerson(Clovek* person) = 0;
    // Fills one of the person's pages from the shown person (the basic-data page's is
    // `showBasicPage`); any other page is left alone.
    virtual void showPersonPage(TTabSheet* page) = 0;
    // The heading above the pages, and the note naming the shown person's pages that hold
    // something.
    virtual void updateHeading() = 0;
    virtual void updateTabContentsLabel() = 0;
    // Whether a memo whose changes are undo steps holds typing that is stored only when the
    // memo is left: the undo command stores it and takes it back, and nothing older can be
    // redone over it.
    virtual bool holdsUnstoredTyping() const = 0;
    // Refills the groups box (the all-persons entry first, then the tree's groups) and selects
    // `groupName` (empty: the all-persons entry).
    virtual void fillGroupsCombo(const std::string& groupName) = 0;
};
