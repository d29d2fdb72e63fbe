// The program's global functions that data window expressions call by name.
#pragma once

// Registers of_decrypt and gf_getstring with the data windows.
void RegisterExpressionFunctions();
