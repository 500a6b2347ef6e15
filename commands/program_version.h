// The program's version, shared by the version block of the resources and the version box.
#pragma once

#define TABORA_VERSION_BINARY 1, 0, 0, 0
#define TABORA_VERSION_TEXT "1.0.0"
