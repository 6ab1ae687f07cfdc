#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Platform/dates/DateTime.h"

namespace Platform {
class BinaryFile;
class ReplacementFile;
} // namespace Platform

namespace Plent {

// A sequential binary reader or writer of one file, item by item: 16-bit
// integers, dates, strings and headers naming a class, little-endian with
// nothing between them. The first read opens the file for reading, the
// first write starts a new file.
//
// A new file is written beside FileName and takes its place only when
// CloseLSO completes it, so a save that fails or is abandoned leaves the
// previous file untouched. Releasing the stream without CloseLSO abandons
// what was written.
//
// Every failure closes the file and raises the underlying error again with
// the source "CLSO::" and the operation's name. Running into the end of the
// file is no error: reads answer it through their result.
class CLoadSaveObject {
public:
    static constexpr int16_t ForReading = 1;
    static constexpr int16_t ForWriting = 2;
    static constexpr int16_t HeaderMagic = 10297;

    CLoadSaveObject();
    ~CLoadSaveObject();
    CLoadSaveObject(const CLoadSaveObject&) = delete;
    CLoadSaveObject& operator=(const CLoadSaveObject&) = delete;

    const std::string& FileName() const { return fileName_; }
    void setFileName(std::string fileName) { fileName_ = std::move(fileName); }

    void OpenLSO(int16_t mode);
    // Closes the file. A file being written is completed and put in place
    // of FileName; that step's failure is raised with "CLSO::CloseLSO".
    void CloseLSO();

    void SavePos();
    void RestorePos();
    // The byte position of the next read or write; at the end of the file
    // after a read that ran into it.
    int64_t Position();

    // What reading found out of place, in order, for the caller to show.
    void addNotice(std::string text) { notices_.push_back(std::move(text)); }
    const std::vector<std::string>& Notices() const { return notices_; }

    void WriteINTEGER(int16_t value);
    void WriteDATE(Platform::Date value);
    // Stored in Windows-1252; a character without a single-byte form
    // becomes "?". More than 32767 characters fail with the overflow error.
    void WriteSTRING(const std::string& value);
    void WriteHEADER(const std::string& name, int16_t version);

    // Each read answers whether it got all its bytes. What it could not
    // read is 0 or empty; a string keeps the characters that were there.
    bool ReadINTEGER(int16_t& value);
    bool ReadDATE(Platform::Date& value);
    bool ReadSTRING(std::string& value);
    // A peek: when no complete header follows, nothing is consumed and the
    // result is false. After a header, RestorePos goes back to its start.
    bool ReadHEADER(std::string& name, int16_t& version);

private:
    template <class Operation>
    auto guarded(const char* source, Operation operation, bool closeOnFailure = true);
    Platform::BinaryFile& openFor(int16_t mode);
    Platform::BinaryFile& current();
    void abandon() noexcept;

    std::string fileName_;
    std::unique_ptr<Platform::BinaryFile> reader_;
    std::unique_ptr<Platform::ReplacementFile> writer_;
    Platform::BinaryFile* file_ = nullptr;
    int64_t savedPosition_ = 0;
    std::vector<std::string> notices_;
    // The last header read: sections peek at a header before they read it,
    // and the second read takes it from here.
    struct HeaderRead {
        int64_t start = -1;
        int64_t end = 0;
        std::string name;
        int16_t version = 0;
    } lastHeader_;
};

} // namespace Plent
