#pragma once

#include <QIODevice>
#include <QString>

#include <memory>

class QFileDevice;

// Where an answer or a report is written, as the user named it:
// - a regular file, or one that does not exist yet, is written through a
//   temporary file in the same folder, renamed over it only once all of it
//   is written: whole or not at all (a symbolic link is followed to its
//   target, which is replaced);
// - a device, a named pipe or a socket is written to directly: a rename
//   would replace it with a file (a run as root would put a file in place of
//   /dev/null), and a pipe's reader would get nothing;
// - "-" and "/dev/stdout" are standard output, which the caller writes.
class OutputFile
{
public:
    enum class Kind
    {
        StandardOutput,
        Replaced,
        Direct,
    };
    static Kind kindOf(const QString &path);

    OutputFile();
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Opens the path for writing (nothing to open for standard output);
    // false with errorString() when it cannot be.
    bool open(const QString &path);
    Kind kind() const { return m_kind; }
    // The device to write to; null for standard output.
    QIODevice *device() const;
    // All written: the temporary file renamed into place, or the device
    // flushed and closed; false with errorString() when any of it failed.
    bool commit();
    // Nothing more is written: the temporary file is removed and the target
    // left as it was. (What went to a device has gone.)
    void cancel();
    QString errorString() const;

private:
    Kind m_kind = Kind::StandardOutput;
    std::unique_ptr<QFileDevice> m_file;
    QString m_error;
};
