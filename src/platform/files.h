#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kolven::platform {

// Sequential reading of decimal numbers from a text file: fields separated by
// commas, blanks or line breaks, a point as decimal separator.
class NumberReader {
public:
    virtual ~NumberReader() = default;
    // The next number; nothing at the end of the file or on a field that is
    // not a number (a read error).
    virtual std::optional<double> next() = 0;
};

// What became of one writing of a replaced file. A link in the way, or a
// folder that belongs to someone else, is refused: writing through it could
// overwrite any file of the user's.
enum class WriteOutcome {
    Written,
    Failed,          // the folder or the file cannot be written
    FolderIsLink,
    FolderNotOwned,  // the folder belongs to another user
    FileIsLink,
};

// A text file rewritten whole at each writing.
class ReplacedFile {
public:
    virtual ~ReplacedFile() = default;
    // Replaces the file by one holding text. On anything but Written the
    // file is left as it was; a later call tries again.
    virtual WriteOutcome write(std::string_view text) = 0;
    virtual const std::string& path() const = 0;
};

// What became of saving a file the user chose.
enum class SaveOutcome {
    Saved,
    FolderMissing,
    NotAllowed,  // the user may not write there
    ReadOnly,    // the disk or the medium takes no writing
    DiskFull,
    IsLink,      // a link stands at the file's name
    Failed,      // anything else
};

// What a path names, as far as reading numbers from it goes.
enum class EntryKind {
    Missing,
    File,       // a regular file with at least one byte
    EmptyFile,  // a regular file of no byte
    Other,      // a folder, a pipe, a device, a socket, a dangling link
};

// Why a file chosen by the user was not read. Only a regular file is read,
// never through a link, and without waiting (a pipe is refused): the user
// may be handed any path.
enum class TextFault {
    None,
    Missing,
    Link,
    NotRegular,  // a folder, a pipe, a device, a socket
    TooLarge,
    Unreadable,
};

struct TextRead {
    TextFault fault = TextFault::None;
    std::string text;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Null when the file cannot be opened for reading.
    virtual std::unique_ptr<NumberReader> openNumbers(const std::string& path) = 0;
    virtual bool isFile(const std::string& path) const = 0;
    virtual EntryKind entryKind(const std::string& path) const
    {
        return isFile(path) ? EntryKind::File : EntryKind::Missing;
    }
    virtual std::string workingDirectory() const = 0;
    virtual std::string programDirectory() const = 0;
    // The histogram export file, in its folder, where this system puts it.
    virtual ReplacedFile& exportFile() = 0;
    // Replaces the file at path, or makes it, whole: a reader finds the old
    // bytes or the new ones, never a mix.
    virtual SaveOutcome saveFile(const std::string& /*path*/, std::string_view /*bytes*/)
    {
        return SaveOutcome::Failed;
    }
    // The file whole when it holds at most `most` bytes; with `tail`, a
    // longer file gives its last `most` bytes instead of a refusal.
    virtual TextRead readText(const std::string& /*path*/, std::size_t /*most*/, bool /*tail*/ = false) const
    {
        return {TextFault::Unreadable, {}};
    }
    // The class's own interval stream, kept in the user's data folder from
    // one use to the next; null where this system keeps none.
    virtual ReplacedFile* classIntervalFile() { return nullptr; }
};

}  // namespace kolven::platform
