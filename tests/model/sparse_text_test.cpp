// The texts most persons leave empty: they read and write as the strings they stand for, and an
// emptied one gives its storage back.
#include "model/person_text_field.h"
#include "model/sparse_text.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

TEST(SparseText, ReadsAndWritesAsAString)
{
    SparseText t;
    EXPECT_TRUE(t.empty());
    EXPECT_EQ(t.str(), "");
    EXPECT_STREQ(t.c_str(), "");
    t = "Brno";
    EXPECT_EQ(t, "Brno");
    EXPECT_EQ(t.size(), 4u);
    const std::string city = "Praha a okolí";
    t = city;
    EXPECT_EQ(t.str(), "Praha a okolí");
    t.edit() += " ž";
    EXPECT_EQ(std::string("v ") + t, "v Praha a okolí ž");
    std::ostringstream out;
    out << t;
    EXPECT_EQ(out.str(), "Praha a okolí ž");

    SparseText copy = t;
    const SparseText& same = copy;
    copy = same; // assigning a text to itself keeps it
    EXPECT_EQ(copy, t);
    copy = std::string();
    EXPECT_TRUE(copy.empty());
    EXPECT_FALSE(t.empty());
    EXPECT_FALSE(copy == t);
}

TEST(PersonTextField, NamesPlainAndSparseFieldsAlike)
{
    Clovek p;
    const PersonTextField surname(&Clovek::surname), burial(&Clovek::burial), none;
    EXPECT_TRUE(surname && burial);
    EXPECT_FALSE(none);
    surname.set(p, "Novák");
    burial.set(p, "Olšany");
    EXPECT_EQ(p.surname, "Novák");
    EXPECT_EQ(p.burial, "Olšany");
    EXPECT_EQ(burial.of(p), "Olšany");
    burial.set(p, "");
    EXPECT_TRUE(p.burial.empty());
    EXPECT_EQ(burial.of(p), "");
}

TEST(SparseText, EqualShortTextsAreHeldOnceAndLetGoWithTheirLastField)
{
    const size_t before = SparseText::sharedCount();
    {
        SparseText a = "Vlastislava";
        SparseText b;
        b = std::string("Vlastislava");
        EXPECT_TRUE(a.sharesTextWith(b));
        EXPECT_EQ(SparseText::sharedCount(), before + 1);
        a = "Ludmila";
        EXPECT_EQ(b, "Vlastislava");
        EXPECT_EQ(SparseText::sharedCount(), before + 2);
        b.clear();
        EXPECT_EQ(SparseText::sharedCount(), before + 1);
    }
    EXPECT_EQ(SparseText::sharedCount(), before);
}

TEST(SparseText, ChangingOneFieldNeverShowsInAnother)
{
    SparseText a = "Kroměříž", b = a, c = "Kroměříž";
    b.edit() += " II";
    EXPECT_EQ(a, "Kroměříž");
    EXPECT_EQ(c, "Kroměříž");
    EXPECT_EQ(b, "Kroměříž II");
    SparseText d = b; // a text of its own, now held twice
    d.edit().erase(0, 1);
    EXPECT_EQ(b, "Kroměříž II");
    EXPECT_EQ(d, "roměříž II");
    a += " nad Moravou";
    EXPECT_EQ(a, "Kroměříž nad Moravou");
    EXPECT_EQ(c, "Kroměříž");

    // A text written from a part of itself, whether shared or its own.
    c = std::string_view(c.str()).substr(0, 4);
    EXPECT_EQ(c, "Krom");
    d = std::string_view(d.str()).substr(3);
    EXPECT_EQ(d, "ěříž II");

    const std::string note(200, 'x');
    SparseText long1 = note, long2 = note;
    EXPECT_FALSE(long1.sharesTextWith(long2));
    EXPECT_EQ(long1, long2);
}

