#include "storage/FileIo.h"

#include "storage/IoError.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Closes the descriptor when the read ends, also by an exception.
class TReadDescriptor
{
public:
    explicit TReadDescriptor(const QByteArray &path)
        : m_fd(::open(path.constData(), O_RDONLY | O_CLOEXEC))
    {
    }
    ~TReadDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TReadDescriptor(const TReadDescriptor &) = delete;
    TReadDescriptor &operator=(const TReadDescriptor &) = delete;

    int Get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

std::optional<QByteArray> ReadFileStart(const QString &path, qsizetype maxBytes)
{
    const TReadDescriptor fd(QFile::encodeName(path));
    if (fd.Get() < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        throw EInOutError::FromErrno(ErrnoOrEio(errno));
    }

    QByteArray data(maxBytes, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < maxBytes) {
        const ssize_t n = ::read(fd.Get(), data.data() + filled, static_cast<size_t>(maxBytes - filled));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw EInOutError::FromErrno(ErrnoOrEio(errno));
        }
        if (n == 0)
            break;
        filled += n;
    }
    data.truncate(filled);
    return data;
}

void WriteFileAtomically(const QString &path, QByteArrayView data)
{
    // QSaveFile writes a temporary file beside the target and renames it over
    // the target only when everything was written. Its error classes are too
    // coarse for the user's message, so errno is taken right after the call
    // that failed.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw EInOutError::FromErrno(ErrnoOrEio(errno));

    errno = 0;
    if (file.write(data.data(), data.size()) != data.size() || !file.flush()) {
        const int error = ErrnoOrEio(errno);
        file.cancelWriting();
        throw EInOutError::FromErrno(error);
    }

    errno = 0;
    if (!file.commit())
        throw EInOutError::FromErrno(ErrnoOrEio(errno));
}
