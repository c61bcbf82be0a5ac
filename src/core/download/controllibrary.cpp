#include "download/controllibrary.h"

#include <QLibrary>

namespace {

class SharedControlLibrary : public ControlLibrary {
  public:
    explicit SharedControlLibrary(const QString& path) : m_library(path) {}
    ~SharedControlLibrary() override { m_library.unload(); }

    bool load() { return m_library.load(); }

    EntryPoint resolve(const char* name) override {
        // The entry points return a 32-bit result code.
        using Function = qint32 (*)();
        const auto function = reinterpret_cast<Function>(m_library.resolve(name));
        if (!function) {
            return {};
        }
        return [function] { return int(function()); };
    }

  private:
    QLibrary m_library;
};

}  // namespace

std::unique_ptr<ControlLibrary> SharedLibraryLoader::load(const QString& path) {
    auto library = std::make_unique<SharedControlLibrary>(path);
    if (!library->load()) {
        return nullptr;
    }
    return library;
}
