#pragma once

#include <string>

#include "core/export_text.h"
#include "platform/files.h"

namespace kolven {

enum class NoticeChange { None, Show, Withdraw };

// Writes the histogram to the export file and keeps what the window says
// about it: a trouble is said once, when it begins or changes, and the
// notice goes when a writing succeeds again.
class ExportWriter {
public:
    NoticeChange write(platform::ReplacedFile& file, const Histogram& histogram);
    // The notice for the trouble of the last writing, about the file at path.
    std::string noticeText(const std::string& path) const;

private:
    ExportText m_text;
    platform::WriteOutcome m_last = platform::WriteOutcome::Written;
};

}  // namespace kolven
