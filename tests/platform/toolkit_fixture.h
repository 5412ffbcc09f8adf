#pragma once
// A clean application object with a scripted runner for every toolkit test.
#include "toolkit/application.h"
#include "toolkit/scripted_runner.h"

#include <gtest/gtest.h>

struct FreshApplication {
    FreshApplication()
    {
        Application.reset();
        Application.Title = "Kinvelor";
    }
    ~FreshApplication() { Application.reset(); }
};

class ToolkitTest : public ::testing::Test {
protected:
    FreshApplication fresh_;
    ScriptedRunner script;
};
