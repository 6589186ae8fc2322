#include "Workbook.h"

#include "SheetAnswers.h"
#include "SheetReader.h"
#include "TextEncoding.h"
#include "Zip.h"

#include <QCoreApplication>
#include <QFile>

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
    case WorkbookProblem::SheetTooLarge:
        return QCoreApplication::translate(
            "Workbook", "this sheet holds more than a schedule can (beyond 1,048,576 rows, "
                        "16,384 columns or 256 MB of text): it is not read");
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
    const auto asText = [](const QByteArray &bytes) {
        return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    };
    const auto toNames = [this](const std::vector<std::string> &names) {
        for (const std::string &name : names)
            m_sheets << QString::fromStdString(name);
    };
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
        const auto names = readOdsSheetNames(asText(*content), problem);
        if (names)
            toNames(*names);
        return names.has_value();
    }

    const auto workbookXml = entry(QStringLiteral("xl/workbook.xml"), problem);
    if (!workbookXml) {
        *problem = WorkbookProblem::NotAWorkbook;
        return false;
    }
    // The sheets in their order, each by its relationship to its part.
    const auto sheets = readElements(asText(*workbookXml), "sheet", {"name", "r:id"}, problem);
    if (!sheets)
        return false;
    std::map<std::string, std::string> targets;
    if (const auto rels = entry(QStringLiteral("xl/_rels/workbook.xml.rels"), problem)) {
        const auto relations =
            readElements(asText(*rels), "Relationship", {"Id", "Target"}, problem);
        if (!relations)
            return false;
        for (const auto &relation : *relations)
            targets[relation[0]] = relation[1];
    }
    for (const auto &sheet : *sheets) {
        m_sheets << QString::fromStdString(sheet[0]);
        const QString target = QString::fromStdString(targets[sheet[1]]);
        m_sheetParts << (target.startsWith(QLatin1Char('/')) ? target.mid(1)
                                                             : QStringLiteral("xl/") + target);
    }
    if (const auto shared = entry(QStringLiteral("xl/sharedStrings.xml"), problem)) {
        auto strings = readSharedStrings(asText(*shared), problem);
        if (!strings)
            return false;
        m_shared = std::move(*strings);
    }
    return !m_broken;
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
    *problem = WorkbookProblem::Corrupt;
    const std::string_view text(xml->constData(), static_cast<std::size_t>(xml->size()));
    return zip::withEntryReplaced(m_bytes, part, [&](const auto &write) {
        return answers.rewrite(text, m_openDocument ? sheet : 0, write);
    });
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
    const auto part =
        entry(m_openDocument ? QStringLiteral("content.xml") : m_sheetParts.value(sheet), problem);
    if (!part) {
        *problem = m_broken.value_or(WorkbookProblem::Corrupt);
        return std::nullopt;
    }
    const std::string_view xml(part->constData(), static_cast<std::size_t>(part->size()));
    return m_openDocument ? readOdsSheet(xml, sheet, problem)
                          : readXlsxSheet(xml, m_shared, problem);
}

} // namespace workbook
