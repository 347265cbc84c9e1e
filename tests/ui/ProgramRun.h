// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>
#include <string>

// What the built program did when run to its end.
struct TProgramRun {
    int ExitCode = 0;
    std::string Said;  // on standard error
};

// Runs the built program with the arguments on the offscreen platform and waits up to 30 s
// for it to end normally; a failure is recorded and nothing returned when it does not.
inline std::optional<TProgramRun> RunProgram(const QStringList& args)
{
    QTemporaryDir runtime;  // private, as the toolkit wants it
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    program.setProcessEnvironment(environment);
    program.start(TOLVENN_PROGRAM, args);
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        ADD_FAILURE() << "the program did not end";
        return std::nullopt;
    }
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    return TProgramRun{program.exitCode(), program.readAllStandardError().toStdString()};
}
