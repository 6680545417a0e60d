// Each way a write can fail gives the system's reason and leaves the folder as it was: no temporary or
// partial file, earlier content intact. The write runs in a child process, some under a file size
// limit, and reports through its exit status.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

#include "host/filewrite.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* EARLIER = "    { 0, {  10,   20,   30,   40}, 0, 0 },\n";

struct WriteCase {
    const char* Name;
    bool Append;
    const char* Target;  // beside old.txt, a file "plain", a folder "folder" and a read-only folder "locked"
    int Error;  // 0: the write works
    bool Opened;
    rlim_t Limit = RLIM_INFINITY;
};

void PrintTo(const WriteCase& c, std::ostream* out)
{
    *out << c.Name;
}

std::map<std::string, std::string> Snapshot(const fs::path& dir)
{
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().lexically_relative(dir).string()] =
            entry.is_directory() ? "(folder)" : std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

class FailedWrite : public testing::TestWithParam<WriteCase> {
protected:
    void SetUp() override
    {
        fs::create_directories(dir / "folder");
        fs::create_directories(dir / "locked");
        for (const fs::path& file : {dir / "old.txt", dir / "plain", dir / "locked" / "old.txt"})
            std::ofstream(file) << EARLIER;
        fs::permissions(dir / "locked" / "old.txt", fs::perms::owner_read);
        fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    }
    void TearDown() override
    {
        fs::permissions(dir / "locked", fs::perms::owner_all);
        fs::remove_all(dir);
    }

    const fs::path dir = fs::temp_directory_path() / ("orvel-filewrite-" + std::to_string(getpid()));
};

}  // namespace

TEST_P(FailedWrite, GivesTheReasonAndLeavesTheFolderAsItWas)
{
    const WriteCase& c = GetParam();
    if (c.Error == EACCES && geteuid() == 0)
        GTEST_SKIP() << "running as root, which writes into read-only folders and files anyway";
    const std::string bytes(4096, 'x');  // past the file size limit
    std::map<std::string, std::string> expected = Snapshot(dir);
    if (c.Error == 0)
        expected[c.Target] = (c.Append ? EARLIER : "") + bytes;
    if (fork() == 0) {
        const rlimit limit{c.Limit, c.Limit};
        std::signal(SIGXFSZ, SIG_IGN);  // as the programs do
        const std::string path = (dir / c.Target).string();
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(2);
        const WriteResult r = c.Append ? AppendToFile(path, bytes) : WriteWholeFile(path, bytes);
        const bool right = r.Reason == (c.Error ? std::strerror(c.Error) : "") && r.Opened == c.Opened;
        if (!right)
            std::fprintf(stderr, "got \"%s\", opened %d\n", r.Reason.c_str(), r.Opened);
        _exit(right ? 0 : 1);
    }
    int status = -1;
    wait(&status);
    EXPECT_EQ(status, 0) << "expected \"" << (c.Error ? std::strerror(c.Error) : "") << "\", opened " << c.Opened;
    EXPECT_EQ(Snapshot(dir), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Writes, FailedWrite,
    testing::Values(WriteCase{"Whole", false, "old.txt", 0, true}, WriteCase{"Append", true, "old.txt", 0, true},
                    WriteCase{"WholeIntoMissingFolder", false, "missing/out.bmp", ENOENT, false},
                    WriteCase{"WholeIntoAFile", false, "plain/out.bmp", ENOTDIR, false},
                    WriteCase{"WholeIntoReadOnlyFolder", false, "locked/old.txt", EACCES, false},
                    WriteCase{"WholeOverAFolder", false, "folder", EISDIR, true},
                    WriteCase{"WholeOverFileSizeLimit", false, "old.txt", EFBIG, true, 1024},
                    WriteCase{"AppendIntoMissingFolder", true, "missing/regions.txt", ENOENT, false},
                    WriteCase{"AppendToReadOnlyFile", true, "locked/old.txt", EACCES, false},
                    WriteCase{"AppendToAFolder", true, "folder", EISDIR, false},
                    WriteCase{"AppendOverFileSizeLimit", true, "old.txt", EFBIG, true, 1024}),
    [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.Name); });
