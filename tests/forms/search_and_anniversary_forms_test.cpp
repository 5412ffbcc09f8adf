#include "forms/hledej_form.h"
#include "forms/import_form.h"
#include "forms/nazvy_svateb_form.h"
#include "forms/vyroci_form.h"
#include "toolkit/application.h"

#include <gtest/gtest.h>

TEST(SearchForm, TwoPagesSharingTheFoundListWithTheTextPageFirst)
{
    Application.reset();
    {
        ThledejFORMLayout form;
        EXPECT_EQ(form.pages.ActivePage(), &form.retezecPage);
        EXPECT_EQ(form.kdeHledatRetezecGROUP.ControlCount(), 14);
        EXPECT_EQ(form.kdeHledatDatumGROUP.ControlCount(), 4);
        EXPECT_TRUE(form.osobyLIST.Sorted());
        // Each page's search button is the Enter button while its page is shown.
        EXPECT_EQ(form.defaultButton(), nullptr); // not shown yet
        EXPECT_EQ(form.zpetBT.ModalResult, mrCancel);
        EXPECT_TRUE(form.zpetBT.Cancel);
    }
}

TEST(SearchForm, DateInputsStartAsARangeFrom2000To2005)
{
    Application.reset();
    ThledejFORMLayout form;
    ASSERT_EQ(form.jakHledatGROUP.Items.Count(), 4);
    EXPECT_EQ(form.jakHledatGROUP.ItemIndex(), 1);
    EXPECT_EQ(form.den1CB.Items.Count(), 31);
    EXPECT_EQ(form.mesic1CB.Items.Count(), 12);
    EXPECT_EQ(form.den1CB.Text(), "1");
    EXPECT_EQ(form.mesic1CB.Text(), "1");
    EXPECT_EQ(form.rok1CB.Text(), "2000");
    EXPECT_EQ(form.den2CB.Text(), "31");
    EXPECT_EQ(form.mesic2CB.Text(), "12");
    EXPECT_EQ(form.rok2CB.Text(), "2005");
    EXPECT_EQ(form.rok1CB.MaxLength, 4);
    EXPECT_EQ(form.rok2CB.MaxLength, 4);
}

TEST(AnniversaryForms, DayModeFirstAndTheNamesWindowReadOnly)
{
    Application.reset();
    TvyrociFORMLayout vyroci;
    TnazvySvatebFORM nazvy;
    EXPECT_EQ(nazvySvatebFORM, &nazvy);
    ASSERT_EQ(vyroci.vybranyRADIO.Items.Count(), 2);
    EXPECT_EQ(vyroci.vybranyRADIO.ItemIndex(), 0);
    EXPECT_TRUE(vyroci.vyrociLIST.Sorted());
    EXPECT_EQ(vyroci.zpetBT.ModalResult, mrCancel);
    EXPECT_TRUE(nazvy.svatbyMEMO.ReadOnly);
    EXPECT_TRUE(nazvy.OKBtn.Default);
    EXPECT_EQ(nazvy.OKBtn.ModalResult, mrOk);
}

TEST(ImportForm, HiddenNameChoiceMenCompletedWomenNot)
{
    Application.reset();
    TimportFORM form;
    EXPECT_EQ(importFORM, &form);
    EXPECT_FALSE(form.CloseBox);
    EXPECT_FALSE(form.bornGROUP.Visible);
    ASSERT_EQ(form.bornGROUP.Items.Count(), 2);
    EXPECT_EQ(form.bornGROUP.ItemIndex(), 0);
    EXPECT_TRUE(form.manCH.Checked());
    EXPECT_FALSE(form.womanCH.Checked());
    EXPECT_TRUE(form.okBT.Default);
    EXPECT_EQ(form.okBT.ModalResult, mrOk);
}
