#include "storage/recordfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

QString archiveAccessMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
}

StorageError::StorageError(const QString &detail)
    : std::runtime_error(detail.toStdString())
{
}

QString StorageError::detail() const
{
    return QString::fromStdString(what());
}

namespace {

QString systemError(const QString &what, const QString &path)
{
    return QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(errno)));
}

// Holds an exclusive advisory lock for the length of one operation.
class LockGuard
{
public:
    explicit LockGuard(int fd)
        : m_fd(fd)
    {
        while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~LockGuard() { ::flock(m_fd, LOCK_UN); }
    LockGuard(const LockGuard &) = delete;
    LockGuard &operator=(const LockGuard &) = delete;

private:
    int m_fd;
};

} // namespace

RecordFile::RecordFile(int recordSize)
    : m_recordSize(recordSize)
{
}

RecordFile::~RecordFile()
{
    close();
}

namespace {

// Opens a path as a regular file; -1 when it cannot be opened or is no
// regular file (a folder standing where the file should be).
int openRegularFile(const QByteArray &name, int flags)
{
    const int fd = ::open(name.constData(), flags | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        return -1;
    }
    return fd;
}

} // namespace

void RecordFile::openOrCreate(const QString &path)
{
    close();
    const QByteArray name = QFile::encodeName(path);
    int fd = openRegularFile(name, O_RDWR);
    if (fd < 0 && errno == ENOENT)
        fd = openRegularFile(name, O_RDWR | O_CREAT);
    if (fd < 0)
        throw StorageError(systemError(QStringLiteral("cannot open"), path));
    m_fd = fd;
    m_index = 0;
    m_path = path;
}

void RecordFile::openForReading(const QString &path)
{
    close();
    const int fd = openRegularFile(QFile::encodeName(path), O_RDONLY);
    if (fd < 0)
        throw StorageError(systemError(QStringLiteral("cannot open"), path));
    m_fd = fd;
    m_index = 0;
    m_path = path;
}

void RecordFile::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_index = 0;
}

qint64 RecordFile::fileSize() const
{
    if (m_fd < 0)
        throw StorageError(QStringLiteral("file not open"));
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        throw StorageError(systemError(QStringLiteral("cannot read the size of"), m_path));
    return st.st_size;
}

qint64 RecordFile::count() const
{
    return fileSize() / m_recordSize;
}

bool RecordFile::hasPartialRecord() const
{
    return fileSize() % m_recordSize != 0;
}

void RecordFile::seek(qint64 index)
{
    if (index < 0)
        throw StorageError(QStringLiteral("negative record index"));
    m_index = index;
}

QByteArray RecordFile::read()
{
    if (m_index >= count())
        throw StorageError(QStringLiteral("read past the last record of ") + m_path);
    QByteArray record(m_recordSize, Qt::Uninitialized);
    qint64 done = 0;
    const qint64 start = m_index * m_recordSize;
    while (done < m_recordSize) {
        const ssize_t n = ::pread(m_fd, record.data() + done, static_cast<size_t>(m_recordSize - done), start + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw StorageError(systemError(QStringLiteral("cannot read"), m_path));
        done += n;
    }
    ++m_index;
    return record;
}

void RecordFile::writeAt(qint64 index, const QByteArray &record)
{
    if (record.size() != m_recordSize)
        throw StorageError(QStringLiteral("record of the wrong size"));
    // One write of the whole record: a short write can only come from a full
    // disk or a failing device, and is reported as a failure.
    ssize_t n;
    do {
        n = ::pwrite(m_fd, record.constData(), static_cast<size_t>(m_recordSize), index * m_recordSize);
    } while (n < 0 && errno == EINTR);
    if (n != m_recordSize)
        throw StorageError(systemError(QStringLiteral("cannot write"), m_path));
    if (::fdatasync(m_fd) != 0)
        throw StorageError(systemError(QStringLiteral("cannot flush"), m_path));
    m_index = index + 1;
}

void RecordFile::write(const QByteArray &record)
{
    if (m_fd < 0)
        throw StorageError(QStringLiteral("file not open"));
    const LockGuard lock(m_fd);
    // Writing at the end is an append: count again under the lock, so that a
    // record another copy of the program has just added is not overwritten.
    const qint64 total = count();
    writeAt(m_index >= total ? total : m_index, record);
}

qint64 RecordFile::append(const QByteArray &record)
{
    if (m_fd < 0)
        throw StorageError(QStringLiteral("file not open"));
    const LockGuard lock(m_fd);
    const qint64 index = count();
    writeAt(index, record);
    return index;
}
