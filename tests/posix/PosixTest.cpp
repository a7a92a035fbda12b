#include "platform/posix/InstanceLock.h"
#include "platform/posix/PosixCaptureFiles.h"
#include "platform/posix/PosixFiles.h"
#include "platform/posix/SharedMemory.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace kv::posix;

TEST(SharedMemory, TwoMappingsOfOneNameShareTheirBytes) {
    const std::string name = UserBlockName("KVTEST" + std::to_string(::getpid()));
    {
        SharedMemory a(name, 14277);
        ASSERT_NE(a.Data(), nullptr) << a.Error();
        EXPECT_TRUE(a.Created());
        EXPECT_EQ(a.Data()[14276], 0);
        SharedMemory b(name, 14277);
        ASSERT_NE(b.Data(), nullptr) << b.Error();
        EXPECT_FALSE(b.Created());
        a.Data()[756] = 1;
        EXPECT_EQ(b.Data()[756], 1);
        a.Unlink();
    }
    SharedMemory fresh(name, 16);
    EXPECT_TRUE(fresh.Created());
    fresh.Unlink();
}

TEST(InstanceLock, ASecondHolderIsRefusedUntilTheFirstEnds) {
    kv::test::TempDir dir;
    const std::string path = dir.File("keyvane.lock");
    auto first = std::make_unique<InstanceLock>(path);
    ASSERT_TRUE(first->Held()) << first->Error();

    // Another process cannot take it while this one holds it.
    const pid_t child = ::fork();
    if (child == 0) {
        InstanceLock other(path);
        ::_exit(other.HeldElsewhere() && !other.Held() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    first.reset();
    InstanceLock again(path);
    EXPECT_TRUE(again.Held());
}

TEST(InstanceLock, AnUnusableDirectoryIsAnErrorNotAnotherCopy) {
    InstanceLock lock("/nonexistent-dir/keyvane.lock");
    EXPECT_FALSE(lock.Held());
    EXPECT_FALSE(lock.HeldElsewhere());
    EXPECT_FALSE(lock.Error().empty());
}

TEST(PosixFiles, CommandsWorkAndFailSilently) {
    kv::test::TempDir dir;
    kv::posix::PosixFiles files;
    kv::test::WriteBytes(dir.File("a.txt"), {'h', 'i'});
    files.Copy(dir.File("a.txt"), dir.File("b.txt"));
    EXPECT_EQ(files.Read(dir.File("b.txt")), "hi");
    files.Rename(dir.File("b.txt"), dir.File("c.txt"));
    EXPECT_FALSE(files.Read(dir.File("b.txt")));
    files.Delete(dir.File("c.txt"));
    EXPECT_FALSE(files.Read(dir.File("c.txt")));
    files.Delete(dir.Path().string()); // a folder is not deleted
    EXPECT_TRUE(std::filesystem::exists(dir.Path()));
    files.Copy(dir.File("missing"), dir.File("x"));
    files.Rename(dir.File("missing"), dir.File("x"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("x")));
}

// A link planted under a capture file's name is never written through: the scratch file
// replaces the link itself, and a numbered file counts the link as a taken name.
TEST(PosixCaptureFiles, NeverWriteThroughAPlantedLink) {
    kv::test::TempDir dir;
    const std::string victim = dir.File("victim");
    std::ofstream(victim) << "precious";
    const std::string scratch = dir.File("TempCap.Txt");
    std::filesystem::create_symlink(victim, scratch);
    const std::string numbered = dir.File("KV0.TXT");
    std::filesystem::create_symlink(victim, numbered);

    PosixCaptureFiles files;
    std::string error;
    ASSERT_TRUE(files.StartScratch(scratch, &error)) << error;
    EXPECT_FALSE(std::filesystem::is_symlink(scratch));
    ASSERT_TRUE(files.AppendScratch("abc", &error));
    ASSERT_TRUE(files.AppendScratch("<ENTER>", &error));
    EXPECT_EQ(files.FinishScratch(&error), "abc<ENTER>");
    EXPECT_FALSE(files.AppendScratch("late", &error)); // closed
    EXPECT_EQ(files.CreateNew(numbered, "long text", &error), PosixCaptureFiles::Created::Exists);
    EXPECT_EQ(files.CreateNew(dir.File("KV1.TXT"), "long text", &error),
              PosixCaptureFiles::Created::Done);
    EXPECT_EQ(files.CreateNew(dir.File("no/such/KV2.TXT"), "x", &error),
              PosixCaptureFiles::Created::Failed);
    EXPECT_NE(error.find("cannot create"), std::string::npos);
    std::ifstream in(victim);
    std::string left;
    std::getline(in, left);
    EXPECT_EQ(left, "precious");
    files.Remove(scratch);
    EXPECT_FALSE(std::filesystem::exists(scratch));
}
