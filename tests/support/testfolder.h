#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary program folder for one test: the program's data files are
// read and written there, never in the build tree. The clock stays as the
// test sets it.
class TestFolder
{
public:
    TestFolder();
    ~TestFolder();

    QString path() const; // ends with "/"
    QString file(const QString &name) const;
    // Writes raw bytes to a file of the folder.
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir m_dir;
};
