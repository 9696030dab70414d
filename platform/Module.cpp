#include "platform/Module.h"

#include "platform/ProgramLocation.h"

#include <dlfcn.h>
#include <utility>

namespace platform {

namespace {

std::string LastDlError(const std::string& fallback)
{
    const char* text = dlerror();
    return text ? text : fallback;
}

} // namespace

Module::Module(Module&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), path_(std::move(other.path_)), error_(std::move(other.error_))
{
}

Module& Module::operator=(Module&& other) noexcept
{
    if (this != &other) {
        Unload();
        handle_ = std::exchange(other.handle_, nullptr);
        path_ = std::move(other.path_);
        error_ = std::move(other.error_);
    }
    return *this;
}

bool Module::Load(const std::string& path)
{
    Unload();
    path_ = ProgramLocation::ResolveBesideProgram(path);
    error_.clear();
    dlerror();
    handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_)
        error_ = LastDlError("Can't load " + path_);
    return handle_ != nullptr;
}

void* Module::Symbol(const char* name)
{
    if (!handle_) {
        error_ = "No module is loaded";
        return nullptr;
    }
    dlerror();
    void* address = dlsym(handle_, name);
    if (!address)
        error_ = LastDlError(std::string("The entry ") + name + " is null in " + path_);
    return address;
}

void Module::Unload()
{
    if (handle_) {
        dlclose(handle_);
        handle_ = nullptr;
    }
}

std::string Module::PathOfAddress(const void* address)
{
    Dl_info info;
    if (dladdr(address, &info) == 0 || !info.dli_fname)
        return {};
    // The program itself is reported by the name it was started with, which
    // may be relative; modules by the absolute path they were loaded from.
    if (info.dli_fname[0] != '/')
        return ProgramLocation::ProgramPath();
    return info.dli_fname;
}

} // namespace platform
