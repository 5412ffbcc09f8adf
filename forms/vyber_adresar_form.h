#pragma once
// Choice of the folder that receives the generated web pages: a starting point (the root or the
// home folder), the path of the highlighted folder, where a person may type one, and a folder
// list that shows the path from "/" down to the folder being looked at, then that folder's
// subfolders. A double-click or Enter enters the highlighted folder, Enter in the path the typed
// one; letters typed in the list find a folder by its name. OK gives 1, Storno 2.
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

#include <string>
#include <vector>

class TvyberAdresarFORM : public TForm {
public:
    TvyberAdresarFORM();
    ~TvyberAdresarFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel pokynLB{this, "pokynLB"};
    TComboBox DriveComboBox1{this, "DriveComboBox1"};
    TEdit cestaED{this, "cestaED"};
    TListBox Adresar{this, "Adresar"};
    TButton Button1{this, "Button1"};
    TButton stornoBT{this, "stornoBT"};

    // Offers "/" and `home` as starting points and shows `folder` (when it is gone, the nearest
    // folder above it that still exists), its line selected.
    void showFolder(const std::string& folder, const std::string& home);
    // The folder shown, whose subfolders the list holds.
    const std::string& currentFolder() const { return current_; }
    // The full path of the highlighted line; empty when none is.
    std::string chosenFolder() const;

    void DriveComboBox1Change();
    void AdresarDblClick();
    void AdresarClick();
    void AdresarKeyDown(int& key, TShiftState shift);
    void cestaEDKeyDown(int& key, TShiftState shift);

private:
    void fill(const std::string& folder);
    std::string current_;
    // The full path of every line of the list, in its order.
    std::vector<std::string> paths_;
};

extern TvyberAdresarFORM* vyberAdresarFORM;
