#include "forms/cekej_form.h"

#include "toolkit/application.h"

#include <gtest/gtest.h>

TEST(CekejForm, ASmallCentredDialogWithABarFrom0To100)
{
    Application.reset();
    {
        TcekejFORM form;
        EXPECT_EQ(cekejFORM, &form);
        EXPECT_EQ(form.Caption, "Prosím čekejte...");
        EXPECT_EQ(form.BorderStyle, TFormBorderStyle::bsDialog);
        EXPECT_FALSE(form.CloseBox);
        EXPECT_EQ(form.Position, TPosition::poScreenCenter);
        EXPECT_FALSE(form.Visible);
        EXPECT_EQ(form.waitBAR.Min, 0);
        EXPECT_EQ(form.waitBAR.Max, 100);
        EXPECT_LE(form.waitBAR.Left + form.waitBAR.Width, form.Width);
    }
    EXPECT_EQ(cekejFORM, nullptr);
    Application.reset();
}
