// Every dialog window: it claims its global pointer for its life and ends with the results its
// callers act on. (That no control sticks out or covers another is checked on the program.)
#include "forms/co_exportovat_form.h"
#include "forms/co_v_html_form.h"
#include "forms/co_vyplnit_form.h"
#include "forms/easter_egg_form.h"
#include "forms/hromadne_form.h"
#include "forms/hromadne_mazani_form.h"
#include "forms/html_adresar_form.h"
#include "forms/jak_seznam_form.h"
#include "forms/moje_skupiny_form.h"
#include "forms/naplnit_form.h"
#include "forms/nazev_skupiny_form.h"
#include "forms/o_programu_form.h"
#include "forms/pribuzni_form.h"
#include "forms/shrnuti_svatby_form.h"
#include "forms/spravce_skupin_form.h"
#include "forms/text_form.h"
#include "forms/vyber_adresar_form.h"
#include "forms/vyber_dite_form.h"
#include "forms/vyber_dokumentu_form.h"
#include "forms/vyber_fotek_form.h"
#include "forms/vyber_partnera_form.h"
#include "forms/vyber_souboru_form.h"
#include "forms/vyhledano_form.h"
#include "forms/vymaz_foto_form.h"
#include "layout_checks.h"
#include "toolkit/application.h"
#include "toolkit/lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Window {
    std::string name;
    std::function<std::unique_ptr<TForm>()> make;
    std::function<TForm*()> global;
};

template<class T> Window window(const char* name, T*& global)
{
    return {name, [] { return std::make_unique<T>(); }, [&global] { return static_cast<TForm*>(global); }};
}

std::vector<Window> dialogs()
{
    return {
        window("oProgramu", oProgramu),
        window("vyberPartnera", vyberPartnera),
        window("vyberDiteFORM", vyberDiteFORM),
        window("ShrnutiSvatbyFORM", ShrnutiSvatbyFORM),
        window("pribuzniFORM", pribuzniFORM),
        window("vyhledanoFORM", vyhledanoFORM),
        window("JakSeznamFORM", JakSeznamFORM),
        window("textFORM", textFORM),
        window("VymazFotoFORM", VymazFotoFORM),
        window("vyberFotekFORM", vyberFotekFORM),
        window("vyberDokumentuFORM", vyberDokumentuFORM),
        window("vyberSouboruFORM", vyberSouboruFORM),
        window("easterEggFORM", easterEggFORM),
        window("vyberAdresarFORM", vyberAdresarFORM),
        window("htmlAdresarFORM", htmlAdresarFORM),
        window("coExportovatFORM", coExportovatFORM),
        window("spravceSkupinFORM", spravceSkupinFORM),
        window("mojeSkupinyFORM", mojeSkupinyFORM),
        window("nazevSkupinyFORM", nazevSkupinyFORM),
        window("naplnitFORM", naplnitFORM),
        window("hromadneFORM", hromadneFORM),
        window("coVyplnitFORM", coVyplnitFORM),
        window("coVHtmlFORM", coVHtmlFORM),
        window("hromadneMazaniFORM", hromadneMazaniFORM),
    };
}

} // namespace

TEST(DialogForms, EachClaimsItsPointerForItsLife)
{
    for (const Window& w : dialogs()) {
        SCOPED_TRACE(w.name);
        Application.reset();
        {
            auto form = w.make();
            EXPECT_EQ(form->Name, w.name);
            EXPECT_EQ(w.global(), form.get());
            EXPECT_FALSE(form->Caption.empty());
            EXPECT_EQ(form->Position, TPosition::poScreenCenter);
            // A second instance, as a test may make, leaves the pointer with the first.
            auto second = w.make();
            EXPECT_EQ(w.global(), form.get());
        }
        EXPECT_EQ(w.global(), nullptr);
    }
}

