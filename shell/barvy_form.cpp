#include "shell/barvy_form.h"

#include "forms/global_window.h"
#include "shell/settings.h"

TbarvyFORM* barvyFORM = nullptr;

TbarvyFORM::TbarvyFORM()
{
    claimGlobalWindow(barvyFORM, this);
    aktivniBT.OnClick = [this] { aktivniBTClick(); };
    rodiceBT.OnClick = [this] { rodiceBTClick(); };
    detiBT.OnClick = [this] { detiBTClick(); };
    partneriBT.OnClick = [this] { partneriBTClick(); };
    sourozenciBT.OnClick = [this] { sourozenciBTClick(); };
    puvodniBT.OnClick = [this] { puvodniBTClick(); };
}

TbarvyFORM::~TbarvyFORM()
{
    releaseGlobalWindow(barvyFORM, this);
}

void TbarvyFORM::pickColour(TLabel& sample)
{
    ColorDialog1.Color = sample.Font.Color;
    if (ColorDialog1.Execute())
        sample.Font.Color = ColorDialog1.Color;
}

void TbarvyFORM::aktivniBTClick()
{
    pickColour(aktivniLB);
}

void TbarvyFORM::rodiceBTClick()
{
    pickColour(rodiceLB);
}

void TbarvyFORM::detiBTClick()
{
    pickColour(detiLB);
}

void TbarvyFORM::partneriBTClick()
{
    pickColour(partneriLB);
}

void TbarvyFORM::sourozenciBTClick()
{
    pickColour(sourozenciLB);
}

void TbarvyFORM::puvodniBTClick()
{
    aktivniLB.Font.Color = kDefaultColourActive;
    rodiceLB.Font.Color = kDefaultColourParents;
    detiLB.Font.Color = kDefaultColourChildren;
    partneriLB.Font.Color = kDefaultColourPartners;
    sourozenciLB.Font.Color = kDefaultColourSiblings;
}
