// The export file's notice: a trouble said once when it begins or changes,
// withdrawn when a writing succeeds again, and saying why.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/export_writer.h"

namespace {

using kolven::NoticeChange;
using kolven::platform::WriteOutcome;

// A file whose writings end as the test says.
class ScriptedFile final : public kolven::platform::ReplacedFile {
public:
    WriteOutcome write(std::string_view text) override
    {
        last = text;
        return outcome;
    }
    const std::string& path() const override { return m_path; }

    WriteOutcome outcome = WriteOutcome::Written;
    std::string last;

private:
    std::string m_path = "/mnt/classe/KOLVEN16W/KOLVEN16W.TXT";
};

TEST(ExportWriter, SaysATroubleOnceAndWithdrawsItWhenOver)
{
    const struct {
        WriteOutcome outcome;
        NoticeChange change;
    } steps[] = {
        {WriteOutcome::Written, NoticeChange::None},
        {WriteOutcome::Failed, NoticeChange::Show},
        {WriteOutcome::Failed, NoticeChange::None},
        {WriteOutcome::FileIsLink, NoticeChange::Show},
        {WriteOutcome::Written, NoticeChange::Withdraw},
        {WriteOutcome::Written, NoticeChange::None},
    };
    ScriptedFile file;
    kolven::ExportWriter writer;
    kolven::Histogram histogram{};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        histogram[3] = static_cast<int>(i);
        file.outcome = steps[i].outcome;
        EXPECT_EQ(writer.write(file, histogram), steps[i].change);
        EXPECT_NE(file.last.find("\r\n 3  " + std::to_string(i) + " \r\n"), std::string::npos);
    }
}

TEST(ExportWriter, TheNoticeSaysWhy)
{
    const struct {
        WriteOutcome outcome;
        const char* text;
    } rows[] = {
        {WriteOutcome::Failed,
         "  Le fichier /mnt/classe/KOLVEN16W/KOLVEN16W.TXT ne peut pas être écrit : l'histogramme n'y est pas "
         "exporté  "},
        {WriteOutcome::FolderIsLink, "  Export de l'histogramme refusé : le dossier /mnt/classe/KOLVEN16W est un lien  "},
        {WriteOutcome::FolderNotOwned,
         "  Export de l'histogramme refusé : le dossier /mnt/classe/KOLVEN16W appartient à un autre utilisateur  "},
        {WriteOutcome::FileIsLink,
         "  Export de l'histogramme refusé : le fichier /mnt/classe/KOLVEN16W/KOLVEN16W.TXT est un lien  "},
    };
    for (const auto& row : rows) {
        ScriptedFile file;
        file.outcome = row.outcome;
        kolven::ExportWriter writer;
        writer.write(file, {});
        EXPECT_EQ(writer.noticeText(file.path()), row.text);
    }
}

}  // namespace
