#include "AnswerOutput.h"

#include "ConsoleStreams.h"

namespace commandline {

bool Output::toFile(const QString &path)
{
    m_file = std::make_unique<OutputFile>();
    if (!m_file->open(path))
        return false;
    if (m_file->kind() == OutputFile::Kind::StandardOutput)
        m_file.reset();
    return true;
}

QString Output::errorString() const
{
    return m_file ? m_file->errorString() : QString();
}

void Output::write(std::string_view utf8)
{
    m_pending.append(utf8);
    flushIfFull();
}

void Output::flushIfFull()
{
    if (m_pending.size() >= (1u << 16))
        flush();
}

void Output::flush()
{
    if (m_pending.empty() || m_failed) {
        m_pending.clear();
        return;
    }
    const bool written =
        m_file ? m_file->device()->write(m_pending.data(), static_cast<qint64>(m_pending.size())) ==
                     static_cast<qint64>(m_pending.size())
               : console::write(console::Stream::Output, m_pending);
    m_failed = !written;
    m_pending.clear();
}

bool Output::finish()
{
    flush();
    if (!m_file)
        return !m_failed;
    if (m_failed) {
        m_file->cancel();
        return false;
    }
    return m_file->commit();
}

void Output::abandon()
{
    m_pending.clear();
    if (m_file)
        m_file->cancel();
}

} // namespace commandline
