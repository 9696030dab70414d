// Telvy12, the editor.
#include "editor/app/Lodo40App.h"

int main(int argc, char** argv)
{
    CLodo40App app;
    const int result = fw::RunApp(app, argc, argv);
    return app.HandedOver() ? 0 : result;
}
