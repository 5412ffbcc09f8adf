#pragma once
// What the main window's commands use of the window: the open tree, the settings, the person
// shown, the program's folders and texts, a question to ask, and the few steps of the frame they
// build on. The frame (shell/hlavni.h) implements it; the report and GEDCOM commands reach the
// window only through it and through the controls they are handed, so they build without the
// frame and the frame names none of them. Messages go through ShowMessage (toolkit/dialogs.h).
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Rod;
class Clovek;
class TextSource;
class TMenuItem;
class TTabSheet;
struct Nastaveni;

class MainWindowPort {
public:
    virtual ~MainWindowPort() = default;

    // The open tree, or none.
    virtual Rod* currentTree() = 0;
    // The person the editor shows, or none. Belongs to the tree.
    virtual Clovek* shownPerson() = 0;
    virtual Nastaveni& programSettings() = 0;
    // Folder of the executable, ending with "/"; this running copy's own folder below it.
    virtual std::string programFolderPath() = 0;
    virtual std::string workingFolderPath() = 0;
    // The texts of the language file loaded at the moment.
    virtual TextSource& texts() = 0;
    // The yes/no question: true on yes; Esc answers no.
    virtual bool askYesNo(const std::string& question) = 0;

    // A page composed from the open tree alone: shown while a tree is open; `fill` runs when the
    // page becomes active, and while it is shown when the window changes state or the language
    // changes.
    virtual void addTreePage(TTabSheet& page, std::function<void()> fill) = 0;
    // A menu item enabled only while the open tree has persons.
    virtual void addItemNeedingPersons(TMenuItem& item) = 0;

    // Whether the open tree has its person list (it has from its open to its close).
    virtual bool hasPersonList() = 0;
    // Runs `use` with the persons the list shows, in name order; the list shows its chosen
    // order again afterwards, also when `use` raises.
    virtual void withListedPersonsByName(const std::function<void(const std::vector<Clovek*>&)>& use) = 0;

    // The tree command "Zavřít": the open tree closed, first asking whether to save it.
    virtual void closeTreeAskingToSave() = 0;
    // A tree read from elsewhere (no tree may be open) made the open one with the steps of an
    // open, and the person list given the focus.
    virtual void installImportedTree(std::unique_ptr<Rod> imported) = 0;

    // The wait window around long operations (WaitShown of shell/wait_window.h shows it for a
    // scope).
    virtual void showWaitWindow() = 0;
    virtual void hideWaitWindow() = 0;
};
