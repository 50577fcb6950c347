#pragma once
// The Windows API for this front end. windows.h makes DrawText a macro, which would rename the
// platform's own DrawText in some files and not in others: the API's is called DrawTextW here.
#include <windows.h>
#undef DrawText
