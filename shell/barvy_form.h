#pragma once
// The relationship-colours dialog. The colours command puts the five colours of the settings
// into the sample labels before showing it and takes them back when it ends with OK.
#include "forms/barvy_form.h"

class TbarvyFORM : public TbarvyFORMLayout {
public:
    TbarvyFORM();
    ~TbarvyFORM() override;

    // Each opens the colour picker on its sample's colour; a confirmed colour becomes the
    // sample's, a cancelled pick changes nothing.
    void aktivniBTClick();
    void rodiceBTClick();
    void detiBTClick();
    void partneriBTClick();
    void sourozenciBTClick();
    // Back to the built-in colours.
    void puvodniBTClick();

private:
    void pickColour(TLabel& sample);
};

// The one colours dialog of the program (the first one made).
extern TbarvyFORM* barvyFORM;
