#pragma once

#include <string>

#include "platform/files.h"

namespace kolven::platform {

// The export file, replaced whole at each writing: the text goes to a new
// file beside it, under a name no one can foretell, which is then renamed
// over the old one. A reader that opens the path at any moment finds either
// the previous text or the new one, complete, and nothing else: never a mix,
// an empty file or a tail left by someone else.
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
    // The file `file` in the folder `folder` under root; with makeRoot, a
    // root that is not there yet is made, as a private folder.
    PosixReplacedFile(std::string root, std::string folder, std::string file, bool makeRoot);
    WriteOutcome write(std::string_view text) override;
    const std::string& path() const override { return m_path; }

private:
    std::string m_root;
    std::string m_folder;
    std::string m_file;
    bool m_makeRoot = false;
    std::string m_path;
    bool m_temporariesSwept = false;
};

// The folder `name` under root.
std::string folderUnder(const std::string& root, const std::string& name);
// The folder and file names of the export under a root folder.
std::string exportFolderUnder(const std::string& root);
std::string exportPathUnder(const std::string& root);

}  // namespace kolven::platform
