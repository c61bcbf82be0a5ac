#pragma once

#include <QString>
#include <functional>
#include <memory>

// A self-registering control library as the registration sees it: loaded from a path, asked
// for an entry point by name, unloaded when released. The program loads real shared libraries
// (QLibrary); tests give a loader of their own.
class ControlLibrary {
  public:
    // DllRegisterServer and DllUnregisterServer take nothing and return 0 on success.
    using EntryPoint = std::function<int()>;

    virtual ~ControlLibrary() = default;
    // An empty function when the library has no such entry point.
    virtual EntryPoint resolve(const char* name) = 0;
};

class ControlLibraryLoader {
  public:
    virtual ~ControlLibraryLoader() = default;
    // Null when the file cannot be loaded as a library.
    virtual std::unique_ptr<ControlLibrary> load(const QString& path) = 0;
};

// Loads shared libraries with QLibrary; releasing one unloads it.
class SharedLibraryLoader : public ControlLibraryLoader {
  public:
    std::unique_ptr<ControlLibrary> load(const QString& path) override;
};
