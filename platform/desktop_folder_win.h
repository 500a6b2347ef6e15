// Where the user's desktop is, as the shell records it.
#pragma once

#include <string>

// The desktop folder without a trailing backslash; empty when the shell records none.
std::string DesktopFolder();
