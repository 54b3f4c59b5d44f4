// The information pages in the real window, opened and closed with real
// pointer events.

#include <gtest/gtest.h>

#include <QJsonObject>

#include "support/drive_runner.h"

namespace {

using kolven::testing::drive;
using kolven::testing::DriveRun;
using kolven::testing::object;

bool shown(const QByteArray& dump, const char* name)
{
    return object(dump)["controls"].toObject()[name].toObject()["visible"].toBool();
}

// Each entry in turn: the page covers the window and hides " Quitter ";
// a click on the page (a line, or the statistics picture) brings the
// window back with the list selecting nothing.
TEST(InformationPagesDrive, EachEntryOpensItsPageAndAClickClosesIt)
{
    const struct {
        int entry;
        const char* clicked;
        const char* shownOnPage;
    } rows[] = {
        {0, "Label1", "Label29"}, {1, "Label16", "Label12"}, {2, "STAT_Image3", "STAT_Image3"},
        {3, "Label14", "Label13"}, {4, "Label3", "Label10"},
    };
    QString script;
    for (const auto& row : rows)
        script += QString("hover INFORMATIONS\npick INFOS %1\ndump\nclick %2\ndump\n").arg(row.entry).arg(row.clicked);
    for (const char* screen : {"1024x768", "1920x1080"}) {
        SCOPED_TRACE(screen);
        const DriveRun run = drive(script, {"--screen", screen});
        ASSERT_EQ(run.exitCode, 0);
        ASSERT_EQ(run.lines.size(), 2 * std::size(rows));
        for (std::size_t i = 0; i < std::size(rows); ++i) {
            SCOPED_TRACE(rows[i].entry);
            const QByteArray& open = run.lines[2 * i];
            const QByteArray& closed = run.lines[2 * i + 1];
            EXPECT_TRUE(shown(open, "Picture2") && shown(open, rows[i].shownOnPage));
            EXPECT_FALSE(shown(open, "FIN") || shown(open, "INFOS"));
            EXPECT_FALSE(shown(closed, "Picture2") || shown(closed, rows[i].shownOnPage));
            EXPECT_TRUE(shown(closed, "FIN"));
            EXPECT_EQ(object(closed)["controls"].toObject()["INFOS"].toObject()["index"].toInt(), -1);
        }
    }
}

}  // namespace
