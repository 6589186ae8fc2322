#include "Workbook.h"

#include "Csv.h"
#include "SheetAnswers.h"
#include "TextEncoding.h"
#include "Zip.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>

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
            sheet.rowLines.push_back(line);
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

std::string cellText(std::string utf8)
{
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
    const std::shared_ptr<const Workbook> book = Workbook::open(bytes, &problem);
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
    schedule.sheetIndex = *index;
    schedule.rowLines = std::move(read->rowLines);
    schedule.book = book;
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
    if (!zip::readDirectory(bytes, book->m_entries, problem) || !book->readParts(problem) ||
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
    auto data = zip::inflateEntry(m_bytes, found->second, &why);
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

QString Workbook::suffix() const
{
    return m_openDocument ? QStringLiteral("ods") : QStringLiteral("xlsx");
}

std::optional<QByteArray> Workbook::withAnswers(int sheet, const SheetAnswers &answers,
                                                WorkbookProblem *problem) const
{
    const QString part = m_openDocument ? QStringLiteral("content.xml") : m_sheetParts.value(sheet);
    *problem = WorkbookProblem::Corrupt;
    const auto xml = entry(part, problem);
    if (!xml)
        return std::nullopt;
    const auto written =
        answers.rewrite(std::string_view(xml->constData(), static_cast<std::size_t>(xml->size())),
                        m_openDocument ? sheet : 0);
    *problem = WorkbookProblem::Corrupt;
    if (!written)
        return std::nullopt;
    return zip::withEntryReplaced(m_bytes, part, QByteArray::fromStdString(*written));
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
                    text = index < m_shared.size() ? cellText(m_shared[index].toStdString())
                                                   : std::string();
                } else if (type == QLatin1String("b")) {
                    text = value.trimmed() == QLatin1String("1") ? "TRUE" : "FALSE";
                } else if (type == QLatin1String("inlineStr") || type == QLatin1String("str") ||
                           type == QLatin1String("e")) {
                    text = cellText(value.toStdString());
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
                text = cellText(shown.toStdString());
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
