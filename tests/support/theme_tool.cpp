#include "support/theme_tool.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

int runKalmoTheme(const QStringList& arguments, QString* errors) {
    QProcess tool;
    tool.setProgram(QDir(QCoreApplication::applicationDirPath())
                        .absoluteFilePath(QStringLiteral("../kalmo-theme")));
    tool.setArguments(arguments);
    tool.start();
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit)
        return -1;
    if (errors)
        *errors = QString::fromLocal8Bit(tool.readAllStandardError());
    return tool.exitCode();
}

void dumpStyle(const QString& style, const QString& path) {
    QString errors;
    ASSERT_EQ(runKalmoTheme({QStringLiteral("dump"), style, path}, &errors), 0)
        << errors.toStdString();
}
