#pragma once
// The relatives a kinship query found: a heading (wrapped), the relationship and the count (set by the
// caller), the sorted list and how to use it. A double-click gives 1, back or Esc 2; no close box.
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TpribuzniFORM : public TForm {
public:
    TpribuzniFORM();
    ~TpribuzniFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();
    // The heading's text, looked up each time the window shows; the person's name follows it.
    WindowTextList headingTexts();
    // The heading with the person, in as many lines as it takes; the window grows by them.
    void setHeading(const std::string& heading);

    TLabel nadpisLB{this, "nadpisLB"};
    TLabel vztahLB{this, "vztahLB"};
    TLabel pocetLB{this, "pocetLB"};
    TListBox osobyLIST{this, "osobyLIST"};
    TLabel poklepanimLB{this, "poklepanimLB"};
    TButton zpetBT{this, "zpetBT"};

    // Handlers, defined and bound by the shell (shell/pick_lists.cpp).
    void osobyLISTDblClick();

private:
    static constexpr int lineWidth = 344;
    static constexpr int lineHeight = 13;
    void placeControls(int headingHeight);
};

extern TpribuzniFORM* pribuzniFORM;
