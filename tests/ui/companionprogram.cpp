#include "ui/companionprogram.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace colmara::test {

std::string CompanionOutput(const std::vector<std::string>& args, bool comma) {
    QStringList arguments;
    for (const std::string& arg : args) arguments << QString::fromStdString(arg);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"),
                       comma ? QStringLiteral("de_DE.UTF-8") : QStringLiteral("C"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(COLMARA_REPORT_PROGRAM), arguments);
    const bool finished = program.waitForFinished(120'000);
    EXPECT_TRUE(finished) << "colmara-report did not finish";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    return program.readAllStandardOutput().toStdString();
}

}  // namespace colmara::test
