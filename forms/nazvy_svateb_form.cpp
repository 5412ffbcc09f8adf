#include "forms/nazvy_svateb_form.h"

#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

#include <string>

TnazvySvatebFORM* nazvySvatebFORM = nullptr;

namespace {

struct WeddingAnniversary {
    int years;
    const char* name;
};
constexpr WeddingAnniversary kWeddingAnniversaries[] = {
    {1, "bavlněná"},     {2, "papírová"},  {3, "kožená"},      {4, "květinová"},    {5, "dřevěná"},
    {6, "železná"},      {7, "vlněná"},    {8, "bronzová"},    {9, "měděná"},       {10, "cínová"},
    {11, "ocelová"},     {12, "hedvábná"}, {13, "krajková"},   {14, "slonovinová"}, {15, "křišťálová"},
    {20, "porcelánová"}, {25, "stříbrná"}, {30, "perlová"},    {35, "korálová"},    {40, "rubínová"},
    {45, "safírová"},    {50, "zlatá"},    {55, "smaragdová"}, {60, "diamantová"},  {65, "kamenná"},
    {70, "platinová"},
};

} // namespace

TnazvySvatebFORM::TnazvySvatebFORM() : TForm("nazvySvatebFORM")
{
    claimGlobalWindow(nazvySvatebFORM, this);
    showCzechTexts(texts());
    Caption = "Názvy svateb";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 300, 360);
    svatbyMEMO.SetBounds(8, 8, 284, 310);
    svatbyMEMO.ReadOnly = true;
    svatbyMEMO.ScrollBars = TMemo::ssVertical;
    placeOkButton(OKBtn, 110, 326, 80);
}

TnazvySvatebFORM::~TnazvySvatebFORM()
{
    releaseGlobalWindow(nazvySvatebFORM, this);
}

WindowTextList TnazvySvatebFORM::texts()
{
    WindowTextList list{"nazvySvateb", {}};
    int line = 0;
    for (const WeddingAnniversary& a : kWeddingAnniversaries) {
        const std::string years = std::to_string(a.years);
        list.texts.push_back(WindowText::line(svatbyMEMO.Lines, line++, years + ". ",
                                              (a.years < 10 ? "0" : "") + years + "svatba", a.name));
    }
    return list;
}
