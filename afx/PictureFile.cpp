#include "PictureFile.h"

#include <sys/stat.h>

namespace afx {

const char* const kPictureEndings[5] = {".bmp", ".png", ".jpg", ".jpeg", ".gif"};

namespace {

bool IsFile(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

std::string ExistingPicture(const std::string& bmpPath)
{
    const std::string ending = ".bmp";
    if (IsFile(bmpPath))
        return bmpPath;
    if (bmpPath.size() < ending.size() || bmpPath.compare(bmpPath.size() - ending.size(), ending.size(), ending) != 0)
        return std::string();
    const std::string stem = bmpPath.substr(0, bmpPath.size() - ending.size());
    for (const char* other : kPictureEndings)
        if (IsFile(stem + other))
            return stem + other;
    return std::string();
}

} // namespace afx
