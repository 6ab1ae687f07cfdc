#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "Platform/files/FileLock.h"
#include "Platform/files/PrivateDirectory.h"

using namespace Platform;
namespace fs = std::filesystem;

namespace {

unsigned modeOf(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Whatever the umask, and also over what an earlier version left open.
TEST(PrivateDirectory, MakesFoldersAndFilesTheOwnersAloneAndNarrowsOpenOnes)
{
    QTemporaryDir dir;
    const std::string folder = dir.filePath("a/b").toStdString(), file = dir.filePath("f").toStdString();
    const mode_t umask = ::umask(0);
    PrivateDirectory::make(folder);
    const int fd = PrivateDirectory::openFile(file);
    ::umask(umask);
    ASSERT_GE(fd, 0);
    ::close(fd);
    EXPECT_EQ(modeOf(folder), 0700u);
    EXPECT_EQ(modeOf(file), 0600u);
    EXPECT_TRUE(PrivateDirectory::isPrivate(folder));

    fs::permissions(folder, fs::perms(0755));
    fs::permissions(file, fs::perms(0644));
    EXPECT_FALSE(PrivateDirectory::isPrivate(folder));
    PrivateDirectory::make(folder);
    ::close(PrivateDirectory::openFile(file));
    EXPECT_EQ(modeOf(folder), 0700u);
    EXPECT_EQ(modeOf(file), 0600u);

    fs::create_symlink(file, dir.filePath("link").toStdString());
    EXPECT_LT(PrivateDirectory::openFile(dir.filePath("link").toStdString()), 0) << "a link is not followed";
    EXPECT_FALSE(PrivateDirectory::isPrivate(file));
}

TEST(FileLock, KnowsItsHolderAndWhetherThePathStillNamesTheLockedFile)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("x.lock").toStdString();
    const auto lock = FileLock::tryTake(path);
    ASSERT_TRUE(lock);
    EXPECT_EQ(FileLock::holderOf(path).pid, ::getpid());
    EXPECT_EQ(FileLock::holderOf(path).uid, ::geteuid());
    EXPECT_TRUE(lock->stillAtPath());
    fs::remove(path);
    EXPECT_FALSE(lock->stillAtPath());
    EXPECT_TRUE(FileLock::tryTake(path)) << "the name is free again";
    const auto directory = FileLock::tryTakeDirectory(dir.path().toStdString());
    ASSERT_TRUE(directory);
    EXPECT_FALSE(FileLock::tryTakeDirectory(dir.path().toStdString())) << "flock is per open file";
}

} // namespace
