// The main of both saver programs: the program's own string table, the
// user's registry store and the application object.
#pragma once

#include "savers/SaverProgram.h"

#include <memory>

class QnStringSource;

int SaverMain(const SaverProgram& program, std::shared_ptr<const QnStringSource> strings, int argc, char** argv);
