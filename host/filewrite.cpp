#include "host/filewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

WriteResult Failed(int error, bool opened)
{
    return {.Reason = std::strerror(error), .Opened = opened};
}

// Every byte, however many calls it takes; false with errno set.
bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;  // nothing taken and no error given: the device has no room
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Beside the file, so that the rename stays within one file system; hidden, in case a crash leaves it.
std::string TemporaryPattern(const std::string& path)
{
    const std::filesystem::path file(path);
    return (file.parent_path() / ("." + file.filename().string() + ".XXXXXX")).string();
}

// A replaced file keeps its permissions; a new one gets what the umask leaves of read and write for all.
mode_t ModeFor(const std::string& path)
{
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0)
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

WriteResult WriteWholeFile(const std::string& path, std::string_view bytes)
{
    std::string temporary = TemporaryPattern(path);
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return Failed(errno, false);
    int error = 0;
    if (::fchmod(fd, ModeFor(path)) != 0 || !WriteAll(fd, bytes))
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error == 0)
        return {};
    ::unlink(temporary.c_str());
    return Failed(error, true);
}

WriteResult WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    return WriteWholeFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// Appended in place and cut back to the old length when the write fails, rather than copied with the
// new text to a temporary file and renamed: a writable file in a folder that is not can still be
// appended to, it keeps its links and owner, and an append costs the text however long the file grows.
WriteResult AppendToFile(const std::string& path, std::string_view text)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        return WriteWholeFile(path, text);
    if (fd < 0)
        return Failed(errno, false);
    struct stat before {};
    int error = 0;
    if (::fstat(fd, &before) != 0)
        error = errno;
    else if (!WriteAll(fd, text)) {
        error = errno;
        // takes off what part of the text got written; the earlier text is intact whether or not it works
        [[maybe_unused]] const int cut = ::ftruncate(fd, before.st_size);
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error == 0 ? WriteResult{} : Failed(error, true);
}
