#include "forms/pribuzni_form.h"

#include "forms/global_window.h"
#include "toolkit/screen.h"
#include "toolkit/text_lines.h"

#include <algorithm>

TpribuzniFORM* pribuzniFORM = nullptr;

TpribuzniFORM::TpribuzniFORM() : TForm("pribuzniFORM")
{
    claimGlobalWindow(pribuzniFORM, this);
    showCzechTexts(texts());
    showCzechTexts(headingTexts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    for (TLabel* l : {&nadpisLB, &vztahLB, &pocetLB, &poklepanimLB}) {
        l->AutoSize = false;
        l->Alignment = TLabel::taCenter;
    }
    vztahLB.Caption = "vztahLB";
    pocetLB.Caption = "pocetLB";
    nadpisLB.Font.Bold = true;
    osobyLIST.setSorted(true);
    zpetBT.Cancel = true;
    zpetBT.ModalResult = mrCancel;
    placeControls(lineHeight);
}

void TpribuzniFORM::placeControls(int headingHeight)
{
    // Everything below the heading moves down by the lines it takes beyond its first.
    const int below = headingHeight - lineHeight;
    SetBounds(Left, Top, 360, 420 + below);
    nadpisLB.SetBounds(8, 10, lineWidth, headingHeight);
    vztahLB.SetBounds(8, 28 + below, lineWidth, lineHeight);
    pocetLB.SetBounds(8, 46 + below, lineWidth, lineHeight);
    osobyLIST.SetBounds(8, 66 + below, lineWidth, 288);
    poklepanimLB.SetBounds(8, 362 + below, lineWidth, lineHeight);
    zpetBT.SetBounds(142, 386 + below, 75, 25);
}

void TpribuzniFORM::setHeading(const std::string& heading)
{
    std::vector<std::string> lines = wrappedLines(nadpisLB.Font, heading, lineWidth);
    const int shownLine = std::max(recordedLineHeight(nadpisLB.Font), 1);
    // However long the name, the window stays on the screen: the list keeps its rows.
    const int room = Screen->clientRoomHeight() - (420 - lineHeight);
    lines = firstLines(nadpisLB.Font, std::move(lines), static_cast<size_t>(std::max(room / shownLine, 1)),
                       lineWidth);
    nadpisLB.Caption = joinedLines(lines);
    placeControls(lines.size() > 1 ? static_cast<int>(lines.size()) * shownLine : lineHeight);
}

TpribuzniFORM::~TpribuzniFORM()
{
    releaseGlobalWindow(pribuzniFORM, this);
}

WindowTextList TpribuzniFORM::texts()
{
    return {"vyhledaniPribuznych",
            {
                WindowText::caption(poklepanimLB, "poklepanim", "Poklepáním na jméno osobu zobrazíte."),
                WindowText::back(zpetBT),
            }};
}

WindowTextList TpribuzniFORM::headingTexts()
{
    return {"hledej",
            {WindowText::caption(nadpisLB, "vyhledavaniPribuznych", "Vyhledávání příbuzných k osobě")}};
}
