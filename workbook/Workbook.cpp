#include "Workbook.h"

#include "Csv.h"
#include "TextEncoding.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#ifdef TORVANE_QT_ZLIB
#include <QtZlib/zlib.h> // Qt's own, where Qt was built with it
#else
#include <zlib.h>
#endif

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <map>

namespace workbook {
namespace {

constexpr char ZipStart[] = "PK\x03\x04";
constexpr char CompoundStart[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
constexpr char OpenDocumentType[] = "application/vnd.oasis.opendocument.spreadsheet";

// The limits of a zip bomb (below).
constexpr qint64 MostInflated = qint64{1} << 30;
constexpr qint64 InflatedBeforeRatio = 10 << 20;
constexpr qint64 MostRatio = 100;

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

// Every entry's sizes as the zip's central directory declares them, checked
// before anything is inflated; false where the directory does not read.
bool readDirectory(const QByteArray &zip, std::map<QString, ZipEntry> &entries,
                   WorkbookProblem *problem)
{
    *problem = WorkbookProblem::Corrupt;
    // The end of central directory record: its signature within the last
    // 64 kB and 22 bytes (a comment may follow it).
    const qsizetype from = std::max<qsizetype>(0, zip.size() - 65557);
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < from || end + 22 > zip.size())
        return false;
    const quint16 count = little16(zip, end + 10);
    qsizetype at = little32(zip, end + 16);
    for (quint16 e = 0; e < count; ++e) {
        if (at + 46 > zip.size() || little32(zip, at) != 0x02014b50)
            return false;
        ZipEntry entry;
        entry.method = little16(zip, at + 10);
        entry.compressed = little32(zip, at + 20);
        entry.inflated = little32(zip, at + 24);
        entry.localHeader = little32(zip, at + 42);
        const quint16 nameLength = little16(zip, at + 28);
        if (at + 46 + nameLength > zip.size())
            return false;
        if (tooLarge(entry.inflated, entry.compressed)) {
            *problem = WorkbookProblem::TooLarge;
            return false;
        }
        entries[QString::fromUtf8(zip.constData() + at + 46, nameLength)] = entry;
        at += 46 + nameLength + little16(zip, at + 30) + little16(zip, at + 32);
    }
    return !entries.empty();
}

// An entry's bytes, inflated in pieces and stopped as soon as they pass the
// limits, whatever size the zip declares: a zip that lies about its sizes
// inflates no further than one that does not.
std::optional<QByteArray> inflateEntry(const QByteArray &zip, const ZipEntry &entry,
                                       WorkbookProblem *problem)
{
    *problem = WorkbookProblem::Corrupt;
    const qint64 header = entry.localHeader;
    if (header + 30 > zip.size() || little32(zip, header) != 0x04034b50)
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

// A reader that refuses any document type declaration: no entity is ever
// declared, so none is expanded.
class SafeXml
{
public:
    // Elements are compared by their qualified names, as the formats write
    // them ("table:table-cell"): no namespace is worked out.
    explicit SafeXml(const QByteArray &xml) : m_reader(xml)
    {
        m_reader.setNamespaceProcessing(false);
    }
    // The next start element, end element or text; false at the end or on
    // a problem.
    bool next()
    {
        while (!m_reader.atEnd()) {
            const auto token = m_reader.readNext();
            if (token == QXmlStreamReader::DTD) {
                m_documentType = true;
                return false;
            }
            if (token == QXmlStreamReader::StartElement || token == QXmlStreamReader::EndElement ||
                token == QXmlStreamReader::Characters)
                return true;
        }
        return false;
    }
    QXmlStreamReader &reader() { return m_reader; }
    bool isStart(QStringView name) const
    {
        return m_reader.isStartElement() && m_reader.qualifiedName() == name;
    }
    bool isEnd(QStringView name) const
    {
        return m_reader.isEndElement() && m_reader.qualifiedName() == name;
    }
    // Compared in place: a sheet has a cell reference on each of its cells.
    QString attribute(QStringView name) const
    {
        const QXmlStreamAttributes attributes = m_reader.attributes();
        for (const QXmlStreamAttribute &attribute : attributes)
            if (attribute.qualifiedName() == name)
                return attribute.value().toString();
        return {};
    }
    // Nothing wrong: read to its end, well formed, without a declaration.
    bool failed(WorkbookProblem *problem) const
    {
        if (m_documentType)
            *problem = WorkbookProblem::DocumentType;
        else if (m_reader.hasError())
            *problem = WorkbookProblem::Corrupt;
        return m_documentType || m_reader.hasError();
    }

private:
    QXmlStreamReader m_reader;
    bool m_documentType = false;
};

// A number as the shortest decimal text that reads back as the stored one:
// 15.5, 72.11538461538461, 0.001.
std::string shortestNumber(const QString &stored)
{
    bool ok = false;
    const double value = stored.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return stored.toStdString();
    char digits[64];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    if (written.ec != std::errc{})
        return stored.toStdString();
    return {digits, written.ptr};
}

// A text cell holding a number with a decimal comma, "15,5": a workbook has
// no separator to confuse it with, so it reads as 15.5.
std::string plainText(const QString &text)
{
    std::string utf8 = text.toStdString();
    const auto comma = utf8.find(',');
    if (comma == std::string::npos || comma == 0 || comma + 1 == utf8.size() ||
        utf8.find(',', comma + 1) != std::string::npos)
        return utf8;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const std::size_t start = utf8[0] == '-' ? 1 : 0;
    for (std::size_t c = start; c < utf8.size(); ++c)
        if (c != comma && !digit(utf8[c]))
            return utf8;
    if (comma == start)
        return utf8;
    utf8[comma] = '.';
    return utf8;
}

// The rows of a sheet as read: cells by column, holes empty.
class SheetRows
{
public:
    void setCell(std::size_t row, std::size_t column, std::string text)
    {
        if (text.empty())
            return;
        if (m_rows.size() <= row)
            m_rows.resize(row + 1);
        auto &cells = m_rows[row];
        if (cells.size() <= column)
            cells.resize(column + 1);
        cells[column] = std::move(text);
        m_width = std::max(m_width, column + 1);
    }
    void markWithoutValue(std::size_t row)
    {
        if (m_rows.size() <= row)
            m_rows.resize(row + 1);
        m_withoutValue.resize(std::max(m_withoutValue.size(), row + 1));
        m_withoutValue[row] = true;
    }
    // As CSV: every row as wide as the widest, quoted where a field needs it.
    SheetText text() const
    {
        SheetText sheet;
        int line = 1;
        for (std::size_t r = 0; r < m_rows.size(); ++r) {
            if (r < m_withoutValue.size() && m_withoutValue[r])
                sheet.linesWithoutValues.push_back(line);
            for (std::size_t c = 0; c < m_width; ++c) {
                if (c > 0)
                    sheet.csv += ',';
                if (c < m_rows[r].size()) {
                    const std::string &cell = m_rows[r][c];
                    ampacity::sizing::appendCsvField(sheet.csv, cell, ',');
                    line += static_cast<int>(std::count(cell.begin(), cell.end(), '\n'));
                }
            }
            sheet.csv += '\n';
            ++line;
        }
        return sheet;
    }

private:
    std::vector<std::vector<std::string>> m_rows;
    std::vector<bool> m_withoutValue;
    std::size_t m_width = 0;
};

// "BC12" as its column, 0 for A.
std::size_t columnOf(QStringView reference)
{
    std::size_t column = 0;
    for (const QChar c : reference) {
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            break;
        column = column * 26 + static_cast<std::size_t>(c.unicode() - 'A' + 1);
    }
    return column == 0 ? 0 : column - 1;
}

// An element's plain text: the text of its <t> children, rich runs
// included, phonetic runs (<rPh>) left out.
QString plainTextOf(SafeXml &xml, QStringView element)
{
    QString text;
    bool inText = false;
    int phonetic = 0;
    while (xml.next()) {
        if (xml.isEnd(element))
            break;
        if (xml.isStart(u"rPh"))
            ++phonetic;
        else if (xml.isEnd(u"rPh"))
            --phonetic;
        else if (xml.isStart(u"t"))
            inText = true;
        else if (xml.isEnd(u"t"))
            inText = false;
        else if (inText && phonetic == 0 && xml.reader().isCharacters())
            text += xml.reader().text();
    }
    return text;
}

} // namespace

QString problemText(WorkbookProblem problem, const QStringList &sheets)
{
    switch (problem) {
    case WorkbookProblem::Encrypted:
        return QCoreApplication::translate(
            "Workbook", "this workbook is encrypted: save it without a password first");
    case WorkbookProblem::LegacyExcel:
        return QCoreApplication::translate(
            "Workbook", "this is an Excel 97-2003 workbook (.xls): save it as .xlsx or CSV first "
                        "(Excel: File, Save As, \"Excel Workbook (*.xlsx)\"; LibreOffice Calc: "
                        "File, Save As, \"Excel 2007-365 (.xlsx)\")");
    case WorkbookProblem::NotAWorkbook:
        return QCoreApplication::translate(
            "Workbook", "this zip file is not a spreadsheet's workbook (.xlsx or .ods)");
    case WorkbookProblem::Corrupt:
        return QCoreApplication::translate(
            "Workbook", "this workbook is damaged or cut short: it cannot be read");
    case WorkbookProblem::TooLarge:
        return QCoreApplication::translate(
            "Workbook", "this workbook holds a part that would inflate beyond what a schedule "
                        "needs (more than 1 GB, or 100 times its size): it is not read");
    case WorkbookProblem::DocumentType:
        return QCoreApplication::translate(
            "Workbook", "this workbook's XML declares a document type, which no spreadsheet "
                        "writes: it is not read");
    case WorkbookProblem::SheetNotFound:
        return QCoreApplication::translate("Workbook", "no sheet is named so: its sheets are %1")
            .arg(sheets.join(QStringLiteral(", ")));
    }
    return {};
}

std::optional<WorkbookSchedule> readWorkbookSchedule(const QByteArray &bytes, const QString &sheet,
                                                     QString *error)
{
    WorkbookProblem problem = WorkbookProblem::Corrupt;
    const auto book = Workbook::open(bytes, &problem);
    if (!book) {
        *error = problemText(problem);
        return std::nullopt;
    }
    const auto index = book->sheetNamed(sheet);
    if (!index) {
        *error = problemText(WorkbookProblem::SheetNotFound, book->sheetNames());
        return std::nullopt;
    }
    auto read = book->readSheet(*index, &problem);
    if (!read) {
        *error = problemText(problem, book->sheetNames());
        return std::nullopt;
    }
    WorkbookSchedule schedule;
    schedule.text = "\xEF\xBB\xBF" + std::move(read->csv);
    schedule.linesWithoutValues = std::move(read->linesWithoutValues);
    schedule.sheet = book->sheetNames().value(*index);
    return schedule;
}

QStringList sheetNamesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) ||
        !ampacity::sizing::isWorkbook(file.peek(8).toStdString()))
        return {};
    WorkbookProblem problem = WorkbookProblem::Corrupt;
    const auto book = Workbook::open(file.readAll(), &problem);
    return book ? book->sheetNames() : QStringList();
}

