#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/files.h"

namespace kolven::platform::web {

// The export file of a page: a browser has no folder at the root of a drive,
// so the text is kept in memory, whole and current, and the page offers it
// as a download of KOLVEN16W.TXT.
class PageExportFile final : public ReplacedFile {
public:
    WriteOutcome write(std::string_view text) override;
    const std::string& path() const override { return m_path; }
    // Nothing before the first writing.
    const std::optional<std::string>& text() const { return m_text; }

private:
    std::string m_path = "/KOLVEN16W.TXT";
    std::optional<std::string> m_text;
};

// The files of a page: the interval file is not downloaded but made on the
// spot, value for value, by the generator that writes KOLVEN_11.KVL at build
// time; nothing else is there.
class WebFileSystem final : public FileSystem {
public:
    std::unique_ptr<NumberReader> openNumbers(const std::string& path) override;
    bool isFile(const std::string& path) const override;
    std::string workingDirectory() const override { return "/"; }
    std::string programDirectory() const override { return "/"; }
    PageExportFile& exportFile() override { return m_export; }

private:
    PageExportFile m_export;
};

}  // namespace kolven::platform::web
