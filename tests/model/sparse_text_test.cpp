// The texts most persons leave empty: they read and write as the strings they stand for, and an
// emptied one gives its storage back.
#include "model/person_text_field.h"
#include "model/sparse_text.h"

#include <sstream>

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
    std::string moved = "Praha a okolí";
    t = std::move(moved);
    EXPECT_EQ(t.str(), "Praha a okolí");
    t.edit() += " ž";
    EXPECT_EQ(std::string("v ") + t, "v Praha a okolí ž");
    std::ostringstream out;
    out << t;
    EXPECT_EQ(out.str(), "Praha a okolí ž");

    SparseText copy = t;
    copy = copy; // assigning a text to itself keeps it
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
