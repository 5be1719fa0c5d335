#pragma once

// Runs the real qbr36-cli and qbr36-sim executables for the command-line tests.

#include "support/test_files.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace r36::cli_test {

inline QString binPath(const char* name) {
    return QStringLiteral(R36_BIN_DIR "/") + QString::fromLatin1(name);
}

using r36::test::dataPath;
using r36::test::fileBytes;

inline void writeBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

/// Runs qbr36-cli to its end. A whole-receiver transfer takes seconds, so the limit is generous;
/// it only keeps a hung program from hanging the suite.
inline CliRun runCli(const QStringList& arguments,
                     const std::vector<std::pair<QString, QString>>& environment = {}) {
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : environment)
        variables.insert(name, value);
    process.setProcessEnvironment(variables);
    process.start(binPath("qbr36-cli"), arguments);
    CliRun run;
    if (!process.waitForStarted() || !process.waitForFinished(180'000)) {
        process.kill();
        process.waitForFinished();
        run.err = "qbr36-cli did not finish";
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

/// A qbr36-sim process serving a simulated receiver on a pseudo-terminal; stopped on
/// destruction.
class SimulatorProcess {
public:
    explicit SimulatorProcess(const QStringList& arguments = {}) {
        m_process.start(binPath("qbr36-sim"), arguments);
        // The first line of its output is the device to open.
        while (m_process.waitForReadyRead(30'000)) {
            if (m_process.canReadLine()) {
                m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
                break;
            }
        }
    }
    ~SimulatorProcess() {
        m_process.terminate();
        if (!m_process.waitForFinished(30'000)) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    const QString& device() const { return m_device; }

private:
    QProcess m_process;
    QString m_device;
};

} // namespace r36::cli_test
