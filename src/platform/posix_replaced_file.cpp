#include "platform/posix_replaced_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/posix_export_temporaries.h"

namespace kolven::platform {

namespace {

constexpr const char* kExportFolder = "KOLVEN16W";
constexpr const char* kExportFile = "KOLVEN16W.TXT";
constexpr int kNameTries = 8;

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now, so that a failed close (the last chance for a full disk
    // to say so) can be told.
    bool close()
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool isLinkAt(int folder, const char* name)
{
    struct stat st {};
    return ::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode);
}

bool writeAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A hidden name beside the file, with 64 random bits in it: another user
// cannot put a link there in advance. Empty when no random bytes are to be
// had.
std::string temporaryName(const std::string& file)
{
    std::uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, 0) != static_cast<ssize_t>(sizeof bits))
        return {};
    return temporaryNameFor(file, bits);
}

// A new file of that name, made here and now: O_EXCL fails on anything
// already there, a link included.
int createTemporary(int folder, const std::string& file, std::string& name)
{
    for (int i = 0; i < kNameTries; ++i) {
        name = temporaryName(file);
        if (name.empty())
            return -1;
        const int fd = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

}  // namespace

std::string folderUnder(const std::string& root, const std::string& name)
{
    std::string folder = root;
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder + name;
}

std::string exportFolderUnder(const std::string& root)
{
    return folderUnder(root, kExportFolder);
}

std::string exportPathUnder(const std::string& root)
{
    return exportFolderUnder(root) + '/' + kExportFile;
}

PosixReplacedFile::PosixReplacedFile(std::string root)
    : PosixReplacedFile(std::move(root), kExportFolder, kExportFile)
{
}

PosixReplacedFile::PosixReplacedFile(std::string root, std::string folder, std::string file, bool makeRoot)
    : m_root(std::move(root)), m_folder(std::move(folder)), m_file(std::move(file)), m_makeRoot(makeRoot),
      m_path(!m_folder.empty()        ? folderUnder(m_root, m_folder) + '/' + m_file
             : m_root.ends_with('/') ? m_root + m_file
                                     : m_root + '/' + m_file)
{
}

PosixReplacedFile PosixReplacedFile::kept(const std::string& root, const std::string& folder,
                                          const std::string& file)
{
    return PosixReplacedFile(root, folder, file, true);
}

PosixReplacedFile PosixReplacedFile::chosen(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return PosixReplacedFile(".", "", path);
    return PosixReplacedFile(slash == 0 ? "/" : path.substr(0, slash), "", path.substr(slash + 1));
}

WriteOutcome PosixReplacedFile::fail(WriteOutcome outcome, int error)
{
    m_error = error;
    return outcome;
}

WriteOutcome PosixReplacedFile::write(std::string_view text)
{
    m_error = 0;
    if (m_makeRoot) {
        std::error_code ignored;  // a root that cannot be made fails the opening below
        std::filesystem::create_directories(m_root, ignored);
    }
    const Descriptor root(::open(m_root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!root.valid())
        return fail(WriteOutcome::Failed, errno);
    if (!m_folder.empty())
        ::mkdirat(root.get(), m_folder.c_str(), m_makeRoot ? 0700 : 0755);  // an existing folder is fine
    const Descriptor folder(m_folder.empty()
                                ? ::fcntl(root.get(), F_DUPFD_CLOEXEC, 0)
                                : ::openat(root.get(), m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid()) {
        const int error = errno;
        return isLinkAt(root.get(), m_folder.c_str()) ? WriteOutcome::FolderIsLink : fail(WriteOutcome::Failed, error);
    }
    if (!m_folder.empty()) {
        struct stat owner {};
        if (::fstat(folder.get(), &owner) != 0)
            return fail(WriteOutcome::Failed, errno);
        if (owner.st_uid != ::geteuid())
            return WriteOutcome::FolderNotOwned;
    }
    const int folderFd = folder.get();
    if (!m_temporariesSwept) {
        removeStaleTemporaries(folderFd, m_file);
        m_temporariesSwept = true;
    }
    // The rename below would replace a link rather than follow it; refusing
    // it says that someone put it there.
    if (isLinkAt(folderFd, m_file.c_str()))
        return WriteOutcome::FileIsLink;

    std::string temporary;
    Descriptor file(createTemporary(folderFd, m_file, temporary));
    if (!file.valid())
        return fail(WriteOutcome::Failed, errno);
    // A file of the user's that they made private stays private: the new
    // one takes its permissions before it takes its name. Another owner's
    // permissions are not copied onto a file that will be the user's.
    struct stat old {};
    const bool keepMode = ::fstatat(folderFd, m_file.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0 &&
                          S_ISREG(old.st_mode) && old.st_uid == ::geteuid();
    const bool written = (!keepMode || ::fchmod(file.get(), old.st_mode & 0777) == 0) &&
                         writeAll(file.get(), text) && file.close();
    if (!written || ::renameat(folderFd, temporary.c_str(), folderFd, m_file.c_str()) != 0) {
        const int failure = errno;
        ::unlinkat(folderFd, temporary.c_str(), 0);
        return fail(WriteOutcome::Failed, failure);
    }
    return WriteOutcome::Written;
}

}  // namespace kolven::platform
