// The question, choice and value windows as a person answers them.
#include "app/program_windows.h"
#include "platform/toolkit_fixture.h"
#include "toolkit/useractions.h"

namespace {

struct Dialogs : ToolkitTest {
    ProgramWindows w;
};

} // namespace

TEST_F(Dialogs, YesNoCancelGivesTheButtonsNumbersAndEscCancels)
{
    script.modal("Kinvelor", [](TForm& f) { user::pressKey(f, VK_RETURN); });
    EXPECT_EQ(w.hlavni.askYesNoCancel("Uložit?"), mrYes);
    const std::pair<const char*, int> answers[] = {{"anoBT", 6}, {"neBT", 7}, {"stornoBT", 2}};
    for (const auto& [button, result] : answers) {
        script.press("Kinvelor", button);
        EXPECT_EQ(w.hlavni.askYesNoCancel("Uložit?"), result) << button;
    }
    EXPECT_EQ(w.anoNeStorno.Label1.Caption, "Uložit?");
    script.modal("Kinvelor", [](TForm& f) { user::pressKey(f, VK_ESCAPE); });
    EXPECT_EQ(w.hlavni.askYesNoCancel("Uložit?"), mrCancel);
}

TEST_F(Dialogs, YesNoIsTrueOnlyOnYes)
{
    script.press("Kinvelor", "anoBT");
    EXPECT_TRUE(w.hlavni.askYesNo("Opravdu?"));
    EXPECT_EQ(w.anoNe.Label1.Caption, "Opravdu?");
    script.press("Kinvelor", "neBT");
    EXPECT_FALSE(w.hlavni.askYesNo("Opravdu?"));
    script.modal("Kinvelor", [](TForm& f) { user::pressKey(f, VK_ESCAPE); });
    EXPECT_FALSE(w.hlavni.askYesNo("Opravdu?"));
}

TEST_F(Dialogs, AButtonClickedLastTimeDoesNotTakeTheNextEnter)
{
    script.press("Kinvelor", "neBT");
    EXPECT_FALSE(w.hlavni.askYesNo("Opravdu vymazat osobu?"));
    script.modal("Kinvelor", [](TForm& f) { user::pressKey(f, VK_RETURN); });
    EXPECT_TRUE(w.hlavni.askYesNo("Vyplnit celé skupině text?"));

    // The text prompt, its OK clicked the first time, opens with the caret in its edit and the
    // text entered last selected, so the next text typed replaces it.
    script.modal("", [](TForm& f) {
        auto& prompt = dynamic_cast<TcoVyplnitFORM&>(f);
        user::type(prompt.zadejteED, "Třebíč");
        user::click(prompt.OKBtn);
    });
    EXPECT_EQ(w.coVyplnitFORM.ShowModal(), mrOk);
    script.modal("", [](TForm& f) {
        auto& prompt = dynamic_cast<TcoVyplnitFORM&>(f);
        EXPECT_TRUE(prompt.zadejteED.Focused());
        user::type(prompt.zadejteED, "Jihlava");
        user::pressKey(f, VK_RETURN);
    });
    EXPECT_EQ(w.coVyplnitFORM.ShowModal(), mrOk);
    EXPECT_EQ(w.coVyplnitFORM.zadejteED.Text(), "Jihlava");
}

TEST_F(Dialogs, DoubleStartWindowEndsOnlyByItsButtons)
{
    script.modal("dvojiteSpusteniFORM", [](TForm& f) {
        user::pressKey(f, VK_ESCAPE);
        EXPECT_FALSE(user::closeWindow(f));
        EXPECT_EQ(f.ModalResult, mrNone);
        user::click(static_cast<TdvojiteSpusteniFORM&>(f).pokracovatBT);
    });
    EXPECT_EQ(w.dvojiteSpusteniFORM.ShowModal(), mrIgnore);
    script.press("", "ukoncitBT");
    EXPECT_EQ(w.dvojiteSpusteniFORM.ShowModal(), mrAbort);
}

TEST_F(Dialogs, ChoiceWindowsUseTheirCodes)
{
    EXPECT_TRUE(w.sourozenciCreate.obaRodiceBT.Default);
    script.press("", "obaRodiceBT");
    EXPECT_EQ(w.sourozenciCreate.ShowModal(), mrCancel); // both parents: the number of a cancel
    script.modal("", [](TForm& f) { user::closeWindow(f); });
    EXPECT_EQ(w.priradDetiFORM.ShowModal(), mrCancel);
    script.press("", "tiskniPrazdneBT");
    EXPECT_EQ(w.formularFORM.ShowModal(), mrRetry);
    script.press("", "tiskniDleProcentBT");
    EXPECT_EQ(w.formularFORM.ShowModal(), mrIgnore);
}

TEST_F(Dialogs, ValueWindowsStartInTheirFieldAndCheckNothing)
{
    script.modal("", [](TForm& f) {
        auto& d = static_cast<TcasoveObdobiFORM&>(f);
        EXPECT_EQ(f.ActiveControl(), &d.textCB);
        user::type(d.odED, "1.1.1900");
        user::pressKey(f, VK_ESCAPE);
    });
    EXPECT_EQ(w.casoveObdobiFORM.ShowModal(), mrCancel);

    script.modal("", [](TForm& f) {
        auto& d = static_cast<TuserDefFORM&>(f);
        EXPECT_EQ(f.ActiveControl(), &d.kolonkaED);
        user::type(d.kolonkaED, "123456789012345678901234");
        user::pressKey(f, VK_RETURN);
    });
    EXPECT_EQ(w.userDefFORM.ShowModal(), mrOk);
    EXPECT_EQ(w.userDefFORM.kolonkaED.Text(), "12345678901234567890123");

    script.modal("", [](TForm& f) {
        auto& d = static_cast<TFTextFORM&>(f);
        EXPECT_EQ(f.ActiveControl(), &d.vkladanyTextED);
        user::pressKey(f, VK_ESCAPE);
    });
    EXPECT_EQ(w.FTextFORM.ShowModal(), mrCancel);

    script.modal("", [](TForm& f) { EXPECT_TRUE(user::closeWindow(f)); });
    EXPECT_EQ(w.idChangeFORM.ShowModal(), mrCancel);
}

TEST_F(Dialogs, PercentageStaysWithinTenAndAHundred)
{
    TUpDown& ud = w.meneNezFORM.procentaUD;
    EXPECT_EQ(ud.Position(), 50);
    script.modal("", [&ud](TForm& f) {
        for (int i = 0; i < 60; ++i)
            user::step(ud, true);
        EXPECT_EQ(ud.Position(), 100);
        for (int i = 0; i < 100; ++i)
            user::step(ud, false);
        EXPECT_EQ(ud.Position(), 10);
        user::pressKey(f, VK_RETURN);
    });
    EXPECT_EQ(w.meneNezFORM.ShowModal(), mrOk);
}

TEST_F(Dialogs, ToleranceOffersOnlyItsFourValues)
{
    TComboBox& cb = w.toleranceFORM.toleranceCB;
    EXPECT_EQ(cb.Items.lines(), (std::vector<std::string>{"1", "2", "5", "10"}));
    script.modal("", [&cb](TForm& f) {
        user::type(cb, "3");
        EXPECT_EQ(cb.Text(), "");
        user::pick(cb, "5");
        user::pressKey(f, VK_ESCAPE); // no cancel button: Esc does nothing
        EXPECT_EQ(f.ModalResult, mrNone);
        user::pressKey(f, VK_RETURN);
    });
    EXPECT_EQ(w.toleranceFORM.ShowModal(), mrOk);
    EXPECT_EQ(cb.Text(), "5");
}
