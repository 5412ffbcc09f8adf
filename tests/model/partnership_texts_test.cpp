// The wedding and divorce checks rule by rule, and the summary of a partnership in its kinds.
#include "model/clovek.h"
#include "model/display_settings.h"
#include "model/life_checks.h"
#include "model/partnership_summary.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "model_helpers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::string failed(const DateCheck& check)
{
    return check ? check->key : "ok";
}

struct Couple {
    Clovek a;
    Clovek b;
    Svatba s;
    std::vector<std::unique_ptr<Clovek>> kids;
    Couple(PartnershipType type = PartnershipType::married)
    {
        a.firstName = "Jan";
        a.surname = "Kos";
        b.firstName = "Eva";
        b.surname = "Kosová";
        b.sex = 0;
        s.partner1 = &a;
        s.partner2 = &b;
        s.type = type;
    }
    ~Couple()
    {
        a.children.clear();
        b.children.clear();
    }
    Clovek* child(const std::string& name, const Datum& birth, bool both = true)
    {
        kids.push_back(std::make_unique<Clovek>());
        Clovek* c = kids.back().get();
        c->firstName = name;
        c->surname = "Kos";
        c->birth = birth;
        a.children.append(std::make_unique<UkClovek>(c));
        if (both)
            b.children.append(std::make_unique<UkClovek>(c));
        return c;
    }
    std::vector<std::string> summary(const Datum& today = Datum("15", "6", "2023"))
    {
        FakeTexts texts;
        std::vector<std::string> lines{"old"};
        writePartnershipSummary(lines, s, texts, FixedDisplaySettings(), today);
        return lines;
    }
};

TEST(WeddingChecks, RulesRunInTheirOrderAndUnknownPartsNeverFail)
{
    Couple c;
    const LifeLimits limits;
    c.a.birth = Datum("?", "?", "1920");
    c.b.birth = Datum("?", "?", "1930");
    c.s.wedding = Datum("?", "?", "1910");
    EXPECT_EQ(failed(checkWeddingDate(c.a, c.s, limits, true)), "svatbaNizsiNarozeni");
    c.s.wedding.year = "1925";
    EXPECT_EQ(failed(checkWeddingDate(c.a, c.s, limits, true)), "svatbaNizsiPartnerNarozeni");
    EXPECT_EQ(failed(checkWeddingDate(c.b, c.s, limits, true)), "svatbaNizsiNarozeni");
    c.s.wedding.year = "2051";
    EXPECT_EQ(failed(checkWeddingDate(c.a, c.s, limits, true)), "svatbaVyssiMaximum");
    EXPECT_EQ(failed(checkWeddingDate(c.a, c.s, limits, false)), "ok")
        << "limits only when the year is edited";
    c.s.wedding.year = "1960";
    c.a.death = Datum("?", "?", "1950");
    EXPECT_EQ(failed(checkWeddingDate(c.a, c.s, limits, false)), "ok") << "a living person has no death";
    c.a.alive = 0;
    EXPECT_EQ(failed(checkWeddingDate(c.a, c.s, limits, false)), "svatbaVyssiSmrt2");
    EXPECT_EQ(failed(checkWeddingDate(c.b, c.s, limits, false)), "svatbaVyssiPartnerSmrt");
    c.a.alive = 1;
    c.s.type = PartnershipType::divorced;
    c.s.wedding = Datum("20", "5", "1960");
    c.s.divorce = Datum("10", "5", "1960");
    EXPECT_EQ(failed(checkWeddingDate(c.a, c.s, limits, false)), "rozvodNizsiSvatba");
    c.s.wedding = Datum("?", "?", "?");
    EXPECT_EQ(failed(checkWeddingDate(c.a, c.s, limits, true)), "ok");
}

TEST(WeddingChecks, TheDivorceTestsThePartnersBirthBeforeTheLimits)
{
    Couple c(PartnershipType::divorced);
    c.b.birth = Datum("?", "?", "1990");
    c.s.divorce = Datum("?", "?", "1500");
    EXPECT_EQ(failed(checkDivorceDate(c.a, c.s, LifeLimits(), true)), "rozvodNizsiPartnerNarozeni");
    c.b.birth = Datum();
    EXPECT_EQ(failed(checkDivorceDate(c.a, c.s, LifeLimits(), true)), "rozvodNizsiMinimum");
    // A partnership without a second partner skips the partner's rules.
    c.s.partner2 = nullptr;
    c.s.divorce.year = "1990";
    c.s.wedding.year = "1995";
    EXPECT_EQ(failed(checkDivorceDate(c.a, c.s, LifeLimits(), true)), "rozvodNizsiSvatba");
}

