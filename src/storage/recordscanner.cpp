#include "storage/recordscanner.h"

#include "storage/fieldcodec.h"
#include "storage/recordfile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RecordScanner::RecordScanner(const RecordLayout &layout, int blockRecords)
    : m_layout(layout)
    , m_blockRecords(blockRecords < 1 ? 1 : blockRecords)
{
}

RecordScanner::~RecordScanner()
{
    close();
}

void RecordScanner::open(const QString &path, bool createIfMissing)
{
    close();
    if (createIfMissing) {
        // The same open-or-create rule as every other access to an archive.
        RecordFile file(m_layout.recordSize());
        file.openOrCreate(path);
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw StorageError(QStringLiteral("cannot open ") + path);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw StorageError(QStringLiteral("not a regular file: ") + path);
    }
#ifdef POSIX_FADV_SEQUENTIAL
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    m_fd = fd;
    m_path = path;
    m_count = st.st_size / m_layout.recordSize();
    m_index = -1;
    m_blockFirst = 0;
    m_blockCount = 0;
    m_current = nullptr;
}

void RecordScanner::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_current = nullptr;
}

bool RecordScanner::fill()
{
    const qint64 first = m_blockFirst + m_blockCount;
    const qint64 wanted = std::min<qint64>(m_blockRecords, m_count - first);
    if (wanted <= 0)
        return false;
    const qint64 bytes = wanted * m_layout.recordSize();
    if (m_block.size() < bytes)
        m_block.resize(bytes);
    qint64 done = 0;
    while (done < bytes) {
        const ssize_t n = ::pread(m_fd, m_block.data() + done, static_cast<size_t>(bytes - done),
                                  first * m_layout.recordSize() + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw StorageError(QStringLiteral("cannot read ") + m_path);
        if (n == 0)
            break; // the file shrank since it was opened
        done += n;
    }
    m_blockFirst = first;
    m_blockCount = done / m_layout.recordSize();
    return m_blockCount > 0;
}

bool RecordScanner::next()
{
    if (m_fd < 0)
        return false;
    const qint64 wanted = m_index + 1;
    if (wanted >= m_count)
        return false;
    if (wanted >= m_blockFirst + m_blockCount) {
        if (!fill()) {
            m_count = wanted;
            return false;
        }
    }
    m_index = wanted;
    m_current = m_block.constData() + (m_index - m_blockFirst) * m_layout.recordSize();
    return true;
}

QByteArrayView RecordScanner::raw(int field) const
{
    const Field &f = m_layout.field(field);
    return FieldCodec::rawText(m_current + f.offset, f.capacity);
}

QString RecordScanner::text(int field) const
{
    const Field &f = m_layout.field(field);
    return FieldCodec::read(m_current + f.offset, f.capacity);
}

Record RecordScanner::record() const
{
    return Record(m_layout, QByteArray(m_current, m_layout.recordSize()));
}
