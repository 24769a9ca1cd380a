#include "support/ChildProcess.h"

#include <QByteArray>

#include <sys/wait.h>
#include <unistd.h>

QString RunInChild(const std::function<QString()> &body)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return QStringLiteral("<no pipe>");

    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(channel[0]);
        const QByteArray answer = body().toUtf8();
        qsizetype done = 0;
        while (done < answer.size()) {
            const ssize_t n = ::write(channel[1], answer.constData() + done, static_cast<size_t>(answer.size() - done));
            if (n <= 0)
                break;
            done += n;
        }
        ::close(channel[1]);
        ::_exit(0);
    }

    ::close(channel[1]);
    QByteArray answer;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(channel[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        answer.append(buffer, n);
    }
    ::close(channel[0]);

    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("<child died>");
    return QString::fromUtf8(answer);
}
