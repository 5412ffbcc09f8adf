#pragma once
// What the person list (shell/person_list_panel.h) reaches of the main window: the open tree,
// the settings, the person shown and how to show another, the texts, and the few things the
// frame does for it in general terms; beside them the window's controls the list answers. The
// frame (shell/hlavni.h) implements the port; the list builds without the frame.
#include "toolkit/window_text.h"

#include <functional>
#include <string>

class Rod;
class Clovek;
class TextSource;
class TButton;
class TCheckBox;
class TComboBox;
class TDrawGrid;
class TForm;
class TGroupBox;
class TPopupMenu;
class TRadioGroup;
class TScrollBar;
class TSplitter;
struct Nastaveni;

class PersonListPort {
public:
    virtual ~PersonListPort() = default;

    // The open tree, or none.
    virtual Rod* currentTree() = 0;
    // The person the editor shows, or none. Belongs to the tree.
    virtual Clovek* shownPerson() = 0;
    // Makes the person the one shown: its page filled, its visit recorded, the list repainted.
    virtual void showPerson(Clovek* person) = 0;
    virtual Nastaveni& programSettings() = 0;
    // The texts of the language file loaded at the moment.
    virtual TextSource& texts() = 0;
    // The list's display options changed what a person's caption shows: the heading above the
    // pages, and the active page, show the person again.
    virtual void updateHeading() = 0;
    virtual void refreshPage() = 0;

    // How many pixels the window may still grow on the screen, frame and all: across and down.
    virtual int roomToWiden() = 0;
    virtual int roomToHeighten() = 0;
    // The window grown with its list by `dx` across (what stands right of the list moves with
    // the window's right edge) or by `dy` down (the pages beside the list grow with it and the
    // status bar moves down).
    virtual void widenBesideList(int dx) = 0;
    virtual void heightenBesideList(int dy) = 0;
};

// The main window's controls that belong to the person list.
struct PersonListControls {
    // The window, for its keys and its mouse wheel, which move the selection wherever the focus
    // is.
    TForm& window;
    // The grid the rows are painted into (one cell) and its scroll bar.
    TDrawGrid& scrolling;
    TScrollBar& scrollingBar;
    // The splitter right of the bar that widens the list.
    TSplitter& listSplitter;
    // The sort key, the sort direction and the display options.
    TRadioGroup& setrid;
    TButton& trideniBT;
    // The direction button's text for either direction, as the layout names it.
    std::function<WindowTextList(bool ascending)> sortDirectionTexts;
    TGroupBox& zobrazovatGroupBox;
    TCheckBox& zobrazitCislo;
    TCheckBox& zobrazitNarozeni;
    TCheckBox& zobrazitProcenta;
    TCheckBox& zobrazitRodne;
    // The groups combo above the list widens with it; what it chooses is the editor's affair.
    TComboBox& skupinyCB;
    // The person menu that a right click on a row pops up.
    TPopupMenu& osobaPopup;
};
