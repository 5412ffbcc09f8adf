#pragma once
// Bulk fill: the group (or every person) and the field that one text goes into. Zpět gives 1.
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"

class ThromadneFORM : public TForm {
public:
    ThromadneFORM();
    ~ThromadneFORM() override;

    TLabel skupinyLB{this, "skupinyLB"};
    TListBox skupinyLIST{this, "skupinyLIST"};
    TLabel coVyplnitLB{this, "coVyplnitLB"};
    TButton mistoNarozeniBT{this, "mistoNarozeniBT"};
    TButton mistoUmrtiBT{this, "mistoUmrtiBT"};
    TButton mistoPohrbeni{this, "mistoPohrbeni"};
    TButton bydlisteBT{this, "bydlisteBT"};
    TButton vzdelaniBT{this, "vzdelaniBT"};
    TButton povolaniBT{this, "povolaniBT"};
    TButton vyznaniBT{this, "vyznaniBT"};
    TButton narodnostBT{this, "narodnostBT"};
    TButton statniPrislusnostBT{this, "statniPrislusnostBT"};
    TButton zpetBT{this, "zpetBT"};
};

extern ThromadneFORM* hromadneFORM;
