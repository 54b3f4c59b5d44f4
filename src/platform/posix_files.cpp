#include "platform/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/number_stream.h"

namespace kolven::platform {

namespace {

// The bytes of an open file, read as they come.
class FileBytes final : public ByteSource {
public:
    explicit FileBytes(int fd) : m_fd(fd) {}
    ~FileBytes() override { ::close(m_fd); }
    std::size_t read(char* into, std::size_t most) override
    {
        for (;;) {
            const ssize_t n = ::read(m_fd, into, most);
            if (n >= 0)
                return static_cast<std::size_t>(n);
            if (errno != EINTR)
                return 0;
        }
    }

private:
    int m_fd;
};

// Where the class's own interval stream is kept, under the data folder.
constexpr const char* kDataFolder = "kolven";
constexpr const char* kClassIntervalFile = "KOLVEN_CLASSE.KVL";

std::string processWorkingDirectory()
{
    std::vector<char> buffer(4096);
    if (::getcwd(buffer.data(), buffer.size()))
        return buffer.data();
    return ".";
}

std::string rootOrDefault(const std::string& exportRoot, const std::string& workingDirectory)
{
    return exportRoot.empty() ? PosixFileSystem::defaultExportRoot(workingDirectory) : exportRoot;
}

}  // namespace

PosixFileSystem::PosixFileSystem(std::string exportRoot, std::string workingDirectory, std::string dataHome)
    : m_workingDirectory(workingDirectory.empty() ? processWorkingDirectory() : std::move(workingDirectory)),
      m_export(rootOrDefault(exportRoot, m_workingDirectory)),
      m_classIntervals(PosixReplacedFile::kept(dataHome.empty() ? defaultDataHome() : dataHome, kDataFolder,
                                               kClassIntervalFile))
{
}

std::string PosixFileSystem::defaultDataHome()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/')  // a relative value is to be ignored
        return data;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/share";
}

// The file is looked at without following a link, then opened without
// waiting and looked at again once open, in case the name changed between.
TextRead PosixFileSystem::readText(const std::string& path, std::size_t most, bool tail) const
{
    struct stat named {};
    if (::lstat(path.c_str(), &named) != 0)
        return {errno == ENOENT || errno == ENOTDIR ? TextFault::Missing : TextFault::Unreadable, {}};
    if (S_ISLNK(named.st_mode))
        return {TextFault::Link, {}};
    if (!S_ISREG(named.st_mode))
        return {TextFault::NotRegular, {}};
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return {errno == ELOOP ? TextFault::Link : TextFault::Unreadable, {}};
    FileBytes file(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return {TextFault::NotRegular, {}};
    const auto size = static_cast<std::size_t>(st.st_size);
    if (size > most) {
        if (!tail)
            return {TextFault::TooLarge, {}};
        if (::lseek(fd, static_cast<off_t>(size - most), SEEK_SET) < 0)
            return {TextFault::Unreadable, {}};
    }
    // Read to the end, whatever the size said: one byte more than allowed
    // tells a file that grew since it was looked at.
    std::string text(std::min(size, most) + 1, '\0');
    std::size_t length = 0;
    for (;;) {
        const std::size_t n = file.read(text.data() + length, text.size() - length);
        if (n == 0)
            break;
        length += n;
        if (length > most)
            break;
        if (length == text.size())
            text.resize(std::min(text.size() * 2, most + 1));
    }
    if (length > most)
        return {tail ? TextFault::Unreadable : TextFault::TooLarge, {}};
    text.resize(length);
    return {TextFault::None, std::move(text)};
}

std::unique_ptr<NumberReader> PosixFileSystem::openNumbers(const std::string& path)
{
    // Anything but a regular file is left unopened: opening a device may act
    // on it. The type is checked again once open, in case the name changed.
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode))
        return nullptr;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (st.st_size <= kHeldInMemory) {
        // Read to its end, whatever its size said: it may have grown since.
        auto file = std::make_unique<FileBytes>(fd);
        const auto most = static_cast<std::size_t>(kHeldInMemory);
        std::string bytes(static_cast<std::size_t>(st.st_size) + 1, '\0');
        std::size_t length = 0;
        while (length <= most) {
            if (length == bytes.size())
                bytes.resize(most + 1);
            const std::size_t n = file->read(bytes.data() + length, bytes.size() - length);
            if (n == 0)
                break;
            length += n;
        }
        if (length <= most) {
            bytes.resize(length);
            return std::make_unique<NumberStream>(std::move(bytes));
        }
        // Grown past the limit meanwhile: read as it comes, from its start.
        if (::lseek(fd, 0, SEEK_SET) != 0)
            return nullptr;
        return std::make_unique<NumberStream>(std::move(file));
    }
    return std::make_unique<NumberStream>(std::make_unique<FileBytes>(fd));
}

bool PosixFileSystem::isFile(const std::string& path) const
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// A link is followed to what it names; a link that names nothing is still
// something there, not a missing file.
EntryKind PosixFileSystem::entryKind(const std::string& path) const
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return ::lstat(path.c_str(), &st) == 0 ? EntryKind::Other : EntryKind::Missing;
    if (!S_ISREG(st.st_mode))
        return EntryKind::Other;
    return st.st_size == 0 ? EntryKind::EmptyFile : EntryKind::File;
}

std::string PosixFileSystem::workingDirectory() const
{
    return m_workingDirectory;
}

std::string PosixFileSystem::programDirectory() const
{
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0)
        return ".";
    std::string path(buffer.data(), static_cast<size_t>(n));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

// The working drive's root, on a system without drive letters: the top of
// the file system (the mount) that holds the working folder. An ordinary user
// cannot write there, so the home folder stands in then.
std::string PosixFileSystem::defaultExportRoot(const std::string& workingDirectory)
{
    std::string root = workingDirectory;
    struct stat here {};
    if (::stat(root.c_str(), &here) == 0) {
        while (root != "/") {
            const auto slash = root.rfind('/');
            const std::string parent = slash == 0 ? "/" : root.substr(0, slash);
            struct stat up {};
            if (::stat(parent.c_str(), &up) != 0 || up.st_dev != here.st_dev)
                break;
            root = parent;
        }
    }
    const std::string folder = exportFolderUnder(root);
    if (::access(folder.c_str(), W_OK) == 0 || ::access(root.c_str(), W_OK) == 0)
        return root;
    const char* home = std::getenv("HOME");
    return home && *home ? home : root;
}

SaveOutcome PosixFileSystem::saveFile(const std::string& path, std::string_view bytes)
{
    PosixReplacedFile file = PosixReplacedFile::chosen(path);
    switch (file.write(bytes)) {
    case WriteOutcome::Written:
        return SaveOutcome::Saved;
    case WriteOutcome::FileIsLink:
    case WriteOutcome::FolderIsLink:
        return SaveOutcome::IsLink;
    case WriteOutcome::FolderNotOwned:
    case WriteOutcome::Failed:
        break;
    }
    switch (file.lastError()) {
    case ENOENT:
    case ENOTDIR:
        return SaveOutcome::FolderMissing;
    case EACCES:
    case EPERM:
        return SaveOutcome::NotAllowed;
    case EROFS:
        return SaveOutcome::ReadOnly;
    case ENOSPC:
    case EDQUOT:
        return SaveOutcome::DiskFull;
    default:
        return SaveOutcome::Failed;
    }
}

}  // namespace kolven::platform
