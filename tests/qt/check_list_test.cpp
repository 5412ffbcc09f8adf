// A check list box on the screen: every line shows its box, ticked or not.
#include "qt_fixture.h"
#include "toolkit/form.h"
#include "toolkit/lists.h"

#include <QListWidget>

namespace {

struct Window : TForm {
    Window() : TForm("okno")
    {
        SetBounds(0, 0, 300, 200);
        list.SetBounds(10, 10, 200, 150);
        list.Items.Add("Jan");
        list.Items.Add("Eva");
        list.setChecked(1, true);
    }
    TCheckListBox list{this, "osobyLIST"};
};

class CheckList : public QtTest {
protected:
    Window w;
};

TEST_F(CheckList, EveryLineShowsItsBoxTickedOrNot)
{
    show(w);
    auto* list = widget<QListWidget>(w, "osobyLIST");
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->data(Qt::CheckStateRole).isValid());
    EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(list->item(1)->checkState(), Qt::Checked);
}

} // namespace
