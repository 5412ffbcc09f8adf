#pragma once
// A small tree for the export tests: Czech names, every field the export writes, partnerships
// in every state and a man with two partners, a child known only by its mother, and a value
// longer than a GEDCOM line.
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/model_helpers.h"
#include "model/rod.h"
#include "model/svatba.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The lines of an exported file, each checked to end with CR LF.
inline std::vector<std::string> linesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos)
            break;
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

struct ExportTree {
    Rod tree;
    Clovek* jan;
    Clovek* marie;
    Clovek* eva;
    Clovek* petr;
    Clovek* anna;
    Clovek* karel;
    Clovek* zdenek;
    Svatba* married;
    Svatba* divorced;
    Svatba* unmarried;
    std::string longPlace;

    ExportTree()
    {
        tree.treeName = "Novákovi";
        tree.author = "Jiří Šťastný";
        tree.createdText = "Brno, 2026";
        jan = add("Jan", "Novák", "", 1, date("5", "3", "1900"), "Třebíč");
        marie = add("Marie", "Nováková", "Svobodová", 0, date("1", "7", "1905"), "Praha");
        eva = add("Eva", "Dvořáková", "", 0, date("?", "?", "1898"), "");
        petr = add("Petr", "Novák", "", 1, date("?", "4", "1926"), "Brno");
        anna = add("Anna", "Černá", "Nováková", 0, date("14", "2", "1928"), "Brno");
        karel = add("Karel", "Černý", "", 1, Datum(), "");
        zdenek = add("Zdeněk", "Dvořák", "", 1, date("2", "9", "1924"), "Žďár nad Sázavou");

        jan->alive = 0;
        jan->death = date("12", "11", "1970");
        jan->deathPlace = "Brno";
        jan->deathCause = "zápal plic";
        jan->burial = "Ústřední hřbitov";
        jan->educations.append(std::unique_ptr<Prvek>(period("gymnázium", "1910", "1918")));
        jan->educations.append(std::unique_ptr<Prvek>(period("univerzita", "", "")));
        jan->occupations.append(std::unique_ptr<Prvek>(period("učitel", "1925", "")));
        jan->residences.append(std::unique_ptr<Prvek>(period("Brno, Údolní 5", "1930", "1970")));
        jan->residences.append(std::unique_ptr<Prvek>(period("Třebíč", "", "")));
        jan->religion = "římskokatolické";
        jan->nationality = "česká";
        jan->email1 = "jan@novak.cz";
        jan->phone1 = "+420 123 456 789";
        jan->web1 = "www.novak.cz";
        jan->titlesBefore = "Ing.";
        jan->titlesAfter = "CSc.";
        jan->baptism = "8.3.1900";
        jan->setFurtherTexts({"Narozen doma.", "", "Zapsán v matrice."});
        eva->baptism = "u sv. Jiří";
        marie->alive = 0;
        marie->death = date("?", "?", "1980");
        marie->burial = "Ústřední hřbitov";
        karel->burial = "Vyšehrad"; // alive: no burial is written

        married = partnership(jan, marie, PartnershipType::married);
        married->wedding = date("20", "6", "1925");
        married->place = "Kostel sv. Jakuba, Brno";
        married->officiant = "P. Josef Dvořák";
        married->witnesses = "Karel Novák, Jan Svoboda";
        divorced = partnership(jan, eva, PartnershipType::divorced);
        divorced->wedding = date("?", "5", "1920");
        divorced->divorce = date("?", "?", "1923");
        unmarried = partnership(anna, karel, PartnershipType::plain);

        for (int i = 0; i < 40; ++i)
            longPlace += "Čeňkova ";
        longPlace += "ulice";
        zdenek->deathPlace = longPlace;
        zdenek->alive = 0;

        petr->father = jan;
        petr->mother = marie;
        anna->father = jan;
        anna->mother = marie;
        zdenek->mother = eva;
        tree.rebuildChildLists();
        tree.rebuildAllSiblingLists();
    }

    Clovek* add(const std::string& first, const std::string& surname, const std::string& birthSurname,
                int sex, const Datum& birth, const std::string& place)
    {
        Clovek* p = makePerson(first, surname, sex, birth);
        p->birthSurname = birthSurname;
        p->birthPlace = place;
        tree.addNewPerson(std::unique_ptr<Clovek>(p));
        return p;
    }
};
