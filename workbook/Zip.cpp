#include "Zip.h"

#ifdef TORVANE_QT_ZLIB
#include <QtZlib/zlib.h> // Qt's own, where Qt was built with it
#else
#include <zlib.h>
#endif

#include <algorithm>
#include <vector>

namespace workbook::zip {
namespace {

// The limits of a zip bomb (below).
constexpr qint64 MostInflated = qint64{1} << 30;
constexpr qint64 InflatedBeforeRatio = 10 << 20;
constexpr qint64 MostRatio = 100;

constexpr quint32 LocalSignature = 0x04034b50;
constexpr quint32 CentralSignature = 0x02014b50;
constexpr quint16 DataDescriptorFlag = 0x0008;

// A zip bomb: more than 1 GB inflated, or past 10 MB more than 100 times
// the entry's compressed size.
bool tooLarge(qint64 inflated, qint64 compressed)
{
    return inflated > MostInflated || (inflated > InflatedBeforeRatio &&
                                       inflated > MostRatio * std::max<qint64>(compressed, 1));
}

quint32 little32(const QByteArray &bytes, qsizetype at)
{
    quint32 value = 0;
    for (int b = 3; b >= 0; --b)
        value = value << 8 | static_cast<unsigned char>(bytes[at + b]);
    return value;
}
quint16 little16(const QByteArray &bytes, qsizetype at)
{
    return static_cast<quint16>(static_cast<unsigned char>(bytes[at]) |
                                static_cast<unsigned char>(bytes[at + 1]) << 8);
}
void put32(QByteArray &bytes, qsizetype at, quint32 value)
{
    for (int b = 0; b < 4; ++b)
        bytes[at + b] = static_cast<char>(value >> (8 * b) & 0xFF);
}
void put16(QByteArray &bytes, qsizetype at, quint16 value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

// The end of central directory record: its signature within the last
// 64 kB and 22 bytes (a comment may follow it); -1 without one.
qsizetype directoryEnd(const QByteArray &zip)
{
    const qsizetype from = std::max<qsizetype>(0, zip.size() - 65557);
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    return end < from || end + 22 > zip.size() ? -1 : end;
}

// One central directory record where it stands, and its entry's name.
struct Record
{
    qsizetype at = 0;
    qsizetype length = 0;
    qint64 localHeader = 0;
    QString name;
};

std::optional<std::vector<Record>> readRecords(const QByteArray &zip, qsizetype end)
{
    std::vector<Record> records;
    const quint16 count = little16(zip, end + 10);
    qsizetype at = little32(zip, end + 16);
    for (quint16 e = 0; e < count; ++e) {
        if (at + 46 > zip.size() || little32(zip, at) != CentralSignature)
            return std::nullopt;
        const quint16 nameLength = little16(zip, at + 28);
        const qsizetype length = 46 + nameLength + little16(zip, at + 30) + little16(zip, at + 32);
        if (at + length > zip.size())
            return std::nullopt;
        records.push_back({at, length, little32(zip, at + 42),
                           QString::fromUtf8(zip.constData() + at + 46, nameLength)});
        at += length;
    }
    return records;
}

// Contents deflated as they come, appended to `out`: their CRC and sizes.
struct Deflated
{
    quint32 crc = 0;
    qint64 inflated = 0;
    qint64 compressed = 0;
};
std::optional<Deflated> appendDeflated(QByteArray &out, const Producer &contents)
{
    z_stream stream{};
    // The fastest level: a sheet of a hundred thousand rows is written in
    // a fraction of the time, and a fifth larger.
    if (deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return std::nullopt;
    Deflated made;
    made.crc = static_cast<quint32>(crc32(0, nullptr, 0));
    char buffer[1 << 16];
    bool failed = false;
    const auto pump = [&](std::string_view piece, int flush) {
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(piece.data()));
        stream.avail_in = static_cast<uInt>(piece.size());
        int status = Z_OK;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(buffer);
            stream.avail_out = sizeof buffer;
            status = deflate(&stream, flush);
            if (status == Z_STREAM_ERROR) {
                failed = true;
                return;
            }
            out.append(buffer, static_cast<qsizetype>(sizeof buffer - stream.avail_out));
        } while (stream.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
    };
    const bool produced = contents([&](std::string_view piece) {
        made.crc =
            static_cast<quint32>(crc32(made.crc, reinterpret_cast<const Bytef *>(piece.data()),
                                       static_cast<uInt>(piece.size())));
        made.inflated += static_cast<qint64>(piece.size());
        if (!failed)
            pump(piece, Z_NO_FLUSH);
    });
    if (produced && !failed)
        pump({}, Z_FINISH);
    made.compressed = static_cast<qint64>(stream.total_out);
    deflateEnd(&stream);
    if (!produced || failed)
        return std::nullopt;
    return made;
}

} // namespace

bool readDirectory(const QByteArray &zip, std::map<QString, Entry> &entries,
                   WorkbookProblem *problem)
{
    *problem = WorkbookProblem::Corrupt;
    const qsizetype end = directoryEnd(zip);
    if (end < 0)
        return false;
    const auto records = readRecords(zip, end);
    if (!records)
        return false;
    for (const Record &record : *records) {
        Entry entry;
        entry.method = little16(zip, record.at + 10);
        entry.compressed = little32(zip, record.at + 20);
        entry.inflated = little32(zip, record.at + 24);
        entry.localHeader = record.localHeader;
        if (tooLarge(entry.inflated, entry.compressed)) {
            *problem = WorkbookProblem::TooLarge;
            return false;
        }
        // A name twice is no zip a program writes, and the reader and the
        // writer could take different ones.
        if (!entries.emplace(record.name, entry).second)
            return false;
    }
    return !entries.empty();
}

std::optional<QByteArray> inflateEntry(const QByteArray &zip, const Entry &entry,
                                       WorkbookProblem *problem)
{
    *problem = WorkbookProblem::Corrupt;
    const qint64 header = entry.localHeader;
    if (header + 30 > zip.size() || little32(zip, header) != LocalSignature)
        return std::nullopt;
    const qint64 data = header + 30 + little16(zip, header + 26) + little16(zip, header + 28);
    if (data + entry.compressed > zip.size())
        return std::nullopt;
    const auto *input = reinterpret_cast<const Bytef *>(zip.constData() + data);
    if (entry.method == 0) // stored
        return QByteArray(reinterpret_cast<const char *>(input), entry.compressed);
    if (entry.method != 8) // deflated is the only other a workbook uses
        return std::nullopt;
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    stream.next_in = const_cast<Bytef *>(input);
    stream.avail_in = static_cast<uInt>(entry.compressed);
    QByteArray out;
    // Room for the size declared, within the limits (a zip that lies about
    // it only grows the bytes as they come).
    out.reserve(std::min<qint64>(entry.inflated, MostInflated));
    constexpr qsizetype piece = 1 << 16;
    int status = Z_OK;
    while (status == Z_OK) {
        if (tooLarge(out.size(), entry.compressed)) {
            inflateEnd(&stream);
            *problem = WorkbookProblem::TooLarge;
            return std::nullopt;
        }
        const qsizetype before = out.size();
        out.resize(before + piece);
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + before);
        stream.avail_out = static_cast<uInt>(piece);
        status = inflate(&stream, Z_NO_FLUSH);
        out.resize(before + piece - static_cast<qsizetype>(stream.avail_out));
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END || tooLarge(out.size(), entry.compressed))
        return std::nullopt;
    return out;
}

std::optional<QByteArray> withEntryReplaced(const QByteArray &zip, const QString &name,
                                            const Producer &contents)
{
    const qsizetype end = directoryEnd(zip);
    if (end < 0)
        return std::nullopt;
    const auto records = readRecords(zip, end);
    if (!records)
        return std::nullopt;
    const auto replaced = std::find_if(records->begin(), records->end(),
                                       [&](const Record &record) { return record.name == name; });
    if (replaced == records->end())
        return std::nullopt;
    std::optional<Deflated> data;

    // Each entry's local part runs from its header to the next one's (its
    // data descriptor included), the last one's to the central directory.
    std::vector<const Record *> byPlace;
    for (const Record &record : *records)
        byPlace.push_back(&record);
    std::sort(byPlace.begin(), byPlace.end(),
              [](const Record *a, const Record *b) { return a->localHeader < b->localHeader; });
    const qint64 directory = little32(zip, end + 16);
    QByteArray out = zip.left(byPlace.front()->localHeader); // whatever comes before the entries
    std::map<const Record *, qint64> movedTo;
    for (std::size_t p = 0; p < byPlace.size(); ++p) {
        const Record *record = byPlace[p];
        const qint64 from = record->localHeader;
        const qint64 to = p + 1 < byPlace.size() ? byPlace[p + 1]->localHeader : directory;
        if (from + 30 > to || to > end || little32(zip, from) != LocalSignature)
            return std::nullopt;
        movedTo[record] = out.size();
        if (record != &*replaced) {
            out += zip.mid(from, to - from);
            continue;
        }
        // The new contents under the old header: deflated, sizes and CRC
        // in the header rather than in a descriptor after the data.
        const quint16 nameLength = little16(zip, from + 26);
        if (from + 30 + nameLength > to)
            return std::nullopt;
        const qsizetype header = out.size();
        out += zip.mid(from, 30 + nameLength);
        data = appendDeflated(out, contents);
        if (!data || data->inflated > 0xFFFFFFFF || data->compressed > 0xFFFFFFFF)
            return std::nullopt; // no zip64 here: a workbook's part stays under 4 GB
        put16(out, header + 6, little16(out, header + 6) & ~DataDescriptorFlag);
        put16(out, header + 8, 8);
        put32(out, header + 14, data->crc);
        put32(out, header + 18, static_cast<quint32>(data->compressed));
        put32(out, header + 22, static_cast<quint32>(data->inflated));
        put16(out, header + 28, 0); // no extra field
    }
    const qint64 newDirectory = out.size();
    for (const Record &record : *records) {
        QByteArray central = zip.mid(record.at, record.length);
        put32(central, 42, static_cast<quint32>(movedTo[&record]));
        if (&record == &*replaced) {
            put16(central, 8, little16(central, 8) & ~DataDescriptorFlag);
            put16(central, 10, 8);
            put32(central, 16, data->crc);
            put32(central, 20, static_cast<quint32>(data->compressed));
            put32(central, 24, static_cast<quint32>(data->inflated));
        }
        out += central;
    }
    QByteArray closing = zip.mid(end);
    put32(closing, 12, static_cast<quint32>(out.size() - newDirectory));
    put32(closing, 16, static_cast<quint32>(newDirectory));
    out += closing;
    return out;
}

} // namespace workbook::zip
