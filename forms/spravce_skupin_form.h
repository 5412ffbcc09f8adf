#pragma once
// The group manager: the tree's groups, every person ticked when a member of the selected group,
// and the commands on groups and members. OK gives 1.
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TspravceSkupinFORM : public TForm {
public:
    TspravceSkupinFORM();
    ~TspravceSkupinFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel skupinyLB{this, "skupinyLB"};
    TListBox skupinyLIST{this, "skupinyLIST"};
    TLabel clenoveLB{this, "clenoveLB"};
    TCheckListBox clenoveLIST{this, "clenoveLIST"};
    TButton vytvoritBT{this, "vytvoritBT"};
    TButton zkopirovatBT{this, "zkopirovatBT"};
    TButton prejmenovatBT{this, "prejmenovatBT"};
    TButton smazatBT{this, "smazatBT"};
    TButton vyprazdnitBT{this, "vyprazdnitBT"};
    TButton invertovatBT{this, "invertovatBT"};
    TButton naplnitBT{this, "naplnitBT"};
    TButton hromadneBT{this, "hromadneBT"};
    TButton predciBT{this, "predciBT"};
    TButton detiBT{this, "detiBT"};
    TButton partneriBT{this, "partneriBT"};
    TButton sourozenciBT{this, "sourozenciBT"};
    TButton OkBT{this, "OkBT"};
};

extern TspravceSkupinFORM* spravceSkupinFORM;
