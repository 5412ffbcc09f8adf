#pragma once
// The new identifier of the shown person; the caller checks what was typed.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TidChangeFORM : public TForm {
public:
    TidChangeFORM();
    ~TidChangeFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel idLB{this, "idLB"};
    TEdit idED{this, "idED"};
    TButton okBT{this, "okBT"};
    TButton stornoBT{this, "stornoBT"};
};

extern TidChangeFORM* idChangeFORM;