TEST(SparseText, DatesAndPersonsKeepTheirOwnValues)
{
    Datum born;
    EXPECT_EQ(born.day, "?");
    EXPECT_TRUE(Datum::isUnknown(born.year));
    Datum copy = born;
    copy.day = "5";
    copy.year = "1900";
    EXPECT_EQ(born.day, "?");
    EXPECT_EQ(born.year, "?");
    EXPECT_EQ(copy.day + "." + copy.year, "5.1900");

    Clovek a, b;
    a.surname = "Dvořák";
    b.surname = a.surname;
    b.surname = "Dvořáková";
    EXPECT_EQ(a.surname, "Dvořák");
    EXPECT_EQ(b.surname, "Dvořáková");
    EXPECT_LT(a.surname, b.surname);
}

TEST(SparseText, FreedTextsMakeRoomForNewOnesWithoutTouchingTheHeldOnes)
{
    // Enough texts of their own that the table of texts grows several times while fields hold
    // and read them.
    const SparseText early = "Valašské Meziříčí";
    const std::string& read = early.str(); // a text being read stays put while the table grows
    std::vector<SparseText> notes;
    for (int i = 0; i < 5000; ++i)
        notes.emplace_back(std::string(50, 'a') + std::to_string(i));
    for (int i = 0; i < 5000; i += 2)
        notes[i].clear();
    for (int i = 0; i < 5000; i += 2)
        notes[i] = "Jindřichův Hradec " + std::to_string(i);
    for (int i = 0; i < 5000; ++i) {
        const std::string expected =
            i % 2 ? std::string(50, 'a') + std::to_string(i) : "Jindřichův Hradec " + std::to_string(i);
        ASSERT_EQ(notes[i], expected) << i;
    }
    EXPECT_EQ(read, "Valašské Meziříčí");

    // A field written through edit() from nothing holds a text of its own, even an empty one.
    SparseText blank, other;
    blank.edit();
    EXPECT_TRUE(blank.empty());
    EXPECT_FALSE(blank.sharesTextWith(other));
    blank.edit() = "Tábor";
    EXPECT_EQ(blank, "Tábor");
    other = blank;
    blank.clear();
    EXPECT_EQ(other, "Tábor");
    EXPECT_TRUE(blank.empty());
}

TEST(SparseText, TheUnknownDatePartOutlivesEveryDateThatHeldIt)
{
    {
        Datum a, b;
        EXPECT_TRUE(a.day.sharesTextWith(b.year));
    }
    const size_t held = SparseText::sharedCount();
    {
        Datum c;
        c.day = "7";
        EXPECT_EQ(SparseText::sharedCount(), held + 1);
    }
    EXPECT_EQ(SparseText::sharedCount(), held);
    Datum d;
    EXPECT_EQ(d.month, "?");
    EXPECT_LE(sizeof(Datum), 20u); // three text numbers, the tolerance and the flag
}

// Thousands of shared texts are let go of in between others: every text still held is found
// again by its letters (a field given the same letters shares it), none is listed twice, and
// the freed ones are listed anew.
TEST(SparseText, SharedTextsStayFoundWhileOthersAreLetGo)
{
    const size_t before = SparseText::sharedCount();
    {
        constexpr int n = 6000;
        auto name = [](int i) { return "Obec " + std::to_string(i * 7919 % 100000); };
        std::vector<SparseText> held;
        for (int i = 0; i < n; ++i)
            held.emplace_back(name(i));
        EXPECT_EQ(SparseText::sharedCount(), before + n);
        for (int i = 0; i < n; i += 3)
            held[i].clear();
        std::vector<SparseText> again;
        for (int i = 0; i < n; ++i)
            again.emplace_back(name(i));
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(again[i], name(i));
            if (i % 3) {
                ASSERT_TRUE(again[i].sharesTextWith(held[i])) << i;
            }
        }
        EXPECT_EQ(SparseText::sharedCount(), before + n);
    }
    EXPECT_EQ(SparseText::sharedCount(), before);
}
