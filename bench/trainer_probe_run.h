// Runs trainer_probe as the learner's trainer runs: a program folder of its
// own with the project's bank beside it, on xcb on a private Xvfb screen of
// 1280×1024 (xvfb-run), in a new process. Returns the figures it printed
// ("name=value" lines); none when it could not run or did not finish.
#pragma once

#include "bench_database.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <map>
#include <string>

namespace bench {

inline std::map<std::string, double> RunTrainerProbe(const QStringList &arguments, int timeoutMs = 600000)
{
    const QString xvfbRun = QStandardPaths::findExecutable("xvfb-run");
    if (xvfbRun.isEmpty())
        return {};
    QTemporaryDir folder;
    const QString program = folder.path() + "/trainer";
    QFile::copy(QStringLiteral(TRAINER_PROBE), program);
    QFile::copy(QString::fromStdString(BenchDatabase::RealBankFile()), folder.path() + "/vqb005.dat");

    QProcess probe;
    probe.setWorkingDirectory(folder.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    probe.setProcessEnvironment(environment);
    probe.start(xvfbRun, QStringList{"-a", "-s", "-screen 0 1280x1024x24", program} + arguments);
    if (!probe.waitForFinished(timeoutMs) || probe.exitCode() != 0)
        return {};
    std::map<std::string, double> figures;
    for (const QByteArray &line : probe.readAllStandardOutput().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            figures[line.left(equals).toStdString()] = line.mid(equals + 1).toDouble();
    }
    return figures;
}

} // namespace bench
