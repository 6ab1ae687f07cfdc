#include "RuntimeError.h"

#include <cerrno>

namespace Platform {

std::string RuntimeErrorText(int32_t number)
{
    switch (number) {
    case Err::InvalidArgument: return "Invalid procedure call or argument";
    case Err::Overflow: return "Overflow";
    case Err::OutOfMemory: return "Out of memory";
    case Err::SubscriptOutOfRange: return "Subscript out of range";
    case Err::TypeMismatch: return "Type mismatch";
    case Err::BadFileName: return "Bad file name or number";
    case Err::FileNotFound: return "File not found";
    case Err::DeviceIo: return "Device I/O error";
    case Err::DiskFull: return "Disk full";
    case Err::InputPastEnd: return "Input past end of file";
    case Err::PermissionDenied: return "Permission denied";
    case Err::PathFileAccess: return "Path/File access error";
    case Err::PathNotFound: return "Path not found";
    case Err::ObjectNotSet: return "Object variable not set";
    case Err::CannotCreateObject: return "Automation server can't create object";
    case Err::NoSuchMember: return "Object doesn't support this property or method";
    case Err::NotImplemented: return "Object doesn't support this action";
    case Err::WrongArgumentCount: return "Wrong number of arguments or invalid property assignment";
    case Err::DuplicateKey: return "This key is already associated with an element of this collection";
    default: return "Application-defined or object-defined error";
    }
}

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
