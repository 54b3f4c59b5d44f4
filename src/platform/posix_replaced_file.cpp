#include "platform/posix_replaced_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
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
std::string temporaryName()
{
    std::uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, 0) != static_cast<ssize_t>(sizeof bits))
        return {};
    return temporaryNameFor(kExportFile, bits);
}

// A new file of that name, made here and now: O_EXCL fails on anything
// already there, a link included.
int createTemporary(int folder, std::string& name)
{
    for (int i = 0; i < kNameTries; ++i) {
        name = temporaryName();
        if (name.empty())
            return -1;
        const int fd = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

}  // namespace

std::string exportFolderUnder(const std::string& root)
{
    std::string folder = root;
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder + kExportFolder;
}

std::string exportPathUnder(const std::string& root)
{
    return exportFolderUnder(root) + '/' + kExportFile;
}

PosixReplacedFile::PosixReplacedFile(std::string root) : m_root(std::move(root)), m_path(exportPathUnder(m_root))
{
}

WriteOutcome PosixReplacedFile::write(std::string_view text)
{
    const Descriptor root(::open(m_root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!root.valid())
        return WriteOutcome::Failed;
    ::mkdirat(root.get(), kExportFolder, 0755);  // an existing folder is fine
    const Descriptor folder(::openat(root.get(), kExportFolder, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid())
        return isLinkAt(root.get(), kExportFolder) ? WriteOutcome::FolderIsLink : WriteOutcome::Failed;
    struct stat owner {};
    if (::fstat(folder.get(), &owner) != 0)
        return WriteOutcome::Failed;
    if (owner.st_uid != ::geteuid())
        return WriteOutcome::FolderNotOwned;
    if (!m_temporariesSwept) {
        removeStaleTemporaries(folder.get(), kExportFile);
        m_temporariesSwept = true;
    }
    // The rename below would replace a link rather than follow it; refusing
    // it says that someone put it there.
    if (isLinkAt(folder.get(), kExportFile))
        return WriteOutcome::FileIsLink;

    std::string temporary;
    Descriptor file(createTemporary(folder.get(), temporary));
    if (!file.valid())
        return WriteOutcome::Failed;
    const bool written = writeAll(file.get(), text) && file.close();
    if (!written || ::renameat(folder.get(), temporary.c_str(), folder.get(), kExportFile) != 0) {
        ::unlinkat(folder.get(), temporary.c_str(), 0);
        return WriteOutcome::Failed;
    }
    return WriteOutcome::Written;
}

}  // namespace kolven::platform
