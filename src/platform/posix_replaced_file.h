#pragma once

#include <string>

#include "platform/files.h"

namespace kolven::platform {

// The export file, replaced whole at each writing: the text goes to a new
// file beside it, under a name no one can foretell, which is then renamed
// over the old one. A reader that opens the path at any moment finds either
// the previous text or the new one, complete, and nothing else: never a mix,
// an empty file or a tail left by someone else. The new file takes the
// permissions of the one it replaces, when that one is a regular file of the
// user's; a new name gets 0644 less the umask. Being a new file, it leaves
// the old text to any other name (hard link) the old one had.
//
// Nothing is written through a link: the folder is opened without following
// one and both files are made inside it relative to it, so that a link put
// in the way in a folder others can write (the root of a shared mount)
// cannot turn a writing against another file of the user's. A folder or file
// that is a link, or a folder that belongs to another user, is refused.
//
// The folder is opened afresh at each writing: a folder or file removed
// during a run is simply made again by the next writing.
//
// A program killed between writing a temporary and renaming it leaves the
// temporary behind. The first writing into an accepted folder removes those
// of earlier lives; once is enough, since this program removes its own
// temporary whenever a writing fails.
class PosixReplacedFile final : public ReplacedFile {
public:
    // The folder KOLVEN16W under root, and the file KOLVEN16W.TXT in it.
    explicit PosixReplacedFile(std::string root);
    // A file the user chose, in a folder that must exist already. The user
    // picked the folder, so it need not be theirs; a link at the file's own
    // name is still refused.
    static PosixReplacedFile chosen(const std::string& path);
    // A file of this program's own in the folder `folder` under root, both
    // made, private, when missing (the user's data folder need not exist yet).
    static PosixReplacedFile kept(const std::string& root, const std::string& folder, const std::string& file);
    WriteOutcome write(std::string_view text) override;
    const std::string& path() const override { return m_path; }
    // The errno of the last writing that failed, 0 when it was refused.
    int lastError() const { return m_error; }

private:
    PosixReplacedFile(std::string root, std::string folder, std::string file, bool makeRoot = false);
    WriteOutcome fail(WriteOutcome outcome, int error);

    std::string m_root;
    std::string m_folder;  // under m_root, made when missing; empty: m_root itself
    std::string m_file;
    bool m_makeRoot = false;
    std::string m_path;
    bool m_temporariesSwept = false;
    int m_error = 0;
};

// The folder `name` under root.
std::string folderUnder(const std::string& root, const std::string& name);
// The folder and file names of the export under a root folder.
std::string exportFolderUnder(const std::string& root);
std::string exportPathUnder(const std::string& root);

}  // namespace kolven::platform
