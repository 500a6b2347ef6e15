// Starting programs and documents (a command line, or the shell's execute call) behind an
// interface, so that in-process tests record the plans instead of starting programs.
#pragma once

#include <windows.h>

#include "commands/launch_plan.h"

class Launcher {
public:
    virtual ~Launcher() = default;
    virtual LaunchResult Run(const LaunchPlan& plan) = 0;
};

class SystemLauncher final : public Launcher {
public:
    LaunchResult Run(const LaunchPlan& plan) override;
};
