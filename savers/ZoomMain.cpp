// The zoom screen saver.
#include "platform/OwnResources.h"
#include "savers/SaverMain.h"

int main(int argc, char** argv) { return SaverMain(SaverProgram::Zoom(), platform::OwnStringSource(), argc, argv); }
