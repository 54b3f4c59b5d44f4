#include "platform/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>
#include <vector>

namespace kolven::platform {

namespace {

constexpr double kCheckInterval = 0.5;   // seconds between checks of the path
constexpr double kRetryInterval = 1.0;   // seconds between tries after a failure
constexpr const char* kExportFolder = "KOLVEN16W";
constexpr const char* kExportFile = "KOLVEN16W.TXT";

double monotonicNow()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

bool writeAll(int fd, std::string_view text, off_t offset)
{
    while (!text.empty()) {
        const ssize_t n = pwrite(fd, text.data(), text.size(), offset);
        if (n <= 0)
            return false;
        text.remove_prefix(static_cast<size_t>(n));
        offset += n;
    }
    return true;
}

bool isSeparator(char c)
{
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

class BufferedNumberReader final : public NumberReader {
public:
    explicit BufferedNumberReader(std::FILE* file) : m_file(file), m_buffer(1 << 16) {}
    ~BufferedNumberReader() override { std::fclose(m_file); }

    std::optional<double> next() override
    {
        std::string field;
        for (;;) {
            if (m_pos == m_end && !refill())
                break;
            const char c = m_buffer[m_pos];
            if (isSeparator(c)) {
                ++m_pos;
                if (!field.empty())
                    break;
                continue;
            }
            field.push_back(c);
            ++m_pos;
        }
        if (field.empty())
            return std::nullopt;
        double value = 0;
        const char* first = field.data();
        const char* last = first + field.size();
        if (*first == '+')
            ++first;
        const auto [ptr, ec] = std::from_chars(first, last, value);
        if (ec != std::errc() || ptr != last)
            return std::nullopt;
        return value;
    }

private:
    bool refill()
    {
        m_end = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
        m_pos = 0;
        return m_end > 0;
    }

    std::FILE* m_file;
    std::vector<char> m_buffer;
    size_t m_pos = 0;
    size_t m_end = 0;
};

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

PosixReplacedFile::PosixReplacedFile(std::string folder, std::string path)
    : m_folder(std::move(folder)), m_path(std::move(path))
{
}

PosixReplacedFile::~PosixReplacedFile()
{
    closeFile();
}

void PosixReplacedFile::closeFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool PosixReplacedFile::ensureOpen(double now)
{
    if (m_fd >= 0) {
        if (now - m_lastCheck < kCheckInterval)
            return true;
        m_lastCheck = now;
        struct stat onDisk {};
        if (::stat(m_path.c_str(), &onDisk) == 0 && onDisk.st_ino == m_inode)
            return true;
        closeFile();  // removed or replaced behind our back: open it again
    }
    if (now - m_lastFailure < kRetryInterval)
        return false;
    ::mkdir(m_folder.c_str(), 0755);  // an existing folder is fine
    m_fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    struct stat opened {};
    if (m_fd < 0 || ::fstat(m_fd, &opened) != 0) {
        closeFile();
        m_lastFailure = now;
        return false;
    }
    m_inode = opened.st_ino;
    m_length = opened.st_size;
    m_lastCheck = now;
    return true;
}

bool PosixReplacedFile::replaceThroughRename(std::string_view text)
{
    const std::string temporary = m_path + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    struct stat opened {};
    if (!writeAll(fd, text, 0) || ::fstat(fd, &opened) != 0 || ::rename(temporary.c_str(), m_path.c_str()) != 0) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return false;
    }
    closeFile();
    m_fd = fd;
    m_inode = opened.st_ino;
    return true;
}

bool PosixReplacedFile::write(std::string_view text)
{
    const double now = monotonicNow();
    if (!ensureOpen(now))
        return false;
    const auto length = static_cast<long long>(text.size());
    const bool ok = length >= m_length ? writeAll(m_fd, text, 0) : replaceThroughRename(text);
    if (!ok) {
        closeFile();
        m_lastFailure = now;
        return false;
    }
    m_length = length;
    return true;
}

namespace {

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

PosixFileSystem::PosixFileSystem(std::string exportRoot, std::string workingDirectory)
    : m_workingDirectory(workingDirectory.empty() ? processWorkingDirectory() : std::move(workingDirectory)),
      m_export(exportFolderUnder(rootOrDefault(exportRoot, m_workingDirectory)),
               exportPathUnder(rootOrDefault(exportRoot, m_workingDirectory)))
{
}

std::unique_ptr<NumberReader> PosixFileSystem::openNumbers(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return nullptr;
    return std::make_unique<BufferedNumberReader>(file);
}

bool PosixFileSystem::isFile(const std::string& path) const
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
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

}  // namespace kolven::platform
