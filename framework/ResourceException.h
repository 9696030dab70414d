// A resource the program needs is missing or damaged. Resources are built
// into the program, so this is a fault of the program itself; it reaches
// the framework like its other errors and is reported where the command or
// event ends.
#pragma once

#include "framework/Exception.h"

namespace fw {

class ResourceException : public Exception {
public:
    explicit ResourceException(std::string message) : Exception(std::move(message)) {}
};

}  // namespace fw
