// Every German failure text from a real failure of the operating system.
#include "shell/AppState.h"
#include "storage/AccFile.h"
#include "storage/IoError.h"
#include "support/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr uid_t NobodyId = 65534;

QString MessageOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EInOutError &e) {
        return e.Message();
    }
    return QStringLiteral("<no error>");
}

// Root may read and write anything; the child gives that up first.
bool DropRootRights()
{
    if (::geteuid() != 0)
        return true;
    return ::setegid(NobodyId) == 0 && ::seteuid(NobodyId) == 0;
}

TAccTable OneInvoice()
{
    TAccTable table;
    ClearAccTable(table);
    table[0] = EmptyAccRecord();
    table[0].AccId.SetText(QStringLiteral("001"));
    table[0].AccName.SetText(QStringLiteral("Miete"));
    return table;
}

TEST(IoErrorText, MapsErrorNumbers)
{
    const std::pair<int, const char16_t *> cases[] = {
        {EMFILE, u"Zu viele geöffnete Dateien"},
        {ENFILE, u"Zu viele geöffnete Dateien"},
        {EACCES, u"Dateizugriff verweigert"},
        {EROFS, u"Dateizugriff verweigert"},
        {ENOSPC, u"Zu wenig Speicherplatz"},
        {EIO, u"E/A-Fehler 5"},
        {EISDIR, u"E/A-Fehler 21"},
    };
    for (const auto &[number, text] : cases)
        EXPECT_EQ(IoErrorText(number), QString::fromUtf16(text)) << number;
}

TEST(IoFailure, ReadingAFileWithoutRightsIsDenied)
{
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                          | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    const QString path = dir.filePath(QStringLiteral("geheim.rcc"));
    WriteAccFile(path, OneInvoice());
    QFile::setPermissions(path, QFile::WriteOwner);

    const QString message = RunInChild([&] {
        if (!DropRootRights())
            return ChildSkipped;
        return MessageOf([&] { ReadAccFile(path); });
    });
    if (message == ChildSkipped)
        GTEST_SKIP() << "cannot give up root rights here";
    EXPECT_EQ(message, QStringLiteral("Dateizugriff verweigert"));
}

TEST(IoFailure, SavingIntoAReadOnlyFolderIsDeniedAndKeepsTheFlag)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Haus.rcc"));
    WriteAccFile(path, OneInvoice());
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
                                          | QFile::ReadGroup | QFile::ExeGroup);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther | QFile::ReadGroup);

    const QString result = RunInChild([&] {
        if (!DropRootRights())
            return ChildSkipped;
        TAppState state;
        state.AccFileName = path;
        state.AccTable = OneInvoice();
        state.AccTable[0].AccName.SetText(QStringLiteral("Strom"));
        const QString message = MessageOf([&] { state.SaveAccFile(); });
        return message + u'|' + (state.AccModified ? u'1' : u'0') + u'|' + state.AccTable[0].AccName.Text();
    });
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (result == ChildSkipped)
        GTEST_SKIP() << "cannot give up root rights here";
    EXPECT_EQ(result, QStringLiteral("Dateizugriff verweigert|1|Strom"));

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

TEST(IoFailure, FullDiskLeavesThePreviousFileWhole)
{
    QTemporaryDir dir;
    const QString result = RunInChild([&] {
        // A private, tiny file system that fills up half way through the write.
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=64k") != 0)
            return ChildSkipped;

        const QString path = dir.filePath(QStringLiteral("Haus.rcc"));
        const QByteArray previous(30000, 'p');
        {
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly) || f.write(previous) != previous.size())
                return QStringLiteral("<setup failed>");
        }
        TAppState state;
        state.AccFileName = path;
        state.AccTable = OneInvoice();
        const QString message = MessageOf([&] { state.SaveAccFile(); });

        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const bool whole = f.readAll() == previous;
        const qsizetype files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size();
        return QStringLiteral("%1|whole=%2|files=%3|modified=%4")
            .arg(message)
            .arg(whole ? "yes" : "no")
            .arg(files)
            .arg(state.AccModified ? "yes" : "no");
    });
    if (result == ChildSkipped)
        GTEST_SKIP() << "no private tmpfs here";
    EXPECT_EQ(result, QStringLiteral("Zu wenig Speicherplatz|whole=yes|files=1|modified=yes"));
}

TEST(IoFailure, TooManyOpenFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Haus.rcc"));
    WriteAccFile(path, OneInvoice());

    const QString message = RunInChild([&] {
        // The sanitizer's dynamic-type check needs a descriptor the first time
        // it meets a type; let it meet the error type while there are some.
        MessageOf([] { throw EInOutError::EndOfFile(); });
        // Every descriptor below the limit is taken: the next open fails.
        const int next = ::dup(0);
        ::close(next);
        const rlimit limit{static_cast<rlim_t>(next), static_cast<rlim_t>(next)};
        if (::setrlimit(RLIMIT_NOFILE, &limit) != 0)
            return ChildSkipped;
        return MessageOf([&] { ReadAccFile(path); });
    });
    EXPECT_EQ(message, QStringLiteral("Zu viele geöffnete Dateien"));
}

TEST(IoFailure, OtherErrorsShowTheirNumber)
{
    QTemporaryDir dir;
    EXPECT_EQ(MessageOf([&] { ReadAccFile(dir.path()); }), QStringLiteral("E/A-Fehler %1").arg(EISDIR));
}

TEST(IoFailure, ShortFileOnDiskReadsSlotZeroThenFails)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kurz.rcc"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(EncodeAccTable(OneInvoice()).left(3353));
    }
    EXPECT_EQ(MessageOf([&] { ReadAccFile(path); }), QStringLiteral("Versuch hinter dem Dateiende zu lesen"));
}

} // namespace
