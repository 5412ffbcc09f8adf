#include "forms/hromadne_form.h"

#include "forms/global_window.h"

ThromadneFORM* hromadneFORM = nullptr;

ThromadneFORM::ThromadneFORM() : TForm("hromadneFORM")
{
    claimGlobalWindow(hromadneFORM, this);
    Caption = "Hromadné vyplňování";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 400, 348);

    skupinyLB.SetBounds(8, 10, 200, 13);
    skupinyLB.Caption = "Které skupině:";
    skupinyLIST.SetBounds(8, 28, 200, 279);
    skupinyLIST.setSorted(true);
    coVyplnitLB.SetBounds(216, 10, 176, 13);
    coVyplnitLB.Caption = "Co vyplnit:";
    struct Field {
        TButton& button;
        const char* caption;
    };
    const Field fields[] = {
        {mistoNarozeniBT, "Místo narození"},
        {mistoUmrtiBT, "Místo úmrtí"},
        {mistoPohrbeni, "Místo pohřbení"},
        {bydlisteBT, "Bydliště"},
        {vzdelaniBT, "Vzdělání"},
        {povolaniBT, "Povolání"},
        {vyznaniBT, "Vyznání"},
        {narodnostBT, "Národnost"},
        {statniPrislusnostBT, "Státní příslušnost"},
    };
    int top = 28;
    for (const Field& f : fields) {
        f.button.SetBounds(216, top, 176, 25);
        f.button.Caption = f.caption;
        top += 31;
    }
    zpetBT.SetBounds(317, 315, 75, 25);
    zpetBT.Caption = "Zpět";
    zpetBT.Default = true;
    zpetBT.ModalResult = mrOk;
}

ThromadneFORM::~ThromadneFORM()
{
    releaseGlobalWindow(hromadneFORM, this);
}
