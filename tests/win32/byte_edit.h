// A text edit that counts positions as Windows' ANSI edit does, in bytes of the ANSI code
// page, while Wine's counts them in characters: an application-local class "EDIT" over
// the system's edit, so that the main window's own CreateWindowExA("EDIT") makes it.
#pragma once

// Registers it for this module; returns whether the system's edit could be superclassed.
bool register_byte_edit();
// Edits made afterwards are the system's again. Call once their windows are gone.
void unregister_byte_edit();
