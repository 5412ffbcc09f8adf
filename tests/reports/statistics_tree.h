#pragma once
// A small family over three generations for the statistics tests, with dates known in part:
// Josef and Marie (married), their son Jan and daughter Eva, Eva's divorced husband Jan Malý
// (no birth date) and their son Petr. Chain from the head: Petr, Jan Malý, Eva, Jan, Marie, Josef.
#include "model/clovek.h"
#include "model/model_helpers.h"
#include "model/rod.h"
#include "model/svatba.h"

struct StatisticsTree {
    Rod tree;
    Clovek* josef = person("Josef", "Král", "", 1, date("10", "1", "1900"));
    Clovek* marie = person("Marie", "Králová", "Malá", 0, date("5", "5", "1905"));
    Clovek* jan = person("Jan", "Král", "", 1, date("20", "1", "1930"));
    Clovek* eva = person("Eva", "Králová", "", 0, date("?", "1", "1932"));
    Clovek* janMaly = person("Jan", "Malý", "", 1, Datum());
    Clovek* petr = person("Petr", "Malý", "", 1, date("12", "12", "1956"));
    Svatba* wedding = nullptr;
    Svatba* divorce = nullptr;

    StatisticsTree()
    {
        tree.treeName = "Králové";
        josef->alive = 0;
        josef->death = date("15", "3", "1970");
        marie->alive = 0;
        marie->death = date("?", "?", "1990");
        wedding = partnership(josef, marie, PartnershipType::married);
        wedding->wedding = date("1", "6", "1928");
        divorce = partnership(janMaly, eva, PartnershipType::divorced);
        divorce->wedding = date("3", "6", "1955");
        divorce->divorce = date("?", "1", "1960");
        jan->father = eva->father = josef;
        jan->mother = eva->mother = marie;
        petr->father = janMaly;
        petr->mother = eva;
        tree.rebuildChildLists();
        tree.rebuildAllSiblingLists();
    }

    Clovek* person(const std::string& first, const std::string& surname, const std::string& birthSurname,
                   int sex, const Datum& birth)
    {
        Clovek* p = makePerson(first, surname, sex, birth);
        p->birthSurname = birthSurname;
        tree.addNewPerson(std::unique_ptr<Clovek>(p));
        return p;
    }
};
