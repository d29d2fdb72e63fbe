#include "runtime/win32/module.h"

#include "runtime/file/native_path.h"

#include <filesystem>
#include <system_error>

namespace runtime {

namespace {
std::string &overridden()
{
    static std::string path;
    return path;
}
} // namespace

String ModuleFileName()
{
    std::string native = overridden();
    if (native.empty()) {
        std::error_code ec;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        if (ec)
            return String();
        native = exe.string();
    }
    const size_t slash = native.find_last_of('/');
    if (slash != std::string::npos)
        RememberNativeFolder(native.substr(0, slash + 1));
    return FromUtf8(native);
}

void SetModuleFileName(const std::string &nativePath) { overridden() = nativePath; }

} // namespace runtime
