#include "forms/media_pool_layout.h"

void layOutMediaPool(TForm& window, const MediaPoolParts& p)
{
    window.Caption = "Lipoveta";
    window.BorderStyle = TFormBorderStyle::bsDialog;
    window.Position = TPosition::poScreenCenter;

    constexpr int listWidth = 209;
    constexpr int labelTop = 14;
    constexpr int top = 36;
    constexpr int poolHeight = 385;
    const int previewLeft = 8 + listWidth + 8;
    // Without a preview the person's column and the name above it follow the pool directly.
    const int previewWidth = p.preview ? 513 : 0;
    const int personLeft = p.preview ? previewLeft + previewWidth + 8 : previewLeft;
    const int width = personLeft + listWidth + 8;
    const int nameTop = p.preview ? labelTop : 8;
    const int shift = p.preview ? 0 : 22; // room for the name above the file lists

    window.SetBounds(0, 0, width, 463 + shift);

    p.poolLB.SetBounds(8, labelTop + shift, listWidth - 33, 13);
    p.linkBT.SetBounds(8 + listWidth - 25, 6 + shift, 25, 25);
    p.linkBT.StandardGlyph = TStandardGlyph::Add;
    p.poolLIST.SetBounds(8, top + shift, listWidth, poolHeight);

    p.personNameLB.SetBounds(p.preview ? previewLeft : 8, nameTop, p.preview ? previewWidth : width - 16, 13);
    p.personNameLB.AutoSize = false;
    p.personNameLB.Font.Bold = true;
    if (p.preview) {
        p.preview->SetBounds(previewLeft, top, previewWidth, poolHeight);
        p.preview->Center = true;
        p.preview->Proportional = true;
    }

    p.personLB.SetBounds(personLeft, labelTop + shift, listWidth - 33, 13);
    p.unlinkBT.SetBounds(personLeft + listWidth - 25, 6 + shift, 25, 25);
    p.unlinkBT.StandardGlyph = TStandardGlyph::Delete;
    p.personLIST.SetBounds(personLeft, top + shift, listWidth, 225);
    p.usersLB.SetBounds(personLeft, 270 + shift, listWidth, 13);
    p.usersLIST.SetBounds(personLeft, 292 + shift, listWidth, 129);
    p.usersLIST.setSorted(true);

    p.deleteBT.SetBounds(8, 430 + shift, 90, 25);
    p.backBT.SetBounds(width - 83, 430 + shift, 75, 25);
    p.backBT.ModalResult = mrOk;
}
