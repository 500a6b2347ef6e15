// One window per user: a second start hands its command line to the running window.
#pragma once

#include <string>
#include <vector>

// True when this process should end at once: a running window was found, brought to the
// front and given the arguments. "-n" among the arguments always starts a new window.
bool PassToRunningInstance(const std::vector<std::string>& args);
