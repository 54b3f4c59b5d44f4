// The detector driven through kolven-drive with real pointer events: a
// recording played as if heard, stopped, its stream in the dump and counted.

#include <gtest/gtest.h>

#include <QDataStream>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <cmath>

#include "support/drive_runner.h"

namespace kolven::testing {
namespace {

// A 16-bit mono WAV at 48 kHz: 1100 clicks 50 ms apart from 0.5 s on, 56 s
// long, as a counter's loudspeaker gives them to a microphone.
void writeClicks(const QString& path)
{
    constexpr int kRate = 48000;
    constexpr int kFrames = 56 * kRate;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * kFrames);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(kRate) << quint32(2 * kRate) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * kFrames);
    for (int f = 0; f < kFrames; ++f) {
        const int since = (f - kRate / 2) % (kRate / 20);
        const bool click = f >= kRate / 2 && f < kRate / 2 + 1100 * (kRate / 20);
        out << qint16(click ? std::lround(20000 * std::exp(-since / 5.0)) : 0);
    }
}

TEST(DetectorDrive, RecordingPlayedStoppedAndCounted)
{
    QTemporaryDir data;
    const QString wav = data.filePath("classe.wav");
    writeClicks(wav);
    const DriveRun run = drive(QString("record-from %1\n"
                                       "dump\n"
                                       "click ECOUTE_ARRET\n"
                                       "hover ORIGINE\nhover Label38\npick ASSOCIATIONS_List 0\n"
                                       "hover LANCER1\npick LANCER_N 6\n"
                                       "dump\nquit\n")
                                   .arg(wav),
                               {"--data-home", data.path(), "--clock", "0"});
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(controlOf(run.lines[0], "ECOUTE_IMPULSIONS")["caption"].toString(), " Impulsions : 1 100 ");
    EXPECT_TRUE(controlOf(run.lines[0], "ECOUTE_ARRET")["visible"].toBool());
    // The commands are put away while it listens.
    for (const char* command : {"ORIGINE", "INFORMATIONS", "DETECTEUR"})
        EXPECT_FALSE(controlOf(run.lines[0], command)["visible"].toBool()) << command;
    const QJsonObject state = stateOf(run.lines[1]);
    EXPECT_EQ(state["FLUX_T"].toString(), "CLASSE");
    EXPECT_EQ(state["IMPULSIONS_L"].toInt(), 1100);
    // 1099 intervals of 50 ms.
    EXPECT_NEAR(state["CADENCE_D"].toDouble(), 20.0, 1e-9);
    EXPECT_EQ(controlOf(run.lines[1], "FLUX")["caption"].toString(),
              " Intervalles de la classe : 1 100 impulsions, 20,0 /s ");
    // Regular pulses: every count at mean 9 is 9.
    EXPECT_EQ(state["SN_L"].toInt(), 100);
    EXPECT_EQ(state["HISTO_COMPT"].toArray()[9].toInt(), 100);
}

}  // namespace
}  // namespace kolven::testing
