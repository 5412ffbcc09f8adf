#include "forms/hlavni_dalsi.h"

#include "forms/sheet_layout.h"

using namespace sheet_layout;

DalsiSheet::DalsiSheet(TTabSheet& s) : sheet(s)
{
    showCzechTexts(texts());
    // Left column: label, then a combo box of the person's value.
    constexpr int lx = 8, fx = 132, fw = 230;
    label(vyznaniLB, lx, 8, 120, &vyznaniCB);
    field(vyznaniCB, fx, 8, fw);
    label(krestLB, lx, 32, 120, &krestCB);
    field(krestCB, fx, 32, fw);
    label(kmotriLB, lx, 56, 120, &kmotr1CB);
    field(kmotr1CB, fx, 56, fw);
    field(kmotr2CB, fx, 80, fw);
    label(narodnostLB, lx, 104, 120, &narodnostCB);
    field(narodnostCB, fx, 104, fw);
    label(statniPrislusnostLB, lx, 128, 120, &statniPrislusnostCB);
    field(statniPrislusnostCB, fx, 128, fw);

    moderniPANEL.SetBounds(lx, 160, 356, 152);
    moderniPANEL.BevelOuter = TPanel::bvNone;
    label(emailLB, 0, 0, 120, &email1ED);
    field(email1ED, fx - lx, 0, 166);
    button(napis1BT, fx - lx + 170, 0, 56);
    field(email2ED, fx - lx, 24, 166);
    button(napis2BT, fx - lx + 170, 24, 56);
    label(telefonLB, 0, 52, 120, &telefon1ED);
    field(telefon1ED, fx - lx, 52, 166);
    field(telefon2ED, fx - lx, 76, 166);
    label(wwwLB, 0, 104, 120, &www1ED);
    field(www1ED, fx - lx, 104, 166);
    button(otevriWWW1BT, fx - lx + 170, 104, 56);
    field(www2ED, fx - lx, 128, 166);
    button(otevriWWW2BT, fx - lx + 170, 128, 56);

    // Right column: when entered, the identifier, the user-defined fields.
    constexpr int rx = 384, rf = 500;
    label(datumVlozeniLB, rx, 8, 112, &datumVlozeniDT);
    field(datumVlozeniDT, rf, 8, 120);
    datumVlozeniDT.Enabled = false;
    label(idLB, rx, 32, 112, &idED);
    field(idED, rf, 32, 120);
    idED.Enabled = false;
    button(idZmenBT, rf + 124, 32, 64);
    TLabel* const userLabels[] = {&user1LB, &user2LB, &user3LB, &user4LB, &user5LB};
    TComboBox* const userFields[] = {&user1CB, &user2CB, &user3CB, &user4CB, &user5CB};
    TButton* const userButtons[] = {&user1BT, &user2BT, &user3BT, &user4BT, &user5BT};
    for (int i = 0; i < 5; ++i) {
        const int top = 64 + 24 * i;
        label(*userLabels[i], rx, top, 112, userFields[i]);
        field(*userFields[i], rf, top, 180);
        userFields[i]->setSorted(true);
        button(*userButtons[i], rf + 184, top, 64);
    }
    for (TComboBox* list : {&vyznaniCB, &krestCB, &kmotr1CB, &kmotr2CB, &narodnostCB, &statniPrislusnostCB})
        list->setSorted(true);

    matrikaLB.SetBounds(lx, 316, 300, 13);
    matrikaLB.FocusControl = &matrikyMEMO;
    matrikyMEMO.SetBounds(lx, 332, 740, 200);
    matrikyMEMO.ScrollBars = TMemo::ssVertical;
}

WindowTextList DalsiSheet::texts()
{
    return {"kartaDalsiUdaje",
            {
                WindowText::caption(sheet, "dalsiUdaje", "Další údaje"),
                WindowText::caption(vyznaniLB, "vyznani", "Vyznání:"),
                WindowText::caption(krestLB, "krest", "Křest:"),
                WindowText::caption(kmotriLB, "kmotri", "Kmotři:"),
                WindowText::caption(narodnostLB, "narodnost", "Národnost:"),
                WindowText::caption(statniPrislusnostLB, "statniPrislusnost", "Státní příslušnost:"),
                WindowText::caption(emailLB, "email", "Email:"),
                WindowText::caption(napis1BT, "napisEmail1", "Napiš"),
                WindowText::caption(napis2BT, "napisEmail2", "Napiš"),
                WindowText::caption(telefonLB, "telefon", "Telefon:"),
                WindowText::caption(wwwLB, "www", "Webové adresy:"),
                WindowText::caption(otevriWWW1BT, "otevriWWW1", "Otevři"),
                WindowText::caption(otevriWWW2BT, "otevriWWW2", "Otevři"),
                WindowText::caption(datumVlozeniLB, "datumVlozeni", "Datum vložení:"),
                WindowText::caption(idLB, "identifikator", "Identifikátor:"),
                WindowText::caption(idZmenBT, "zmen", "Změň"),
                // One key for the five user-field labels and one for their buttons; the labels show
                // the tree's field names again when the page is next filled.
                WindowText::caption(user1LB, "uzivDef", "Uživ.def.:"),
                WindowText::caption(user1BT, "definuj", "Definuj"),
                WindowText::caption(user2LB, "uzivDef", "Uživ.def.:"),
                WindowText::caption(user2BT, "definuj", "Definuj"),
                WindowText::caption(user3LB, "uzivDef", "Uživ.def.:"),
                WindowText::caption(user3BT, "definuj", "Definuj"),
                WindowText::caption(user4LB, "uzivDef", "Uživ.def.:"),
                WindowText::caption(user4BT, "definuj", "Definuj"),
                WindowText::caption(user5LB, "uzivDef", "Uživ.def.:"),
                WindowText::caption(user5BT, "definuj", "Definuj"),
                WindowText::caption(matrikaLB, "matrika", "Informace o matrikách:"),
            }};
}
