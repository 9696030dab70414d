// A loaded module (shared library or plug-in): dlopen with an explicit path
// and RTLD_LOCAL, so that modules with entries of the same name ("ENTRYPOINT1")
// never see each other's symbols. A failure leaves the reason as text.
#pragma once

#include <string>

namespace platform {

class Module {
public:
    Module() = default;
    ~Module() { Unload(); }
    Module(Module&& other) noexcept;
    Module& operator=(Module&& other) noexcept;
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    // Loads path; a bare name is taken from the program's folder. A module
    // already loaded in the process is shared (the system counts the loads).
    // False when it does not load; Error() then says why.
    bool Load(const std::string& path);

    bool IsLoaded() const { return handle_ != nullptr; }
    // The path the module was loaded from.
    const std::string& Path() const { return path_; }
    const std::string& Error() const { return error_; }

    // The address of an exported entry, or null (Error() then says why).
    void* Symbol(const char* name);
    template <class Function>
    Function* Entry(const char* name)
    {
        return reinterpret_cast<Function*>(Symbol(name));
    }

    // Drops this object's load; the module goes when no load is left.
    void Unload();

    // The file of the module (or program) that holds address; "" when none.
    static std::string PathOfAddress(const void* address);

private:
    void* handle_ = nullptr;
    std::string path_;
    std::string error_;
};

} // namespace platform
