#pragma once

#include "OutputFile.h"

#include <QString>

#include <memory>
#include <string>
#include <string_view>

namespace commandline {

// Where the answer goes: standard output, or with --output a file written
// through a temporary file in the same folder, renamed over the file only
// when all of it is written, so that a failed or interrupted run never
// leaves half a file (and a schedule may be written over itself); a device
// or a pipe is written to directly (OutputFile). Written in pieces; a write
// that fails is remembered, and the run ends with status 2 and a line that
// says so, whatever it had answered.
class Output
{
public:
    bool toFile(const QString &path);
    QString errorString() const;

    void write(std::string_view utf8);
    // The buffer the answer is written into, for a writer that adds to it.
    std::string &pending() { return m_pending; }
    void flushIfFull();
    void flush();
    // Everything written, and the file in its place; false if not.
    bool finish();
    // Nothing of the answer goes out, and the file is left as it was.
    void abandon();

private:
    std::unique_ptr<OutputFile> m_file; // null: standard output
    std::string m_pending;
    bool m_failed = false;
};

} // namespace commandline
