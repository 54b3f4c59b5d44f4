#include "platform/posix_export_temporaries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace kolven::platform {

namespace {

constexpr int kHexDigits = 16;
// A writing renames its temporary within microseconds; one untouched for a
// minute belongs to no writing still going on, in this program or in
// another copy of it.
constexpr time_t kStaleAfterSeconds = 60;

bool isLowerHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

std::string prefixFor(std::string_view file)
{
    return "." + std::string(file) + ".";
}

}  // namespace

std::string temporaryNameFor(std::string_view file, std::uint64_t bits)
{
    std::string name = prefixFor(file);
    for (int i = 0; i < kHexDigits; ++i, bits >>= 4)
        name += "0123456789abcdef"[bits & 0xF];
    return name;
}

bool isTemporaryNameFor(std::string_view file, std::string_view name)
{
    const std::string prefix = prefixFor(file);
    if (name.size() != prefix.size() + kHexDigits || !name.starts_with(prefix))
        return false;
    for (const char c : name.substr(prefix.size()))
        if (!isLowerHex(c))
            return false;
    return true;
}

void removeStaleTemporaries(int folder, std::string_view file)
{
    // A descriptor of its own for the listing: closedir closes it, and the
    // caller's stays open.
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return;
    DIR* entries = ::fdopendir(listing);
    if (!entries) {
        ::close(listing);
        return;
    }
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const uid_t user = ::geteuid();
    while (const dirent* entry = ::readdir(entries)) {
        if (!isTemporaryNameFor(file, entry->d_name))
            continue;
        // The entry itself, never what a link points to; and unlinkat
        // removes a name, so even an entry swapped for a link after this
        // look only loses that link.
        struct stat st {};
        if (::fstatat(folder, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        // A second link would make it someone's file under a borrowed name.
        const bool ours = S_ISREG(st.st_mode) && st.st_uid == user && st.st_nlink == 1;
        if (ours && st.st_mtim.tv_sec + kStaleAfterSeconds < now.tv_sec)
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(entries);
}

}  // namespace kolven::platform
