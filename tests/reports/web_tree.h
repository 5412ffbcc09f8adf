#pragma once
// The tree the web export tests fill: persons added as the editor adds them, children linked
// to both parents.
#include "model/model_helpers.h"
#include "model/rod.h"

class WebTree {
protected:
    Clovek* add(const std::string& first, const std::string& surname, int sex, const Datum& birth = Datum())
    {
        return addPersonTo(tree, first, surname, sex, birth);
    }
    static void child(Clovek* father, Clovek* mother, Clovek* c) { linkParents(c, father, mother); }
    Rod tree;
};
