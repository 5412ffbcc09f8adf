// The limits dialog and the colours dialog as their menu commands run them.
#include "app/main_window.h"
#include "platform/toolkit_fixture.h"
#include "shell/barvy_form.h"
#include "shell/nastaveni_form.h"
#include "toolkit/useractions.h"

namespace {

struct SettingsDialogs : ToolkitTest {
    Thlavni hl;
    TnastaveniForm limits;
    TbarvyFORM colours;
};

TnastaveniForm& asLimits(TForm& f)
{
    return static_cast<TnastaveniForm&>(f);
}

} // namespace

TEST_F(SettingsDialogs, LimitsGoInAndComeBackWithoutSaving)
{
    hl.settings.minYear = 1700;
    hl.settings.maxYear = 2020;
    hl.settings.maxAge = 110;
    hl.settings.minParentChildAge = 12;
    hl.settings.checkFatherDeathBeforeBirth = false;
    script.modal("", [](TForm& f) {
        auto& d = asLimits(f);
        EXPECT_EQ(d.minRokUD.Position(), 1700);
        EXPECT_EQ(d.minRokED.Text(), "1\u00A0700");
        EXPECT_EQ(d.maxVekUD.Position(), 110);
        EXPECT_FALSE(d.smrtOtecNarozDiteCheck.Checked());
        user::step(d.maxVekUD, true);
        user::click(d.smrtOtecNarozDiteCheck);
        user::pressKey(f, VK_ESCAPE); // OK is also the cancel button: values are taken
    });
    user::click(hl.layout().Kontroly1);
    EXPECT_EQ(hl.settings.minYear, 1700);
    EXPECT_EQ(hl.settings.maxYear, 2020);
    EXPECT_EQ(hl.settings.maxAge, 111);
    EXPECT_EQ(hl.settings.minParentChildAge, 12);
    EXPECT_TRUE(hl.settings.checkFatherDeathBeforeBirth);
}

TEST_F(SettingsDialogs, TypedNumberIsClampedWhetherOrNotTheEditIsLeft)
{
    // Left: the edit shows the position it will give.
    script.modal("", [](TForm& f) {
        auto& d = asLimits(f);
        user::replaceText(d.minRokED, "5000");
        user::focus(d.maxRokED);
        EXPECT_EQ(d.minRokED.Text(), "3000");
        user::replaceText(d.maxRokED, "9999");
        user::click(d.Button1);
        EXPECT_EQ(d.maxRokED.Text(), "3000");
    });
    user::click(hl.layout().Kontroly1);
    EXPECT_EQ(hl.settings.minYear, 3000);
    EXPECT_EQ(hl.settings.maxYear, 3000);

    // Not left: Enter presses OK with the typed text still in the edit.
    script.modal("", [](TForm& f) {
        auto& d = asLimits(f);
        user::replaceText(d.minRodicDiteED, "-3");
        user::replaceText(d.maxVekED, "999");
        user::pressKey(f, VK_RETURN);
        EXPECT_EQ(d.maxVekED.Text(), "999");
    });
    user::click(hl.layout().Kontroly1);
    EXPECT_EQ(hl.settings.maxAge, 200);
    EXPECT_EQ(hl.settings.minParentChildAge, 5);

    // Not a number: the last position stays.
    script.modal("", [](TForm& f) {
        auto& d = asLimits(f);
        user::replaceText(d.minRokED, "rok");
        user::pressKey(f, VK_RETURN);
    });
    user::click(hl.layout().Kontroly1);
    EXPECT_EQ(hl.settings.minYear, 3000);
}

TEST_F(SettingsDialogs, LowestYearAboveTheHighestIsRefusedUntilMended)
{
    hl.settings.minYear = 1600;
    hl.settings.maxYear = 2100;
    script.modal("", [this](TForm& f) {
        auto& d = asLimits(f);
        user::replaceText(d.minRokED, "2500");
        user::click(d.Button1);
        EXPECT_FALSE(f.tryCloseModal());
        user::pressKey(f, VK_ESCAPE);
        EXPECT_FALSE(f.tryCloseModal());
        EXPECT_EQ(
            script.messageTexts(),
            std::vector<std::string>(2, "Minimální rok je vyšší než maximální rok! Opravte prosím meze."));
        EXPECT_EQ(f.ActiveControl(), &d.minRokED);
        user::replaceText(d.maxRokED, "2500"); // equal years are a range of one year
        user::click(d.Button1);
    });
    user::click(hl.layout().Kontroly1);
    EXPECT_EQ(hl.settings.minYear, 2500);
    EXPECT_EQ(hl.settings.maxYear, 2500);
}

TEST_F(SettingsDialogs, ColoursArePickedCancelledAndReset)
{
    hl.settings.colourParents = 0x111111;
    hl.settings.colourChildren = 0x222222;
    script.modal("", [this](TForm&) {
        EXPECT_EQ(colours.rodiceLB.Font.Color, 0x111111);
        EXPECT_TRUE(user::click(colours.rodiceBT));
        EXPECT_TRUE(user::click(colours.detiBT));
        EXPECT_TRUE(user::click(colours.okBT));
    });
    script.colour(0x123456).cancelColour();
    user::click(hl.layout().BarvyVztahu1);
    EXPECT_EQ(hl.settings.colourParents, 0x123456);
    EXPECT_EQ(hl.settings.colourChildren, 0x222222);

    script.modal("", [this](TForm&) {
        user::click(colours.puvodniBT);
        user::pressKey(colours, VK_RETURN); // Enter presses the focused "Původní" again
        EXPECT_EQ(colours.ModalResult, mrNone);
        user::click(colours.okBT);
    });
    user::click(hl.layout().BarvyVztahu1);
    const Nastaveni defaults;
    EXPECT_EQ(hl.settings.colourActive, defaults.colourActive);
    EXPECT_EQ(hl.settings.colourParents, 0x008000);
    EXPECT_EQ(hl.settings.colourChildren, 0xFF0000);
    EXPECT_EQ(hl.settings.colourPartners, 0x0000FF);
    EXPECT_EQ(hl.settings.colourSiblings, 0x000080);
    EXPECT_TRUE(script.unusedAnswers().empty());
}

TEST_F(SettingsDialogs, ColourDialogClosedOtherwiseThanByOkKeepsTheSettings)
{
    hl.settings.colourSiblings = 0x0A0B0C;
    script.modal("", [this](TForm& f) {
        user::click(colours.puvodniBT);
        f.ModalResult = mrCancel;
    });
    user::click(hl.layout().BarvyVztahu1);
    EXPECT_EQ(hl.settings.colourSiblings, 0x0A0B0C);
}
