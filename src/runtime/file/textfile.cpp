#include "runtime/file/textfile.h"

#include "runtime/file/native_path.h"

#include <cstdio>
#include <map>

namespace runtime {

namespace {

std::map<int, std::FILE *> &openFiles()
{
    static std::map<int, std::FILE *> files;
    return files;
}

} // namespace

int FileOpenAppend(const String &name)
{
    if (name.empty())
        return -1;
    std::FILE *f = std::fopen(NativePath(name).c_str(), "ab");
    if (!f)
        return -1;
    static int next = 0;
    const int number = ++next;
    openFiles()[number] = f;
    return number;
}

long FileWriteLine(int file, const String &text)
{
    const auto it = openFiles().find(file);
    if (it == openFiles().end())
        return -1;
    const std::string line = text + "\r\n";
    if (std::fwrite(line.data(), 1, line.size(), it->second) != line.size() || std::fflush(it->second) != 0)
        return -1;
    return static_cast<long>(line.size());
}

int FileClose(int file)
{
    const auto it = openFiles().find(file);
    if (it == openFiles().end())
        return -1;
    std::fclose(it->second);
    openFiles().erase(it);
    return 1;
}

} // namespace runtime
