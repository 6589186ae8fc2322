#pragma once

#include "WorkbookProblem.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <string_view>

// The zip a workbook is: its central directory read, an entry inflated in
// pieces that stop at a zip bomb's limits, and the zip written again with
// one entry's contents replaced, every other entry copied byte for byte.
// zlib only (the system's, or Qt's own where Qt was built with it).
namespace workbook::zip {

// An entry as the central directory gives it.
struct Entry
{
    int method = 0; // 0 stored, 8 deflated
    qint64 compressed = 0;
    qint64 inflated = 0;
    qint64 localHeader = 0;
};

// Every entry by name, its sizes checked before anything is inflated;
// false, with the problem, where the directory does not read or declares
// a zip bomb.
bool readDirectory(const QByteArray &zip, std::map<QString, Entry> &entries,
                   WorkbookProblem *problem);

// An entry's bytes; nothing, with the problem, where they do not inflate,
// or inflate past the limits whatever size the zip declares.
std::optional<QByteArray> inflateEntry(const QByteArray &zip, const Entry &entry,
                                       WorkbookProblem *problem);

// An entry's new contents, given piece by piece to the function it is
// handed; false where they cannot be made.
using Producer = std::function<bool(const std::function<void(std::string_view)> &write)>;

// The zip again, the entry named given new contents (deflated as they
// come), every other entry's bytes as they were, in their order; nothing
// where the zip does not read, has no such entry, or the contents fail.
std::optional<QByteArray> withEntryReplaced(const QByteArray &zip, const QString &name,
                                            const Producer &contents);

} // namespace workbook::zip