Workbook::~Workbook() = default;

std::unique_ptr<Workbook> Workbook::open(const QByteArray &bytes, WorkbookProblem *problem)
{
    if (bytes.startsWith(QByteArray(CompoundStart, 8))) {
        // An encrypted .xlsx is a compound document holding the encrypted
        // package; anything else there is Excel 97-2003's format.
        const QByteArray encrypted("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32);
        *problem =
            bytes.contains(encrypted) ? WorkbookProblem::Encrypted : WorkbookProblem::LegacyExcel;
        return nullptr;
    }
    if (!bytes.startsWith(QByteArray(ZipStart, 4))) {
        *problem = WorkbookProblem::NotAWorkbook;
        return nullptr;
    }
    std::unique_ptr<Workbook> book(new Workbook);
    book->m_bytes = bytes;
    if (!readDirectory(bytes, book->m_entries, problem) || !book->readParts(problem) ||
        (book->m_broken && (*problem = *book->m_broken, true)))
        return nullptr;
    return book;
}

std::optional<QByteArray> Workbook::entry(const QString &name, WorkbookProblem *problem) const
{
    const auto found = m_entries.find(name);
    if (found == m_entries.end())
        return std::nullopt;
    WorkbookProblem why = WorkbookProblem::Corrupt;
    auto data = inflateEntry(m_bytes, found->second, &why);
    if (!data || data->size() != found->second.inflated) {
        m_broken = data ? WorkbookProblem::Corrupt : why;
        *problem = *m_broken;
        return std::nullopt;
    }
    return data;
}

bool Workbook::readParts(WorkbookProblem *problem)
{
    WorkbookProblem none = WorkbookProblem::NotAWorkbook;
    if (const auto mimetype = entry(QStringLiteral("mimetype"), &none)) {
        if (mimetype->trimmed() != OpenDocumentType) {
            *problem = WorkbookProblem::NotAWorkbook;
            return false;
        }
        m_openDocument = true;
        const auto content = entry(QStringLiteral("content.xml"), problem);
        if (!content) {
            *problem = m_broken.value_or(WorkbookProblem::Corrupt);
            return false;
        }
        SafeXml xml(*content);
        while (xml.next())
            if (xml.isStart(u"table:table"))
                m_sheets << xml.attribute(u"table:name");
        return !xml.failed(problem);
    }

    const auto workbookXml = entry(QStringLiteral("xl/workbook.xml"), problem);
    if (!workbookXml) {
        *problem = WorkbookProblem::NotAWorkbook;
        return false;
    }
    // The sheets in their order, each by its relationship to its part.
    QStringList relations;
    SafeXml sheets(*workbookXml);
    while (sheets.next())
        if (sheets.isStart(u"sheet")) {
            m_sheets << sheets.attribute(u"name");
            relations << sheets.attribute(u"r:id");
        }
    if (sheets.failed(problem))
        return false;
    std::map<QString, QString> targets;
    if (const auto rels = entry(QStringLiteral("xl/_rels/workbook.xml.rels"), problem)) {
        SafeXml xml(*rels);
        while (xml.next())
            if (xml.isStart(u"Relationship"))
                targets[xml.attribute(u"Id")] = xml.attribute(u"Target");
        if (xml.failed(problem))
            return false;
    }
    for (const QString &relation : relations) {
        QString target = targets[relation];
        target =
            target.startsWith(QLatin1Char('/')) ? target.mid(1) : QStringLiteral("xl/") + target;
        m_sheetParts << target;
    }
    if (const auto shared = entry(QStringLiteral("xl/sharedStrings.xml"), problem)) {
        SafeXml xml(*shared);
        while (xml.next())
            if (xml.isStart(u"si"))
                m_shared.push_back(plainTextOf(xml, u"si"));
        if (xml.failed(problem))
            return false;
    }
    return true;
}

std::optional<int> Workbook::sheetNamed(const QString &nameOrNumber) const
{
    if (nameOrNumber.isEmpty())
        return m_sheets.isEmpty() ? std::nullopt : std::optional(0);
    if (const auto at = m_sheets.indexOf(nameOrNumber); at >= 0)
        return static_cast<int>(at);
    bool number = false;
    const int counted = nameOrNumber.toInt(&number);
    if (number && counted >= 1 && counted <= m_sheets.size())
        return counted - 1;
    return std::nullopt;
}

std::optional<SheetText> Workbook::readSheet(int sheet, WorkbookProblem *problem) const
{
    SheetRows rows;
    if (!m_openDocument) {
        const auto part = entry(m_sheetParts.value(sheet), problem);
        if (!part) {
            *problem = m_broken.value_or(WorkbookProblem::Corrupt);
            return std::nullopt;
        }
        SafeXml xml(*part);
        std::size_t row = 0;
        std::size_t column = 0;
        while (xml.next()) {
            if (xml.isStart(u"row")) {
                const QString r = xml.attribute(u"r");
                row = r.isEmpty() ? row + 1 : r.toULongLong();
                column = 0;
            } else if (xml.isStart(u"c")) {
                const QString reference = xml.attribute(u"r");
                column = reference.isEmpty() ? column + 1 : columnOf(reference) + 1;
                const QString type = xml.attribute(u"t");
                QString value;
                bool formula = false;
                bool hasValue = false;
                while (xml.next() && !xml.isEnd(u"c")) {
                    if (xml.isStart(u"f")) {
                        formula = true;
                    } else if (xml.isStart(u"v")) {
                        value = xml.reader().readElementText();
                        hasValue = true;
                    } else if (xml.isStart(u"is")) {
                        value = plainTextOf(xml, u"is");
                        hasValue = true;
                    }
                }
                if (row == 0)
                    continue;
                if (formula && !hasValue) {
                    rows.markWithoutValue(row - 1);
                    continue;
                }
                std::string text;
                if (type == QLatin1String("s")) {
                    const auto index = value.toULongLong();
                    text = index < m_shared.size() ? plainText(m_shared[index]) : std::string();
                } else if (type == QLatin1String("b")) {
                    text = value.trimmed() == QLatin1String("1") ? "TRUE" : "FALSE";
                } else if (type == QLatin1String("inlineStr") || type == QLatin1String("str") ||
                           type == QLatin1String("e")) {
                    text = plainText(value);
                } else if (hasValue) {
                    text = shortestNumber(value);
                }
                rows.setCell(row - 1, column - 1, std::move(text));
            }
        }
        if (xml.failed(problem))
            return std::nullopt;
        return rows.text();
    }

    const auto content = entry(QStringLiteral("content.xml"), problem);
    if (!content) {
        *problem = m_broken.value_or(WorkbookProblem::Corrupt);
        return std::nullopt;
    }
    SafeXml xml(*content);
    int table = -1;
    std::size_t row = 0;
    while (xml.next()) {
        if (xml.isStart(u"table:table")) {
            ++table;
            continue;
        }
        if (table != sheet)
            continue;
        if (xml.isEnd(u"table:table"))
            break;
        if (!xml.isStart(u"table:table-row"))
            continue;
        // Rows and cells repeated by a count stand for that many; the
        // empty ones at the end of a sheet (a million of them) make nothing.
        const qint64 rowRepeat =
            std::max<qint64>(1, xml.attribute(u"table:number-rows-repeated").toLongLong());
        std::vector<std::string> cells;
        bool withoutValue = false;
        while (xml.next() && !xml.isEnd(u"table:table-row")) {
            const bool covered = xml.isStart(u"table:covered-table-cell");
            if (!xml.isStart(u"table:table-cell") && !covered)
                continue;
            const qint64 repeat =
                std::max<qint64>(1, xml.attribute(u"table:number-columns-repeated").toLongLong());
            const QString type = xml.attribute(u"office:value-type");
            const QString formula = xml.attribute(u"table:formula");
            QString value;
            if (type == QLatin1String("float") || type == QLatin1String("percentage") ||
                type == QLatin1String("currency"))
                value = xml.attribute(u"office:value");
            else if (type == QLatin1String("boolean"))
                value = xml.attribute(u"office:boolean-value") == QLatin1String("true")
                            ? QStringLiteral("TRUE")
                            : QStringLiteral("FALSE");
            else if (type == QLatin1String("date"))
                value = xml.attribute(u"office:date-value");
            else if (type == QLatin1String("time"))
                value = xml.attribute(u"office:time-value");
            // The paragraphs' text, spaces and line breaks as written.
            QString shown;
            int paragraphs = 0;
            const QStringView cellElement = covered ? QStringView(u"table:covered-table-cell")
                                                    : QStringView(u"table:table-cell");
            while (!xml.isEnd(cellElement) && xml.next()) {
                if (xml.isEnd(cellElement))
                    break;
                // A new paragraph and a line break both start a line.
                const bool newLine =
                    (xml.isStart(u"text:p") && paragraphs++ > 0) || xml.isStart(u"text:line-break");
                if (newLine)
                    shown += QLatin1Char('\n');
                else if (xml.isStart(u"text:s"))
                    shown +=
                        QString(std::max(1, xml.attribute(u"text:c").toInt()), QLatin1Char(' '));
                else if (xml.isStart(u"text:tab"))
                    shown += QLatin1Char('\t');
                else if (xml.reader().isCharacters())
                    shown += xml.reader().text();
            }
            std::string text;
            if (covered) {
                text.clear(); // a merged cell's others are empty
            } else if (!formula.isEmpty() && type.isEmpty()) {
                withoutValue = true;
            } else if (type == QLatin1String("float") || type == QLatin1String("percentage") ||
                       type == QLatin1String("currency")) {
                text = shortestNumber(value);
            } else if (!value.isEmpty()) {
                text = value.toStdString();
            } else {
                text = plainText(shown);
            }
            const qint64 copies = text.empty() ? repeat : std::min<qint64>(repeat, 1024);
            if (text.empty()) {
                cells.resize(cells.size() +
                             static_cast<std::size_t>(std::min<qint64>(copies, 1 << 14)));
            } else {
                for (qint64 c = 0; c < copies; ++c)
                    cells.push_back(text);
            }
        }
        const bool empty =
            !withoutValue && std::all_of(cells.begin(), cells.end(),
                                         [](const std::string &cell) { return cell.empty(); });
        const qint64 copies = empty ? rowRepeat : std::min<qint64>(rowRepeat, 1024);
        for (qint64 r = 0; r < copies && !empty; ++r) {
            if (withoutValue)
                rows.markWithoutValue(row);
            for (std::size_t c = 0; c < cells.size(); ++c)
                rows.setCell(row, c, cells[c]);
            ++row;
        }
        if (empty)
            row += static_cast<std::size_t>(std::min<qint64>(rowRepeat, 1 << 20));
    }
    if (xml.failed(problem))
        return std::nullopt;
    if (table < sheet) {
        *problem = WorkbookProblem::SheetNotFound;
        return std::nullopt;
    }
    return rows.text();
}

} // namespace workbook
