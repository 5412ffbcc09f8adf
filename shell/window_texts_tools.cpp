// The texts of the search, text export, tolerance, wedding-anniversary, web export, group,
// GEDCOM import and bulk delete windows, as each layout names them but for the anniversary
// names, which are lines of a memo. The field names of the search serve the text export too, so
// one translation relabels a field in both.
#include "forms/co_exportovat_form.h"
#include "forms/co_v_html_form.h"
#include "forms/co_vyplnit_form.h"
#include "forms/hromadne_mazani_form.h"
#include "forms/import_form.h"
#include "forms/moje_skupiny_form.h"
#include "forms/naplnit_form.h"
#include "forms/nazev_skupiny_form.h"
#include "forms/nazvy_svateb_form.h"
#include "forms/spravce_skupin_form.h"
#include "forms/tolerance_form.h"
#include "shell/hlavni.h"
#include "shell/hledej_form.h"
#include "shell/window_texts.h"
#include "system/numbers.h"

namespace {

// The traditional names of the wedding anniversaries: every year up to 15, then every fifth.
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

void MainFrame::applySearchDialogTexts()
{
    WindowTexts(*this).applyIfMade(hledejFORM);
}

void MainFrame::applyTextExportDialogTexts()
{
    WindowTexts(*this).applyIfMade(coExportovatFORM);
}

void MainFrame::applyToleranceDialogTexts()
{
    WindowTexts(*this).applyIfMade(toleranceFORM);
}

void MainFrame::applyWeddingAnniversaryTexts()
{
    TnazvySvatebFORM* w = nazvySvatebFORM;
    if (!w)
        return;
    // Only the names are translated; the numbers are the lines' own, so a second language
    // gives the same 26 lines again.
    TStringList& lines = w->svatbyMEMO.Lines;
    lines.Clear();
    for (const WeddingAnniversary& a : kWeddingAnniversaries) {
        const std::string key = (a.years < 10 ? "0" : "") + intToStr(a.years) + "svatba";
        lines.Add(intToStr(a.years) + ". " + langText("nazvySvateb", key, a.name));
    }
}

void MainFrame::applyHtmlOptionsTexts()
{
    WindowTexts(*this).applyIfMade(coVHtmlFORM);
}

void MainFrame::applyGroupsDialogTexts()
{
    WindowTexts t(*this);
    t.applyIfMade(spravceSkupinFORM);
    t.applyIfMade(naplnitFORM);
    t.applyIfMade(mojeSkupinyFORM);
    t.applyIfMade(nazevSkupinyFORM);
    t.applyIfMade(coVyplnitFORM);
}

void MainFrame::applyGedcomImportTexts()
{
    WindowTexts(*this).applyIfMade(importFORM);
}

void MainFrame::applyBulkDeleteTexts()
{
    WindowTexts(*this).applyIfMade(hromadneMazaniFORM);
}
