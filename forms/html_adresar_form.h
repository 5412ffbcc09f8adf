#pragma once
// The name of the subfolder the web export creates in the chosen location (shown above the
// name). OK gives 1, Storno 2.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class ThtmlAdresarFORM : public TForm {
public:
    ThtmlAdresarFORM();
    ~ThtmlAdresarFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel zadejteLB{this, "zadejteLB"};
    TLabel dirnameLB{this, "dirnameLB"};
    TEdit dirNameED{this, "dirNameED"};
    TButton Button1{this, "Button1"};
    TButton stornoBT{this, "stornoBT"};
};

extern ThtmlAdresarFORM* htmlAdresarFORM;
