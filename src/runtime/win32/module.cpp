#include "runtime/win32/module.h"

#include <filesystem>
#include <system_error>

namespace runtime {

namespace {
String &overridden()
{
    static String path;
    return path;
}
} // namespace

String ModuleFileName()
{
    if (!overridden().empty())
        return overridden();
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? String() : FromUtf8(exe.string());
}

void SetModuleFileName(const String &path) { overridden() = path; }

} // namespace runtime
