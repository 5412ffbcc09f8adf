#pragma once
// The program started with a new tree that holds nobody yet, as after the new-tree command.
#include "../shell/program_fixture.h"

struct EmptyTreeTest : ProgramTest {
    ZakladniSheet& z() { return hl().zakladniSheet; }

    void SetUp() override
    {
        ProgramTest::SetUp();
        startQuietly();
        hl().createEmptyTree();
        hl().enableControls(true, false);
    }
};
