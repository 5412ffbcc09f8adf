#pragma once
// Checks that hold for every window layout: each visible control lies inside the client area of
// its parent, and no two visible controls of one parent cover each other. A tab sheet's client
// area is that of its page control less the tabs.
#include "toolkit/control.h"
#include "toolkit/pagecontrol.h"

#include <gtest/gtest.h>

#include <string>

namespace layout {

inline void expectInside(const TWinControl& parent, int width, int height)
{
    const auto& children = parent.Controls();
    for (size_t i = 0; i < children.size(); ++i) {
        const TControl& c = *children[i];
        if (!c.Visible)
            continue;
        if (dynamic_cast<const TTabSheet*>(&c)) {
            expectInside(static_cast<const TWinControl&>(c), parent.Width - 8, parent.Height - 30);
            continue;
        }
        EXPECT_GE(c.Left, 0) << c.Name;
        EXPECT_GE(c.Top, 0) << c.Name;
        EXPECT_LE(c.Left + c.Width, width) << c.Name << " sticks out of " << parent.Name;
        EXPECT_LE(c.Top + c.Height, height) << c.Name << " sticks out of " << parent.Name;
        for (size_t j = i + 1; j < children.size(); ++j) {
            const TControl& d = *children[j];
            if (!d.Visible || dynamic_cast<const TTabSheet*>(&d))
                continue;
            const bool apart = c.Left + c.Width <= d.Left || d.Left + d.Width <= c.Left ||
                               c.Top + c.Height <= d.Top || d.Top + d.Height <= c.Top;
            EXPECT_TRUE(apart) << c.Name << " covers " << d.Name;
        }
        if (auto* w = dynamic_cast<const TWinControl*>(&c))
            expectInside(*w, c.Width, c.Height);
    }
}

// The whole window.
inline void expectTidy(const TWinControl& window)
{
    expectInside(window, window.Width, window.Height);
}

} // namespace layout

namespace layout {

// The control of that name anywhere below `root`, or nullptr.
inline TControl* find(const TWinControl& root, const std::string& name)
{
    for (TControl* c : root.Controls()) {
        if (c->Name == name)
            return c;
        if (auto* w = dynamic_cast<const TWinControl*>(c))
            if (TControl* found = find(*w, name))
                return found;
    }
    return nullptr;
}

} // namespace layout
