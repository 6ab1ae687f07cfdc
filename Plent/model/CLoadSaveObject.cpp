#include "CLoadSaveObject.h"

#include <bit>
#include <climits>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/files/BinaryFile.h"
#include "Platform/files/ReplacementFile.h"
#include "Platform/text/Cp1252.h"

namespace Plent {

using Platform::BinaryFile;

CLoadSaveObject::CLoadSaveObject() = default;

CLoadSaveObject::~CLoadSaveObject() { abandon(); }

// Runs one operation; its failure comes out under the operation's own name,
// and, unless told otherwise, with the file closed.
template <class Operation>
auto CLoadSaveObject::guarded(const char* source, Operation operation, bool closeOnFailure)
{
    try {
        return operation();
    } catch (const Platform::AutomationError& e) {
        if (closeOnFailure) abandon();
        throw e.withSource(source);
    }
}

void CLoadSaveObject::OpenLSO(int16_t mode)
{
    guarded("CLSO::OpenLSO", [&] {
        abandon();
        if (mode == ForReading) {
            reader_ = std::make_unique<BinaryFile>(BinaryFile::openForReading(fileName_));
            file_ = reader_.get();
        } else if (mode == ForWriting) {
            writer_ = std::make_unique<Platform::ReplacementFile>(fileName_);
            file_ = &writer_->file();
        } else {
            Platform::Raise(Platform::Err::InvalidArgument, "CLSO::OpenLSO");
        }
    });
}

void CLoadSaveObject::CloseLSO()
{
    if (writer_) guarded("CLSO::CloseLSO", [&] { writer_->commit(); });
    abandon();
}

void CLoadSaveObject::SavePos()
{
    guarded("CLSO::SavePos", [&] { savedPosition_ = current().position(); }, false);
}

void CLoadSaveObject::RestorePos()
{
    guarded("CLSO::RestorePos", [&] { current().seek(savedPosition_); }, false);
}

int64_t CLoadSaveObject::Position()
{
    return guarded("CLSO::Position", [&] { return current().position(); }, false);
}

void CLoadSaveObject::WriteINTEGER(int16_t value)
{
    guarded("CLSO::WriteINTEGER", [&] {
        const auto bits = static_cast<uint16_t>(value);
        const unsigned char bytes[2] = {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8)};
        openFor(ForWriting).write(bytes, sizeof bytes);
    });
}

void CLoadSaveObject::WriteDATE(Platform::Date value)
{
    guarded("CLSO::WriteDATE", [&] {
        auto bits = std::bit_cast<uint64_t>(value);
        unsigned char bytes[8];
        for (auto& b : bytes) {
            b = static_cast<unsigned char>(bits);
            bits >>= 8;
        }
        openFor(ForWriting).write(bytes, sizeof bytes);
    });
}

void CLoadSaveObject::WriteSTRING(const std::string& value)
{
    guarded("CLSO::WriteSTRING", [&] {
        openFor(ForWriting);
        const std::string bytes = Platform::Cp1252::fromUtf8(value);
        if (bytes.size() > INT16_MAX) Platform::Raise(Platform::Err::Overflow, "CLSO::WriteSTRING");
        WriteINTEGER(static_cast<int16_t>(bytes.size()));
        current().write(bytes.data(), bytes.size());
    });
}

void CLoadSaveObject::WriteHEADER(const std::string& name, int16_t version)
{
    guarded("CLSO::WriteHEADER", [&] {
        WriteINTEGER(HeaderMagic);
        WriteSTRING(name);
        WriteINTEGER(version);
    });
}

bool CLoadSaveObject::ReadINTEGER(int16_t& value)
{
    value = 0;
    return guarded("CLSO::ReadINTEGER", [&] {
        unsigned char bytes[2];
        if (openFor(ForReading).read(bytes, sizeof bytes) < sizeof bytes) return false;
        value = static_cast<int16_t>(bytes[0] | bytes[1] << 8);
        return true;
    });
}

bool CLoadSaveObject::ReadDATE(Platform::Date& value)
{
    value = 0;
    return guarded("CLSO::ReadDATE", [&] {
        unsigned char bytes[8];
        if (openFor(ForReading).read(bytes, sizeof bytes) < sizeof bytes) return false;
        uint64_t bits = 0;
        for (int i = 7; i >= 0; --i) bits = bits << 8 | bytes[i];
        value = std::bit_cast<Platform::Date>(bits);
        return true;
    });
}

bool CLoadSaveObject::ReadSTRING(std::string& value)
{
    value.clear();
    return guarded("CLSO::ReadSTRING", [&] {
        openFor(ForReading);
        int16_t length = 0;
        if (!ReadINTEGER(length)) return false;
        if (length < 0) Platform::Raise(Platform::Err::InvalidArgument, "CLSO::ReadSTRING");
        // Read in place: the bytes are nearly always ASCII and then already UTF-8.
        value.resize(static_cast<size_t>(length));
        value.resize(current().read(value.data(), value.size()));
        const bool complete = value.size() == static_cast<size_t>(length);
        if (!Platform::Cp1252::isAscii(value)) value = Platform::Cp1252::toUtf8(value);
        return complete;
    });
}

bool CLoadSaveObject::ReadHEADER(std::string& name, int16_t& version)
{
    name.clear();
    version = -1;
    return guarded("CLSO::ReadHEADER", [&] {
        openFor(ForReading);
        SavePos();
        if (savedPosition_ == lastHeader_.start) {
            name = lastHeader_.name;
            version = lastHeader_.version;
            current().seek(lastHeader_.end);
            return true;
        }
        int16_t magic = 0, readVersion = 0;
        if (!ReadINTEGER(magic) || magic != HeaderMagic || !ReadSTRING(name) || !ReadINTEGER(readVersion)) {
            name.clear();
            RestorePos();
            return false;
        }
        version = readVersion;
        lastHeader_ = {savedPosition_, current().position(), name, version};
        return true;
    });
}

// The open file, or, for the first read or write, the file opened as that
// operation needs it.
BinaryFile& CLoadSaveObject::openFor(int16_t mode)
{
    if (!file_) OpenLSO(mode);
    return *file_;
}

BinaryFile& CLoadSaveObject::current()
{
    if (!file_) Platform::Raise(Platform::Err::BadFileName, "CLSO");
    return *file_;
}

void CLoadSaveObject::abandon() noexcept
{
    file_ = nullptr;
    lastHeader_.start = -1;
    reader_.reset();
    writer_.reset();
}

} // namespace Plent
