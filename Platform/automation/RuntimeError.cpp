#include "RuntimeError.h"

#include <cerrno>
#include <iterator>

namespace Platform {

namespace {

struct StandardText {
    int32_t number;
    const char* text;
};

// In the order in which language tables translate them; the last text is
// for every number not listed.
constexpr StandardText StandardTexts[] = {
    {Err::InvalidArgument, "Invalid procedure call or argument"},
    {Err::Overflow, "Overflow"},
    {Err::OutOfMemory, "Out of memory"},
    {Err::SubscriptOutOfRange, "Subscript out of range"},
    {Err::TypeMismatch, "Type mismatch"},
    {Err::BadFileName, "Bad file name or number"},
    {Err::FileNotFound, "File not found"},
    {Err::DeviceIo, "Device I/O error"},
    {Err::DiskFull, "Disk full"},
    {Err::InputPastEnd, "Input past end of file"},
    {Err::PermissionDenied, "Permission denied"},
    {Err::PathFileAccess, "Path/File access error"},
    {Err::PathNotFound, "Path not found"},
    {Err::ObjectNotSet, "Object variable not set"},
    {Err::CannotCreateObject, "Automation server can't create object"},
    {Err::NoSuchMember, "Object doesn't support this property or method"},
    {Err::NotImplemented, "Object doesn't support this action"},
    {Err::WrongArgumentCount, "Wrong number of arguments or invalid property assignment"},
    {Err::DuplicateKey, "This key is already associated with an element of this collection"},
    {0, "Application-defined or object-defined error"},
};

} // namespace

int RuntimeErrorTextIndex(int32_t number)
{
    constexpr int last = static_cast<int>(std::size(StandardTexts)) - 1;
    for (int i = 0; i < last; ++i) {
        if (StandardTexts[i].number == number) return i;
    }
    return last;
}

std::string RuntimeErrorText(int32_t number) { return StandardTexts[RuntimeErrorTextIndex(number)].text; }

int32_t ErrorFromErrno(int errnoValue)
{
    switch (errnoValue) {
    case ENOENT: return Err::FileNotFound;
    case EACCES:
    case EPERM:
    case EROFS: return Err::PermissionDenied;
    case ENOTDIR: return Err::PathNotFound;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return Err::DiskFull;
    case EIO: return Err::DeviceIo;
    case ENAMETOOLONG:
    case EINVAL: return Err::BadFileName;
    case ENOMEM: return Err::OutOfMemory;
    default: return Err::PathFileAccess;
    }
}

} // namespace Platform
