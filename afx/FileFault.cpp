#include "FileFault.h"

#include <cerrno>

namespace afx {

const char* FileFaultPrompt(FileFault fault, bool saving)
{
    switch (fault) {
    case FileFault::notFound:
        return "%1\nCannot find this file.\nPlease verify that the correct path and file name are given.";
    case FileFault::accessDenied:
        return saving ? "Unable to write to %1, it is read-only or opened by someone else."
                      : "Unable to read from %1, it is opened by someone else.";
    case FileFault::diskFull:
        return "Destination disk drive is full.";
    case FileFault::ioError:
        return saving ? "An unexpected error occurred while writing %1."
                      : "An unexpected error occurred while reading %1.";
    case FileFault::none:
        break;
    }
    return saving ? "Failed to save document." : "Failed to open document.";
}

FileFault FileFaultFromErrno(int error)
{
    switch (error) {
    case 0:
        return FileFault::none;
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return FileFault::notFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return FileFault::accessDenied;
    case ENOSPC:
    case EDQUOT:
        return FileFault::diskFull;
    default:
        return FileFault::ioError;
    }
}

} // namespace afx
