#include "shell/Calculator.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>

bool StartCalculator()
{
    for (const char *name : {"gnome-calculator", "kcalc", "mate-calc", "galculator", "xcalc"}) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!program.isEmpty())
            return QProcess::startDetached(program, {});
    }
    return false;
}
