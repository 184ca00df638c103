// A program that never opens a window: prints a line, then exits with the
// status given as its argument, or with "wait" waits for good.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

int main(int argc, char **argv)
{
    puts("no window here");
    fflush(stdout);
    if (argc > 1 && strcmp(argv[1], "wait") == 0)
        Sleep(INFINITE);
    return argc > 1 ? atoi(argv[1]) : 0;
}
