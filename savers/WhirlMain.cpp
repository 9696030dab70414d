// The whirl screen saver.
#include "platform/OwnResources.h"
#include "savers/SaverMain.h"

int main(int argc, char** argv) { return SaverMain(SaverProgram::Whirl(), platform::OwnStringSource(), argc, argv); }
