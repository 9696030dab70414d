#include "platform/Module.h"

#include "platform/ProgramLocation.h"

#include <dlfcn.h>
#include <filesystem>
#include <link.h>
#include <utility>

namespace platform {

namespace {

std::string LastDlError(const std::string& fallback)
{
    const char* text = dlerror();
    return text ? text : fallback;
}

// path against the current folder when it is relative.
std::string Absolute(const std::string& path)
{
    if (path.empty() || path[0] == '/')
        return path;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
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
    // The system keeps the name a module was opened by and reports it for
    // the module's addresses: an absolute one lets the module find its own
    // file (its settings, its help) whatever the current folder.
    handle_ = dlopen(Absolute(path_).c_str(), RTLD_NOW | RTLD_LOCAL);
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
    link_map* object = nullptr;
    if (dladdr1(address, &info, reinterpret_cast<void**>(&object), RTLD_DL_LINKMAP) == 0 || !object)
        return {};
    // The program heads the list of loaded objects; the system names it by
    // whatever it was started with, which may be relative or a link. It is
    // told apart by that place, never by the form of its name: a module
    // opened by a relative path has a relative name too.
    if (!object->l_prev)
        return ProgramLocation::ProgramPath();
    if (!info.dli_fname || !info.dli_fname[0])
        return {};
    return Absolute(info.dli_fname);
}

} // namespace platform
