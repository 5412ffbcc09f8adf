#pragma once
// The main window of the benches that drive it without the other windows: a new tree in memory
// under the Czech collation, replaying its undo steps through the window, and the person list of
// every person.
#include "app/main_window.h"
#include "model/rod.h"
#include "system/collation.h"

#include <memory>

namespace bench {

inline Rod& newTreeIn(Thlavni& main)
{
    setCollationLocale("cs");
    main.session.adopt(std::make_unique<Rod>());
    main.session.tree()->attachEditor(&main.editor);
    return *main.session.tree();
}

// `rows` rows high, filled in the tree's order.
inline PersonListPanel& listEveryPerson(Thlavni& main, int rows = 32)
{
    main.personList.makeView(rows);
    main.personList.fill();
    return main.personList;
}

} // namespace bench
