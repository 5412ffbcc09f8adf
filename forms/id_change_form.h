#pragma once
// The new identifier of the shown person; the caller checks what was typed.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"

class TidChangeFORM : public TForm {
public:
    TidChangeFORM();
    ~TidChangeFORM() override;

    TLabel idLB{this, "idLB"};
    TEdit idED{this, "idED"};
    TButton okBT{this, "okBT"};
    TButton stornoBT{this, "stornoBT"};
};

extern TidChangeFORM* idChangeFORM;
