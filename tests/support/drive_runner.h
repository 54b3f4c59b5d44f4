#pragma once

// Runs build/bin/kolven-drive on a script, on the offscreen platform, and
// reads back its lines of JSON. The drive tests take their Qt and standard
// headers from here.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace kolven::testing {

struct DriveRun { int exitCode = -1; std::vector<QByteArray> lines; };

// The working folder and the export root are folders of this run's own
// unless the arguments name them.
inline DriveRun drive(const QString& script, QStringList arguments = {}) {
    QTemporaryDir folder;
    if (!arguments.contains("--workdir"))
        arguments << "--workdir" << folder.path();
    if (!arguments.contains("--export-root"))
        arguments << "--export-root" << folder.path();
    QProcess process;  // kolven-drive takes the offscreen platform unless told otherwise
    process.start(QStringLiteral(KOLVEN_BIN_DIR "/kolven-drive"), arguments);
    process.write(script.toUtf8());
    process.closeWriteChannel();
    DriveRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "kolven-drive did not finish";
    } else if (process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
    }
    for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            run.lines.push_back(line);
    return run;
}

inline QJsonObject object(const QByteArray& line) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError)
        << error.errorString().toStdString() << " in " << line.left(200).toStdString();
    return document.object();
}

// A run on a working folder holding an interval file of the test's own, the
// clock at midnight so that the file is entered at its first value.
inline DriveRun driveOnIntervals(const QByteArray& intervals, const QString& script) {
    QTemporaryDir work;
    QFile file(work.filePath("KOLVEN_11.KVL"));
    if (!file.open(QIODevice::WriteOnly) || file.write(intervals) != intervals.size())
        ADD_FAILURE() << "cannot write the interval file";
    file.close();
    return drive(script, {"--clock", "0", "--workdir", work.path()});
}

// A dump's variables, and one of its controls.
inline QJsonObject stateOf(const QByteArray& line) { return object(line)["state"].toObject(); }
inline QJsonObject controlOf(const QByteArray& line, const char* name) {
    return object(line)["controls"].toObject()[name].toObject();
}
// A dump's controls of a group that are visible, by name.
inline std::vector<std::string> visibleIn(const QByteArray& line, std::initializer_list<const char*> group) {
    std::vector<std::string> names;
    for (const char* name : group)
        if (controlOf(line, name)["visible"].toBool())
            names.push_back(name);
    return names;
}

// Scripts of the usual roads: simulated counts of an association (0: the
// counts themselves), and a run of an entry of LANCER_N.
inline QString simulation(int association) {
    return QString("hover ORIGINE\nhover Label38\npick ASSOCIATIONS_List %1\n").arg(association);
}
inline QString runOf(int entry) { return QString("hover LANCER1\npick LANCER_N %1\n").arg(entry); }

}  // namespace kolven::testing