TEST(PartnershipSummary, APlainPartnershipListsOnlyTheCommonChildren)
{
    Couple c(PartnershipType::plain);
    c.child("Ota", Datum("?", "?", "1960"));
    c.child("Ada", Datum("?", "?", "1950"));
    c.child("Cizí", Datum("?", "?", "1955"), false);
    c.child("Bob", Datum("?", "?", "1940"));
    EXPECT_EQ(c.summary(),
              (std::vector<std::string>{" SHRNUTÍ PARTNERSKÉHO SVAZKU", std::string(39, '='),
                                        "Pár spolu měl 3 děti:", "Kos Bob", "Kos Ada", "Kos Ota"}));
    Couple none(PartnershipType::plain);
    EXPECT_EQ(none.summary()[2], "Pár spolu neměl žádné děti.");
}

TEST(PartnershipSummary, AMarriageOfLivingPartnersLastsUntilToday)
{
    Couple c;
    c.s.wedding = Datum("1", "6", "2020");
    c.s.place = "Brno";
    c.s.officiant = "farář Novák";
    c.child("Ada", Datum("1", "1", "2019"));
    for (int i = 0; i < 4; ++i)
        c.child("Dítě", Datum("?", "?", "2021"));
    const std::vector<std::string> lines = c.summary();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], " SHRNUTÍ MANŽELSTVÍ");
    EXPECT_EQ(lines[1], std::string(30, '='));
    EXPECT_EQ(lines[2],
              "Svatební obřad této dvojice se uskutečnil 1. června 2020. Místo oddání páru je Brno. "
              "Obřad vedl farář Novák.");
    EXPECT_EQ(lines[4], "Manželé spolu měli 5 dětí:");
    EXPECT_EQ(lines[5], "Kos Ada (narozen(a) před svatbou)");
    EXPECT_EQ(lines[11], "Manželství trvá dodnes.");
    EXPECT_EQ(lines[12], "Trvá již 1109 dní (3 roky a 14 dní).");
}

TEST(PartnershipSummary, DivorcesAndDeathsEndTheMarriage)
{
    Couple divorced(PartnershipType::divorced);
    divorced.s.wedding = Datum("?", "?", "1950");
    divorced.s.divorce = Datum("?", "?", "1953");
    divorced.child("Pozdní", Datum("?", "?", "1960"));
    std::vector<std::string> lines = divorced.summary();
    EXPECT_EQ(lines[4], "Manželé spolu měli jedno dítě:");
    EXPECT_EQ(lines[5], "Kos Pozdní (narozen(a) po rozvodu)");
    EXPECT_EQ(lines[7], "Manželství bylo ukončeno rozvodem. Stalo se tak v roce 1953.");
    EXPECT_EQ(lines[8], "Trvalo 3 roky.");

    Couple widower;
    widower.b.alive = 0;
    widower.b.death = Datum("?", "?", "1990");
    lines = widower.summary();
    EXPECT_EQ(lines[2], "Není známo, kdy se uskutečnila svatba této dvojice.");
    EXPECT_EQ(lines[6], "Manželství bylo ukončeno, když zemřela Kosová Eva. Stalo se tak v roce 1990.");
    EXPECT_EQ(lines.size(), 7u) << "no duration without a wedding year";

    // A death typed before the wedding tells no length: "Trvalo -13 let." and a negative count
    // of days told nothing true.
    Couple slip;
    slip.b.alive = 0;
    slip.b.death = Datum("20", "10", "1734");
    for (const Datum& wedding :
         {Datum("?", "?", "1747"), Datum("5", "2", "1750"), Datum("?", "11", "1734")}) {
        slip.s.wedding = wedding;
        lines = slip.summary();
        EXPECT_EQ(lines.back(),
                  "Manželství bylo ukončeno, když zemřela Kosová Eva. Stalo se tak 20. října 1734.")
            << wedding.shortText();
    }
    slip.s.wedding = Datum("?", "10", "1734"); // the same month: it may have come first
    EXPECT_EQ(slip.summary().back(), "Trvalo velice krátce.");

    Couple both;
    both.a.alive = both.b.alive = 0;
    lines = both.summary();
    EXPECT_EQ(lines.back(), "Svazek byl ukončen smrtí.");
}

} // namespace