TEST(DialogForms, ButtonsEndWithTheResultsTheirCallersActOn)
{
    struct Expect {
        const char* window;
        const char* button;
        int result;
        bool isDefault;
        bool isCancel;
    };
    const Expect expected[] = {
        {"oProgramu", "Button1", mrOk, true, true},
        // The partner choice has neither an Enter nor an Esc button.
        {"vyberPartnera", "Button1", mrOk, false, false},
        {"vyberPartnera", "vytvorNovehoBT", mrYes, false, false},
        {"vyberDiteFORM", "zpetBT", mrCancel, false, false},
        {"ShrnutiSvatbyFORM", "zpetBT", mrOk, false, false},
        {"pribuzniFORM", "zpetBT", mrCancel, false, true},
        {"vyhledanoFORM", "zpetBT", mrCancel, false, false},
        {"JakSeznamFORM", "OkBT", mrNone, false, false},
        {"JakSeznamFORM", "StornoBT", mrCancel, false, false},
        {"textFORM", "zavritBT", mrCancel, false, false},
        {"VymazFotoFORM", "OdstranBT", mrYes, false, false},
        {"VymazFotoFORM", "VymazBT", mrNo, false, false},
        {"vyberFotekFORM", "zpetBT", mrOk, false, false},
        {"vyberDokumentuFORM", "zpetBT", mrOk, false, false},
        {"vyberSouboruFORM", "zpetBT", mrOk, false, false},
        {"easterEggFORM", "okBT", mrNone, true, false},
        {"easterEggFORM", "konecBT", mrAbort, false, false},
        {"vyberAdresarFORM", "Button1", mrOk, true, false},
        {"vyberAdresarFORM", "stornoBT", mrCancel, false, true},
        {"htmlAdresarFORM", "Button1", mrOk, true, false},
        {"htmlAdresarFORM", "stornoBT", mrCancel, false, true},
        {"coExportovatFORM", "okBT", mrOk, true, false},
        {"coExportovatFORM", "stornoBT", mrCancel, false, true},
        {"spravceSkupinFORM", "OkBT", mrOk, true, false},
        {"mojeSkupinyFORM", "OkBT", mrOk, true, false},
        {"nazevSkupinyFORM", "OKBtn", mrOk, true, false},
        {"nazevSkupinyFORM", "StornoBT", mrCancel, false, true},
        {"naplnitFORM", "zpetBT", mrOk, true, false},
        {"hromadneFORM", "zpetBT", mrOk, true, false},
        {"coVyplnitFORM", "OKBtn", mrOk, true, false},
        {"coVyplnitFORM", "stornoBT", mrCancel, false, true},
        {"coVHtmlFORM", "OKBtn", mrOk, true, false},
        {"coVHtmlFORM", "stornoBT", mrCancel, false, true},
        // Deleting asks first, so OK ends nothing by itself.
        {"hromadneMazaniFORM", "OkBT", mrNone, false, false},
        {"hromadneMazaniFORM", "StornoBT", mrCancel, false, true},
    };
    Application.reset();
    std::vector<std::unique_ptr<TForm>> forms;
    for (const Window& w : dialogs())
        forms.push_back(w.make());
    for (const Expect& e : expected) {
        SCOPED_TRACE(std::string(e.window) + "." + e.button);
        TForm* form = nullptr;
        for (auto& f : forms)
            if (f->Name == e.window)
                form = f.get();
        ASSERT_NE(form, nullptr);
        auto* button = dynamic_cast<TButton*>(layout::find(*form, e.button));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->ModalResult, e.result);
        EXPECT_EQ(button->Default, e.isDefault);
        EXPECT_EQ(button->Cancel, e.isCancel);
    }
}

TEST(DialogForms, ListsThatShowPersonsOrGroupsKeepThemSorted)
{
    Application.reset();
    TvyberPartnera partner;
    TvyberDiteFORM child;
    TpribuzniFORM relatives;
    TvyhledanoFORM found;
    TspravceSkupinFORM manager;
    TmojeSkupinyFORM mine;
    ThromadneFORM bulk;
    TvyberFotekFORM photos;
    const TListBox* const sorted[] = {&partner.nabidkaLIST, &child.ListBox1,       &relatives.osobyLIST,
                                      &found.osobyLIST,     &manager.clenoveLIST,  &manager.skupinyLIST,
                                      &bulk.skupinyLIST,    &photos.osobyFotkyLIST};
    for (const TListBox* list : sorted)
        EXPECT_TRUE(list->Sorted()) << list->Name;
    // The person's own groups stay in the tree's order, and so do the pools (in the tab's order).
    EXPECT_FALSE(mine.skupinyLIST.Sorted());
    EXPECT_FALSE(photos.fotkyLIST.Sorted());
    EXPECT_FALSE(photos.fotkyOsobyLIST.Sorted());
}

