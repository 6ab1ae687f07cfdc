#include "FileFixtures.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include "Plent/model/EventFile.h"
#include "support/NamedPipe.h"

using namespace fixtures;
using namespace Plent;

// A save that fails must leave the previous file exactly as it was and no
// stray file beside it. The tests run as root, so they make saves fail in
// ways that permissions cannot: a text too long to store, a file size limit
// (a full disk as the writer sees it), a directory that is a file.
namespace {

class FailedSave : public ::testing::Test {
protected:
    FailedSave()
    {
        for (int i = 0; i < 3; ++i) plents.Add(std::make_shared<CPlent>(), "event " + std::to_string(i));
        EventFile::Save(plents, path);
        before = readFile(path);
    }
    void expectUntouched()
    {
        EXPECT_EQ(readFile(path), before);
        EXPECT_EQ(dir.names(), std::vector<std::string>{"Pelmor.dat"});
    }

    TempDir dir;
    std::string path = dir.file("Pelmor.dat");
    colPlents plents;
    std::string before;
};

// Lowers the file size limit for as long as it lives; writing past it then
// fails with "file too large" instead of killing the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = old_;
        lower.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};

} // namespace

TEST_F(FailedSave, ATextTooLongToStoreKeepsThePreviousFile)
{
    plents.Item(2)->setDescription(std::string(40000, 'x'));
    const auto e = errorOf([&] { EventFile::Save(plents, path); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 6);
    EXPECT_EQ(e->source(), "CLSO::WriteSTRING");
    expectUntouched();
}

TEST_F(FailedSave, AFullDiskKeepsThePreviousFile)
{
    for (int i = 0; i < 2000; ++i) plents.Add(std::make_shared<CPlent>(), "more " + std::to_string(i));
    for (rlim_t limit : {rlim_t{100}, rlim_t{70000}}) {
        SCOPED_TRACE(limit);
        FileSizeLimit full(limit);
        const auto e = errorOf([&] { EventFile::Save(plents, path); });
        ASSERT_TRUE(e);
        EXPECT_EQ(e->source().rfind("CLSO::", 0), 0u);
        expectUntouched();
    }
}

TEST_F(FailedSave, ADirectoryThatIsAFileIsPathNotFound)
{
    const auto e = errorOf([&] { EventFile::Save(plents, dir.file("Pelmor.dat/inner.dat")); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 76);
    EXPECT_EQ(e->source(), "CLSO::WriteHEADER");
    EXPECT_EQ(e->description(), "Path not found: '" + dir.file("Pelmor.dat/inner.dat") + "'");
    expectUntouched();
}

TEST(SafeSave, TheNewFileKeepsTheModeAndALinkStaysALink)
{
    TempDir dir;
    const std::string real = dir.file("real.dat"), link = dir.file("link.dat");
    writeFile(real, "old");
    ::chmod(real.c_str(), 0640);
    std::filesystem::create_symlink(real, link);
    colPlents plents;
    EventFile::Save(plents, link);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readFile(real).size(), 33u);
    struct stat st {};
    ::stat(real.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"link.dat", "real.dat"}));
}

// A named pipe would hold the load until a writer came, for ever.
TEST(SafeLoad, APipeIsRefusedWithoutWaiting)
{
    TempDir dir;
    const NamedPipe pipe(dir.file("Pelmor.dat"));
    colPlents plents;
    std::vector<std::string> notices;
    std::optional<Platform::AutomationError> e;
    const auto load = [&] { e = errorOf([&] { EventFile::Load(plents, pipe.path(), notices); }); };
    EXPECT_TRUE(pipe.finishesWithin(std::chrono::seconds(5), load));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 75);
    EXPECT_EQ(e->source(), "CLSO::ReadHEADER");
    EXPECT_EQ(e->description(), "Path/File access error: '" + pipe.path() + "' is not a regular file");
}
