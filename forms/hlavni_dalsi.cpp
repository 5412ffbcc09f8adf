#include "forms/hlavni_dalsi.h"

#include "forms/sheet_layout.h"

using namespace sheet_layout;

DalsiSheet::DalsiSheet(TTabSheet& s) : sheet(s)
{
    // Left column: label, then a combo box of the person's value.
    constexpr int lx = 8, fx = 132, fw = 230;
    label(vyznaniLB, lx, 8, 120, "Vyznání:", &vyznaniCB);
    field(vyznaniCB, fx, 8, fw);
    label(krestLB, lx, 32, 120, "Křest:", &krestCB);
    field(krestCB, fx, 32, fw);
    label(kmotriLB, lx, 56, 120, "Kmotři:", &kmotr1CB);
    field(kmotr1CB, fx, 56, fw);
    field(kmotr2CB, fx, 80, fw);
    label(narodnostLB, lx, 104, 120, "Národnost:", &narodnostCB);
    field(narodnostCB, fx, 104, fw);
    label(statniPrislusnostLB, lx, 128, 120, "Státní příslušnost:", &statniPrislusnostCB);
    field(statniPrislusnostCB, fx, 128, fw);

    moderniPANEL.SetBounds(lx, 160, 356, 152);
    moderniPANEL.BevelOuter = TPanel::bvNone;
    label(emailLB, 0, 0, 120, "Emailové adresy:", &email1ED);
    field(email1ED, fx - lx, 0, 166);
    button(napis1BT, fx - lx + 170, 0, 56, "Napiš");
    field(email2ED, fx - lx, 24, 166);
    button(napis2BT, fx - lx + 170, 24, 56, "Napiš");
    label(telefonLB, 0, 52, 120, "Telefony:", &telefon1ED);
    field(telefon1ED, fx - lx, 52, 166);
    field(telefon2ED, fx - lx, 76, 166);
    label(wwwLB, 0, 104, 120, "Webové adresy:", &www1ED);
    field(www1ED, fx - lx, 104, 166);
    button(otevriWWW1BT, fx - lx + 170, 104, 56, "Otevři");
    field(www2ED, fx - lx, 128, 166);
    button(otevriWWW2BT, fx - lx + 170, 128, 56, "Otevři");

    // Right column: when entered, the identifier, the user-defined fields.
    constexpr int rx = 384, rf = 500;
    label(datumVlozeniLB, rx, 8, 112, "Datum vložení:", &datumVlozeniDT);
    field(datumVlozeniDT, rf, 8, 120);
    datumVlozeniDT.Enabled = false;
    label(idLB, rx, 32, 112, "Identifikátor:", &idED);
    field(idED, rf, 32, 120);
    idED.Enabled = false;
    button(idZmenBT, rf + 124, 32, 64, "Změň");
    TLabel* const userLabels[] = {&user1LB, &user2LB, &user3LB, &user4LB, &user5LB};
    TComboBox* const userFields[] = {&user1CB, &user2CB, &user3CB, &user4CB, &user5CB};
    TButton* const userButtons[] = {&user1BT, &user2BT, &user3BT, &user4BT, &user5BT};
    for (int i = 0; i < 5; ++i) {
        const int top = 64 + 24 * i;
        label(*userLabels[i], rx, top, 112, "Uživ.def.:", userFields[i]);
        field(*userFields[i], rf, top, 180);
        userFields[i]->setSorted(true);
        button(*userButtons[i], rf + 184, top, 64, "Definuj");
    }
    for (TComboBox* list : {&vyznaniCB, &krestCB, &kmotr1CB, &kmotr2CB, &narodnostCB, &statniPrislusnostCB})
        list->setSorted(true);

    matrikaLB.SetBounds(lx, 316, 300, 13);
    matrikaLB.Caption = "Informace o matrikách:";
    matrikaLB.FocusControl = &matrikyMEMO;
    matrikyMEMO.SetBounds(lx, 332, 740, 200);
    matrikyMEMO.ScrollBars = TMemo::ssVertical;
}
