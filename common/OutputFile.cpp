#include "OutputFile.h"

#include <QFile>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

OutputFile::Kind OutputFile::kindOf(const QString &path)
{
    if (path == QLatin1String("-") || path == QLatin1String("/dev/stdout"))
        return Kind::StandardOutput;
    // The status of what the path names, its symbolic links followed.
    std::error_code error;
    const auto status =
        std::filesystem::status(std::filesystem::path(path.toStdU16String()), error);
    if (error || !std::filesystem::exists(status) || std::filesystem::is_regular_file(status))
        return Kind::Replaced;
    return std::filesystem::is_directory(status) ? Kind::Replaced : Kind::Direct;
}

OutputFile::OutputFile() = default;
OutputFile::~OutputFile() = default;

bool OutputFile::open(const QString &path)
{
    m_kind = kindOf(path);
    m_error.clear();
    switch (m_kind) {
    case Kind::StandardOutput:
        return true;
    case Kind::Direct:
        // Unbuffered, so that a write a device refuses (a full disk) is
        // known at once, not lost in a buffer.
        m_file = std::make_unique<QFile>(path);
        if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            m_error = m_file->errorString();
            return false;
        }
        return true;
    case Kind::Replaced:
        m_file = std::make_unique<QSaveFile>(path);
        if (!m_file->open(QIODevice::WriteOnly)) {
            m_error = m_file->errorString();
            return false;
        }
        return true;
    }
    return false;
}

QIODevice *OutputFile::device() const
{
    return m_file.get();
}

bool OutputFile::commit()
{
    if (!m_file)
        return true;
    if (auto *save = dynamic_cast<QSaveFile *>(m_file.get())) {
        if (save->commit())
            return true;
        m_error = save->errorString();
        return false;
    }
    const bool written = m_file->error() == QFileDevice::NoError && m_file->flush();
    if (!written)
        m_error = m_file->errorString();
    m_file->close();
    return written;
}

void OutputFile::cancel()
{
    if (auto *save = dynamic_cast<QSaveFile *>(m_file.get())) {
        save->cancelWriting();
        save->commit(); // removes the temporary file; the target stays as it was
    } else if (m_file) {
        if (m_error.isEmpty() && m_file->error() != QFileDevice::NoError)
            m_error = m_file->errorString(); // why a write failed, before closing forgets it
        m_file->close();
    }
}

QString OutputFile::errorString() const
{
    return m_error.isEmpty() && m_file ? m_file->errorString() : m_error;
}
