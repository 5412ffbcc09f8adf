// Modal windows, their results, the scripted runner, the dispatcher and timers.
#include "system/exceptions.h"
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/menus.h"
#include "toolkit/stdctrls.h"
#include "toolkit/useractions.h"
#include "toolkit_fixture.h"

#include <string>
#include <vector>

namespace {

struct Question : TForm {
    Question() : TForm("anoNe")
    {
        Caption = "Kinvelor";
        BorderStyle = TFormBorderStyle::bsDialog;
        yes.ModalResult = mrYes;
        no.ModalResult = mrNo;
    }
    TLabel text{this, "Label1"};
    TEdit answer{this, "answerED"};
    TButton yes{this, "anoBT"};
    TButton no{this, "neBT"};
    TButton plain{this, "plainBT"};
};

class Modal : public ToolkitTest {
protected:
    Question q;
};

TEST_F(Modal, ButtonResultIsSetBeforeItsClickAndClosesAfterIt)
{
    int seen = -1;
    q.yes.OnClick = [&] { seen = q.ModalResult; };
    script.press("Kinvelor", "anoBT");
    EXPECT_EQ(q.ShowModal(), mrYes);
    EXPECT_EQ(seen, mrYes);
    EXPECT_FALSE(q.Visible);
}

TEST_F(Modal, ClickHandlerCanKeepTheWindowOpen)
{
    q.yes.OnClick = [&] { q.ModalResult = mrNone; };
    script.modal("Kinvelor", [&](TForm&) {
        user::click(q.yes);
        EXPECT_EQ(q.ModalResult, mrNone);
        user::click(q.no);
    });
    EXPECT_EQ(q.ShowModal(), mrNo);
}

TEST_F(Modal, HandlerSettingModalResultClosesTheWindow)
{
    q.plain.OnClick = [&] { q.ModalResult = mrRetry; };
    script.press("anoNe", "plainBT");
    EXPECT_EQ(q.ShowModal(), mrRetry);
}

TEST_F(Modal, ResultsAreTheClassLibraryNumbers)
{
    EXPECT_EQ((std::vector<int>{mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrYes, mrNo}),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(Modal, CloseBoxGivesCancelAndAWindowWithoutOneCannotBeClosed)
{
    script.modal("", [](TForm& f) { EXPECT_TRUE(user::closeWindow(f)); });
    EXPECT_EQ(q.ShowModal(), mrCancel);
    q.CloseBox = false;
    script.modal("", [](TForm& f) {
        EXPECT_FALSE(user::closeWindow(f));
        user::pressKey(f, VK_ESCAPE);
        EXPECT_EQ(f.ModalResult, mrNone);
        f.ModalResult = mrAbort;
    });
    EXPECT_EQ(q.ShowModal(), mrAbort);
}

TEST_F(Modal, CloseQueryCanRefuseAndTheScriptThenFails)
{
    q.OnCloseQuery = [](bool& canClose) { canClose = false; };
    script.press("", "anoBT");
    EXPECT_THROW(q.ShowModal(), TestScriptFailure);
    EXPECT_FALSE(q.Visible);
}

TEST_F(Modal, ControlsKeepTheirStateBetweenShowings)
{
    script.modal("", [&](TForm&) {
        user::type(q.answer, "abc");
        user::click(q.yes);
    });
    q.ShowModal();
    script.modal("", [&](TForm&) {
        EXPECT_EQ(q.answer.Text(), "abc");
        user::click(q.no);
    });
    EXPECT_EQ(q.ShowModal(), mrNo);
}

TEST_F(Modal, OpeningAModalWindowFiresNoExitInTheOwner)
{
    TForm owner("owner");
    TEdit field{&owner, "field"};
    int exits = 0, activations = 0;
    field.OnExit = [&] { ++exits; };
    owner.OnActivate = [&] { ++activations; };
    owner.Show();
    Application.activate(&owner);
    EXPECT_EQ(activations, 1);
    script.press("", "anoBT");
    q.ShowModal();
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(field.Focused());
    EXPECT_EQ(activations, 2); // the owner is active again after the dialog
}

TEST_F(Modal, UnscriptedDialogFailsWithItsCaption)
{
    try {
        q.ShowModal();
        FAIL();
    } catch (const TestScriptFailure& e) {
        EXPECT_NE(std::string(e.what()).find("Kinvelor"), std::string::npos);
    }
}

TEST_F(Modal, UnscriptedDialogInsideAHandlerStillFailsTheTest)
{
    TForm owner("owner");
    TButton open{&owner, "open"};
    open.OnClick = [&] { q.ShowModal(); };
    owner.Show();
    EXPECT_THROW(user::click(open), TestScriptFailure);
}

TEST_F(Modal, AnswerOfTheWrongKindFails)
{
    script.answer(IDYES);
    EXPECT_THROW(q.ShowModal(), TestScriptFailure);
}

TEST_F(Modal, MessageBoxesCarryTheApplicationTitleAndAreRecorded)
{
    ShowMessage("Hotovo");
    script.answer(IDNO);
    EXPECT_EQ(Application.MessageBox("Uložit?", "", MB_YESNOCANCEL), IDNO);
    ASSERT_EQ(script.messages().size(), 2u);
    EXPECT_EQ(script.messages()[0].caption, "Kinvelor");
    EXPECT_EQ(script.messageTexts(), (std::vector<std::string>{"Hotovo", "Uložit?"}));
    script.answer(IDCANCEL);
    EXPECT_THROW(Application.MessageBox("Ano?", "", MB_YESNO), TestScriptFailure);
}

TEST_F(Modal, FileDialogsTakeTheScriptedChoice)
{
    TOpenDialog open("OpenDialog1");
    TSaveDialog save("SaveDialog1");
    script.file("save/rod.rod").cancelFile();
    EXPECT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName, "save/rod.rod");
    save.FileName = "old.txt";
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(save.FileName, "old.txt");
}

TEST_F(Modal, PrintAndColourDialogs)
{
    TPrintDialog print("PrintDialog1");
    TColorDialog colour("ColorDialog1");
    colour.Color = clRed;
    script.confirmPrint(false).colour(clYellow).cancelColour();
    EXPECT_FALSE(print.Execute());
    EXPECT_TRUE(colour.Execute());
    EXPECT_EQ(colour.Color, 0x0000FFFF);
    EXPECT_FALSE(colour.Execute());
    EXPECT_EQ(colour.Color, clYellow);
}

TEST_F(Modal, RichEditPrintsItsLinesWithItsBorder)
{
    TForm f("textFORM");
    TRichEdit rich{&f, "textRICH"};
    rich.Lines.Add("první řádek");
    rich.Lines.Add("druhý");
    rich.BorderWidth = 60;
    rich.Print("Lipoveta");
    ASSERT_EQ(script.printed().size(), 1u);
    EXPECT_EQ(script.printed()[0].title, "Lipoveta");
    EXPECT_EQ(script.printed()[0].margin, 60);
    EXPECT_EQ(script.printed()[0].lines, (std::vector<std::string>{"první řádek", "druhý"}));
}

TEST_F(Modal, PopupRunsTheChosenItem)
{
    TPopupMenu popup("osobaPopup");
    TMenuItem erase{popup.Items, "VymazPopup1", "Vymaž"};
    int erased = 0;
    erase.OnClick = [&] { ++erased; };
    script.popupChoice("VymazPopup1").popupChoice("");
    popup.Popup(10, 10);
    popup.Popup(10, 10);
    EXPECT_EQ(erased, 1);
    EXPECT_TRUE(script.unusedAnswers().empty());
}

TEST_F(Modal, ExceptionEscapingAHandlerIsShownAndTheProgramGoesOn)
{
    TForm f("f");
    TButton b{&f, "b"};
    b.OnClick = [] { throw EInOutError("Soubor nelze zapsat"); };
    f.Show();
    EXPECT_TRUE(user::click(b));
    ASSERT_EQ(script.messages().size(), 1u);
    EXPECT_EQ(script.messages()[0].text, "Soubor nelze zapsat");
    EXPECT_EQ(script.messages()[0].caption, "Kinvelor");
    std::string shown;
    Application.OnException = [&](const std::exception& e) { shown = e.what(); };
    user::click(b);
    EXPECT_EQ(shown, "Soubor nelze zapsat");
}

TEST_F(Modal, ClosingTheMainWindowEndsTheApplication)
{
    TForm main("main");
    TForm other("other");
    Application.CreateForm(main);
    Application.CreateForm(other);
    EXPECT_EQ(Application.MainForm, &main);
    bool allow = false;
    main.OnCloseQuery = [&](bool& canClose) { canClose = allow; };
    main.Show();
    user::closeWindow(main);
    EXPECT_FALSE(Application.Terminated);
    EXPECT_TRUE(main.Visible);
    allow = true;
    user::closeWindow(main);
    EXPECT_TRUE(Application.Terminated);
}

TEST_F(Modal, TimersTickByHandOnlyWhenEnabled)
{
    TTimer timer;
    timer.setInterval(100);
    int ticks = 0;
    timer.OnTimer = [&] {
        if (++ticks == 2)
            throw Exception("tick");
    };
    user::tick(timer);
    timer.setEnabled(false);
    user::tick(timer);
    timer.setEnabled(true);
    user::tick(timer);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(script.messageTexts(), (std::vector<std::string>{"tick"}));
}

} // namespace