TEST(DialogForms, ChoicesStartAsTheExportsAndListsExpect)
{
    Application.reset();
    TcoExportovatFORM text;
    TcoVHtmlFORM html;
    TJakSeznamFORM list;
    ASSERT_EQ(text.oddelovacRADIO.Items.Count(), 2);
    EXPECT_EQ(text.oddelovacRADIO.ItemIndex(), 1);
    EXPECT_EQ(text.coExportovatGROUP.ControlCount(), 24);
    int ticked = 0;
    for (const TControl* c : text.coExportovatGROUP.Controls())
        ticked += static_cast<const TCheckBox*>(c)->Checked();
    EXPECT_EQ(ticked, 7);
    EXPECT_TRUE(html.fotkaCH.Checked());
    EXPECT_FALSE(html.identifikatorCH.Checked());
    EXPECT_FALSE(html.kontaktyCH.Checked());
    ASSERT_EQ(list.zpusobVypisuRADIO.Items.Count(), 3);
    EXPECT_EQ(list.zpusobVypisuRADIO.ItemIndex(), 1); // alphabetical: the hierarchical way lists nothing
    EXPECT_TRUE(list.narozeniCH.Checked());
    EXPECT_TRUE(list.mistoNarozeniCH.Checked());
    EXPECT_FALSE(list.umrtiCH.Checked());
}

TEST(DialogForms, AboutBoxTimerWaitsForTheCreditsAndTheQuizShowsTheButterflyOnly)
{
    Application.reset();
    ToProgramu about;
    TeasterEggFORM quiz;
    EXPECT_FALSE(about.Timer1.Enabled());
    EXPECT_EQ(about.Timer1.Interval(), 100);
    EXPECT_FALSE(about.CloseBox);
    EXPECT_TRUE(quiz.motylIMG.Visible);
    EXPECT_FALSE(quiz.cmelakIMG.Visible);
    EXPECT_FALSE(quiz.kytkaIMG.Visible);
}

// The about box and the quiz hold drawn pictures the size of their images, on a clear ground
// (the images are transparent), each a different drawing.
TEST(DialogForms, AboutBoxAndQuizPicturesFillTheirImages)
{
    Application.reset();
    ToProgramu about;
    TeasterEggFORM quiz;
    std::vector<const TImage*> images{&about.Image1, &quiz.motylIMG, &quiz.cmelakIMG, &quiz.kytkaIMG};
    for (const TImage* image : images) {
        SCOPED_TRACE(image->Name);
        ASSERT_FALSE(image->Picture.Empty());
        const TBitmap& b = *image->Picture.Bitmap;
        EXPECT_EQ(b.Width(), image->Width);
        EXPECT_EQ(b.Height(), image->Height);
        EXPECT_TRUE(image->Transparent);
        EXPECT_EQ(b.pixel(0, 0).a, 0);
        EXPECT_EQ(b.pixel(b.Width() - 1, b.Height() - 1).a, 0);
        int opaque = 0;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                opaque += b.pixel(x, y).a == 255;
        EXPECT_GT(opaque, b.Width() * b.Height() / 5) << "the drawing fills a good part of its image";
        EXPECT_LT(opaque, b.Width() * b.Height() * 4 / 5);
    }
    for (size_t i = 0; i < images.size(); ++i)
        for (size_t j = i + 1; j < images.size(); ++j) {
            const TBitmap& a = *images[i]->Picture.Bitmap;
            const TBitmap& b = *images[j]->Picture.Bitmap;
            const size_t bytes = size_t(a.Width()) * a.Height() * 4;
            EXPECT_FALSE(a.Width() == b.Width() && a.Height() == b.Height() &&
                         std::equal(a.bits(), a.bits() + bytes, b.bits()))
                << images[i]->Name << " and " << images[j]->Name << " show the same drawing";
        }
}
