#include "platform/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

constexpr std::array<bool, 256> kSeparators = [] {
    std::array<bool, 256> table{};
    for (unsigned char c : {',', ' ', '\t', '\r', '\n'})
        table[c] = true;
    return table;
}();

bool isSeparator(char c)
{
    return kSeparators[static_cast<unsigned char>(c)];
}

class BufferedNumberReader final : public NumberReader {
public:
    explicit BufferedNumberReader(std::FILE* file) : m_file(file), m_buffer(1 << 16)
    {
        // A file saved by an editor may open with the UTF-8 byte order mark.
        if (refill() && m_end >= 3 && std::memcmp(m_buffer.data(), "\xEF\xBB\xBF", 3) == 0)
            m_pos = 3;
    }
    ~BufferedNumberReader() override { std::fclose(m_file); }

    // Fields are parsed where they lie in the buffer, in one pass for the
    // common plain decimal; only a field cut by the end of the buffer is
    // gathered into a string first. The simulation reads one value per
    // detection, 170 per count at the highest mean.
    std::optional<double> next() override
    {
        for (;;) {
            while (m_pos < m_end && isSeparator(m_buffer[m_pos]))
                ++m_pos;
            if (m_pos < m_end)
                break;
            if (!refill())
                return std::nullopt;
        }
        if (const auto value = plainDecimalInPlace())
            return value;
        size_t end = m_pos;
        while (end < m_end && !isSeparator(m_buffer[end]))
            ++end;
        if (end < m_end) {
            const auto value = parse(m_buffer.data() + m_pos, m_buffer.data() + end);
            m_pos = end;
            return value;
        }
        std::string field(m_buffer.data() + m_pos, end - m_pos);
        m_pos = m_end;
        while (refill()) {
            while (m_pos < m_end && !isSeparator(m_buffer[m_pos]))
                field.push_back(m_buffer[m_pos++]);
            if (m_pos < m_end)
                break;
        }
        return parse(field.data(), field.data() + field.size());
    }

private:
    // Digits with at most one point and at most 15 significant digits,
    // ended by a separator inside the buffer: the digits as a whole number,
    // divided once by a power of ten. Both are exact doubles, so the one
    // rounding of the division gives the correctly rounded value, as the
    // general parser would. Anything else is left to the general parser.
    std::optional<double> plainDecimalInPlace()
    {
        static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8,
                                             1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        const char* p = m_buffer.data() + m_pos;
        const char* const end = m_buffer.data() + m_end;
        std::uint64_t digits = 0;
        const char* const first = p;
        unsigned digit = 0;
        while (p < end && (digit = static_cast<unsigned char>(*p) - unsigned{'0'}) < 10) {
            digits = digits * 10 + digit;
            ++p;
        }
        int count = static_cast<int>(p - first);
        int decimals = 0;
        if (p < end && *p == '.') {
            const char* const fraction = ++p;
            while (p < end && (digit = static_cast<unsigned char>(*p) - unsigned{'0'}) < 10) {
                digits = digits * 10 + digit;
                ++p;
            }
            decimals = static_cast<int>(p - fraction);
            count += decimals;
        }
        if (p == end || !isSeparator(*p) || count == 0 || count > 15)
            return std::nullopt;
        m_pos = static_cast<size_t>(p - m_buffer.data());
        return static_cast<double>(digits) / kPowers[decimals];
    }

    static std::optional<double> parse(const char* first, const char* last)
    {
        if (first < last && *first == '+')
            ++first;
        double value = 0;
        const auto [ptr, ec] = std::from_chars(first, last, value);
        // "inf" and "nan" parse, but they are words, not decimal numbers.
        if (first == last || ec != std::errc() || ptr != last || !std::isfinite(value))
            return std::nullopt;
        return value;
    }

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
