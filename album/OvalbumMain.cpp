// The album program, OVALBUM.
#include "album/app/OvalbumApp.h"

int main(int argc, char** argv)
{
    COvalbumApp app;
    return fw::RunApp(app, argc, argv);
}
