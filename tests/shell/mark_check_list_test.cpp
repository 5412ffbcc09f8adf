#include "shell/mark_check_list.h"

#include "model/clovek.h"
#include "model/display_settings.h"
#include "model/rod.h"
#include "system/collation.h"
#include "toolkit/form.h"
#include "toolkit/lists.h"

#include <gtest/gtest.h>

TEST(MarkCheckList, SortedRowsKeepTheirTicks)
{
    setCollationLocale("cs");
    Rod tree;
    int n = 0;
    for (const char* surname : {"Černý", "Adam", "Hora", "Chalupa"}) {
        auto* p = new Clovek;
        p->surname = surname;
        p->firstName = "Jan";
        p->number = n;
        p->identifier = std::to_string(n++);
        p->mark = std::string(surname) == "Hora" || std::string(surname) == "Černý";
        tree.appendPerson(std::unique_ptr<Clovek>(p));
    }
    TForm form("f");
    TCheckListBox box(&form, "box");
    box.Items.Add("stale");
    fillMarkCheckList(box, tree, FixedDisplaySettings());
    ASSERT_EQ(box.Items.Count(), 4);
    EXPECT_EQ(box.Items[0], "Adam Jan, ? (1)");
    EXPECT_EQ(box.Items[1], "Černý Jan, ? (0)");
    EXPECT_EQ(box.Items[2], "Hora Jan, ? (2)");
    EXPECT_EQ(box.Items[3], "Chalupa Jan, ? (3)");
    EXPECT_FALSE(box.Checked(0));
    EXPECT_TRUE(box.Checked(1));
    EXPECT_TRUE(box.Checked(2));
    EXPECT_FALSE(box.Checked(3));
}
