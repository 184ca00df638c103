// Exits with the status given as its argument, or crashes when told "crash".
#include <stdlib.h>
#include <string.h>

int main(int argc, char **argv)
{
    if (argc > 1 && strcmp(argv[1], "crash") == 0) {
        volatile int *nowhere = nullptr;
        *nowhere = 1;
    }
    return argc > 1 ? atoi(argv[1]) : 0;
}
