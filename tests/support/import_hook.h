// Redirects a function that this program imports from a DLL, by rewriting its entry in
// the import address table, so that tests can watch the program's calls to the system.
#pragma once

// Points every call that this module makes to dll!function at replacement; returns the
// function that was there before (null when the module does not import it).
void* hook_import(const char* dll, const char* function, void* replacement);
