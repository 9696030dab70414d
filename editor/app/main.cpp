// Telvy12, the editor.
#include "editor/app/Lodo40App.h"

int main(int argc, char** argv)
{
    CLodo40App app;
    return fw::RunApp(app, argc, argv);
}
