#include "model/clovek.h"
#include "model/display_settings.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "model_helpers.h"
#include "system/datetime.h"

#include <gtest/gtest.h>

namespace {
Clovek* add(Rod& tree, const std::string& name, int sex = 1)
{
    return addPersonTo(tree, name, "X", sex);
}
} // namespace

TEST(Svatba, PartnersAndEndDate)
{
    setClock([] { return encodeDate(2001, 2, 3); });
    Rod tree;
    Clovek* a = add(tree, "A", 1);
    Clovek* b = add(tree, "B", 0);
    Svatba* s = partnership(a, b, PartnershipType::married);
    EXPECT_EQ(s->otherPartner(a), b);
    EXPECT_EQ(s->otherPartner(b), a);
    EXPECT_EQ(s->partnerOfSex(0), b);
    EXPECT_EQ(s->partnerOfSex(1), a);
    EXPECT_TRUE(s->isMarried());
    Datum end = s->endDate();
    EXPECT_EQ(end.day + "." + end.month + "." + end.year, "3.2.2001");
    a->alive = b->alive = 0;
    a->death = date("?", "?", "1990");
    b->death = date("?", "?", "1980");
    EXPECT_EQ(s->endDate().year, "1980");
    b->death = Datum();
    EXPECT_EQ(s->endDate().year, "1990"); // cannot be ordered: partner 1's
    b->alive = 1;
    EXPECT_EQ(s->endDate().year, "1990");
    s->type = PartnershipType::divorced;
    s->divorce = date("1", "1", "1985");
    EXPECT_EQ(s->endDate().year, "1985");
    s->type = PartnershipType::plain;
    EXPECT_EQ(s->endDate().year, "?");
    setClock({});
}

TEST(Svatba, PartnerNamesFollowTheListOrder)
{
    Rod tree;
    Clovek* a = add(tree, "A");
    Clovek* b = add(tree, "B", 0);
    Clovek* c = add(tree, "C", 0);
    b->birthSurname = "Rodná";
    partnership(a, b);
    partnership(c, a);
    std::vector<std::string> names{"old"};
    a->fillPartnerNames(names, FixedDisplaySettings(true, true));
    EXPECT_EQ(names,
              (std::vector<std::string>{"Rodná B, ? (1)", "X C, ? (2)"})); // no birth surname: her surname
    EXPECT_EQ(a->partnershipIndex(static_cast<UkSvatba*>(b->partnerships.first())->partnership), 0);
    EXPECT_EQ(b->partnershipIndex(nullptr), -1);
    EXPECT_TRUE(a->hasPartner());
}

TEST(Svatba, RecordsWithoutTwoPartnersAreSkipped)
{
    Rod tree;
    Clovek* a = add(tree, "A");
    Clovek* b = add(tree, "B", 0);
    Svatba* lonely = partnership(a, nullptr, PartnershipType::married);
    Svatba* self = partnership(a, a, PartnershipType::married);
    partnership(a, b);
    EXPECT_TRUE(lonely->endDate().year == "?");
    std::vector<std::string> names;
    a->fillPartnerNames(names, FixedDisplaySettings());
    EXPECT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], "");
    EXPECT_EQ(names[1], "");
    EXPECT_FALSE(b->hasPartnership(self));
    a->dropPartnershipsWithoutPartner();
    EXPECT_EQ(a->partnerships.count(), 1);
    EXPECT_TRUE(a->hasPartner());
    EXPECT_FALSE(tree.canChangeSex(a));

    // Removing a person whose list holds a record without a second partner frees it once.
    partnership(b, nullptr);
    tree.removePerson(b);
    EXPECT_EQ(a->partnerships.count(), 0);
    EXPECT_FALSE(a->hasPartner());
}

TEST(Svatba, OldFormatDatesBecomeTypes)
{
    Clovek p, q;
    Svatba* none = partnership(&p, &q);
    none->wedding = date("X", "x", "X");
    Svatba* married = partnership(&p, &q);
    married->wedding = date("1", "2", "1900");
    married->divorce = date("X", "X", "X");
    Svatba* divorced = partnership(&p, &q);
    divorced->wedding = date("1", "2", "1900");
    divorced->divorce = date("?", "?", "1910");
    p.convertOldPartnershipDates();
    EXPECT_EQ(none->type, PartnershipType::plain);
    EXPECT_EQ(none->wedding.month, "?");
    EXPECT_EQ(married->type, PartnershipType::married);
    EXPECT_EQ(married->divorce.year, "?");
    EXPECT_EQ(divorced->type, PartnershipType::divorced);
    EXPECT_EQ(divorced->divorce.year, "1910");
    p.partnerships.clear();
    q.partnerships.clear();
    delete none;
    delete married;
    delete divorced;
}

TEST(Svatba, SharingAfterTheOlderFormat)
{
    Rod tree;
    Clovek* a = add(tree, "A");
    Clovek* b = add(tree, "B", 0);
    Clovek* c = add(tree, "C", 0);
    // Each partner stored its own copy with itself as partner 1.
    Svatba* fromA = new Svatba;
    fromA->partner1 = a;
    fromA->partner2 = b;
    fromA->place = "Praha";
    a->partnerships.append(std::make_unique<UkSvatba>(fromA));
    Svatba* fromB = new Svatba;
    fromB->partner1 = b;
    fromB->partner2 = a;
    b->partnerships.append(std::make_unique<UkSvatba>(fromB));
    // C's partnership with A was stored by A only.
    Svatba* onlyA = new Svatba;
    onlyA->partner1 = a;
    onlyA->partner2 = c;
    a->partnerships.append(std::make_unique<UkSvatba>(onlyA));

    tree.sharePartnerships();
    ASSERT_EQ(b->partnerships.count(), 1);
    Svatba* shared = static_cast<UkSvatba*>(b->partnerships.first())->partnership;
    EXPECT_TRUE(a->hasPartnership(shared));
    EXPECT_TRUE(c->hasPartnership(onlyA));
    EXPECT_EQ(a->partnerships.count(), 2);

    tree.setAllPartnershipNumbers(-1);
    tree.setAllPartnershipFlags(1);
    EXPECT_EQ(onlyA->visited, 1);
    EXPECT_EQ(shared->number, -1);
    // The tree frees every shared record once when it goes (the sanitizer checks).
}
