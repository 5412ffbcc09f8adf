#include "forms/check_box_columns.h"

void placeCheckBoxColumns(std::initializer_list<CheckBoxChoice> choices, const CheckBoxColumns& columns)
{
    const int perColumn = columns.rows > 0 ? columns.rows : static_cast<int>(choices.size());
    int index = 0;
    for (const CheckBoxChoice& c : choices) {
        c.box.SetBounds(columns.left + (index / perColumn) * columns.columnStep,
                        columns.top + (index % perColumn) * columns.rowStep, columns.width, 17);
        c.box.setChecked(c.checked);
        ++index;
    }
}
