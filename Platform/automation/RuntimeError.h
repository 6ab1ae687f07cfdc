#pragma once
#include <cstdint>
#include <string>

namespace Platform {

// The run-time error numbers of the system, with the standard text of each.
namespace Err {
constexpr int32_t InvalidArgument = 5;     // also: a missing element of a keyed collection
constexpr int32_t Overflow = 6;
constexpr int32_t OutOfMemory = 7;
constexpr int32_t SubscriptOutOfRange = 9;
constexpr int32_t TypeMismatch = 13;
constexpr int32_t BadFileName = 52;
constexpr int32_t FileNotFound = 53;
constexpr int32_t DeviceIo = 57;
constexpr int32_t DiskFull = 61;
constexpr int32_t InputPastEnd = 62;
constexpr int32_t PermissionDenied = 70;
constexpr int32_t PathFileAccess = 75;
constexpr int32_t PathNotFound = 76;
constexpr int32_t ObjectNotSet = 91;
constexpr int32_t CannotCreateObject = 429;
constexpr int32_t NoSuchMember = 438;
constexpr int32_t NotImplemented = 445;
constexpr int32_t WrongArgumentCount = 450;
constexpr int32_t DuplicateKey = 457;
constexpr int32_t MissingElement = InvalidArgument;
} // namespace Err

// The standard text of a run-time error number ("Application-defined or
// object-defined error" for numbers the table does not know).
std::string RuntimeErrorText(int32_t number);
// The place of that text among all standard texts, the last one standing
// for every number without a text of its own: how language tables number
// their translations (see ErrorReport).
int RuntimeErrorTextIndex(int32_t number);

// The run-time error number for a C library errno value of a file operation.
int32_t ErrorFromErrno(int errnoValue);

} // namespace Platform
