// lumo's demonstration picture.
#include "graphics.h"

int main()
{
    open_graphics(0);
    return 0;
}
