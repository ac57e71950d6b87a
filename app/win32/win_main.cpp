// The program's entry: everything happens in app_main, which reads no argument.
#include "app/win32/app_main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { app_main(); }
