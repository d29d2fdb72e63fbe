#include "runtime/file/native_path.h"

#include <vector>

namespace runtime {

namespace {

struct Folder {
    String asScriptsSeeIt;
    std::string native;
};

std::vector<Folder> &folders()
{
    static std::vector<Folder> f;
    return f;
}

} // namespace

void RememberNativeFolder(const std::string &folder)
{
    for (const Folder &f : folders())
        if (f.native == folder)
            return;
    folders().push_back({FromUtf8(folder), folder});
}

std::string NativePath(const String &path)
{
    for (const Folder &f : folders())
        if (!f.asScriptsSeeIt.empty() && path.compare(0, f.asScriptsSeeIt.size(), f.asScriptsSeeIt) == 0)
            return f.native + ToUtf8(path.substr(f.asScriptsSeeIt.size()));
    return ToUtf8(path);
}

} // namespace runtime
