#pragma once
// The check boxes an option window offers, each with its first state (their captions are the
// window's texts), laid down columns in the order given: `rows` to a column (0: all in one),
// then on at the top of the next.
#include "toolkit/stdctrls.h"

#include <initializer_list>

struct CheckBoxChoice {
    TCheckBox& box;
    bool checked;
};

struct CheckBoxColumns {
    int left;
    int top;
    int width;
    int rowStep;
    int rows = 0;
    int columnStep = 0;
};

void placeCheckBoxColumns(std::initializer_list<CheckBoxChoice> choices, const CheckBoxColumns& columns);
