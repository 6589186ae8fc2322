#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The encodings spreadsheets save cable schedules in, turned into UTF-8:
// UTF-8 with or without a byte-order mark, UTF-16 with one (Excel's "Unicode
// text"), and Windows-1252 (Excel's plain "CSV" on a French or English
// Windows). Whatever comes in, what comes out is valid UTF-8.
namespace ampacity::sizing {

enum class Encoding
{
    Utf8,
    Utf16LittleEndian,
    Utf16BigEndian,
    Windows1252,
};

inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// What a byte-order mark at the start of the bytes says, and how long it is:
// UTF-8 and 0 without one. Needs the first 3 bytes, or all there are.
struct ByteOrderMark
{
    Encoding encoding = Encoding::Utf8;
    std::size_t length = 0;
};
ByteOrderMark byteOrderMarkOf(std::string_view firstBytes);

// Whether bytes fed piece by piece, cut anywhere, are valid UTF-8.
class Utf8Check
{
public:
    void feed(std::string_view bytes);
    bool valid() const { return m_valid && m_pending == 0; } // once all is fed

private:
    bool m_valid = true;
    int m_pending = 0;          // continuation bytes still expected
    std::uint32_t m_lowest = 0; // the least the sequence may encode (no overlong forms)
    std::uint32_t m_codePoint = 0;
};

// Turns bytes fed piece by piece, cut anywhere, into UTF-8. A sequence the
// encoding does not allow becomes U+FFFD, the replacement character.
class TextDecoder
{
public:
    explicit TextDecoder(Encoding encoding) : m_encoding(encoding) {}
    void decode(std::string_view bytes, std::string &utf8);
    // The end of the bytes: an unfinished sequence becomes U+FFFD.
    void finish(std::string &utf8);

private:
    // The bytes after the sequence carried from the piece before, if one was.
    std::string_view withCarried(std::string_view bytes, std::string &joined);
    void decodeUtf8(std::string_view bytes, std::string &utf8);
    void decodeUtf16(std::string_view bytes, std::string &utf8);

    Encoding m_encoding;
    std::string m_carried; // the start of a sequence cut off by the piece's end
    std::uint32_t m_highSurrogate = 0;
};

// Whether a file's first bytes (8, or all there are) are a spreadsheet's
// workbook rather than text: a zip (.xlsx, .ods) or a compound document
// (.xls).
bool isWorkbook(std::string_view firstBytes);

// The one rule for a schedule's encoding, for a file read whole or piece
// by piece: its byte-order mark names the encoding; without one it is UTF-8
// where all of it is valid UTF-8, Windows-1252 (guessed) where not, so that
// such a file is checked to its end before any of it is decoded. Text that
// was not UTF-8 comes out after UTF-8's own byte-order mark, so that what is
// written from it tells a spreadsheet it is UTF-8; UTF-8 keeps its mark, or
// its lack of one.
class ScheduleDecoder
{
public:
    // The file's first bytes: 4, or all there are.
    explicit ScheduleDecoder(std::string_view firstBytes);

    // Without a byte-order mark, every byte of the file is fed to check()
    // before the first is decoded.
    bool needsCheck() const { return m_mark.length == 0; }
    void check(std::string_view bytes) { m_check.feed(bytes); }

    Encoding encoding() const;
    bool guessed() const { return needsCheck() && !m_check.valid(); }

    // The file's bytes from its first, piece by piece, as UTF-8.
    void decode(std::string_view bytes, std::string &utf8);
    void finish(std::string &utf8);

private:
    void start(std::string &utf8);

    ByteOrderMark m_mark;
    Utf8Check m_check;
    std::optional<TextDecoder> m_decoder; // once the encoding is known
    std::size_t m_markLeft = 0;           // bytes of a foreign mark still to skip
};

// A whole file as UTF-8, by the rule above (a workbook is read as one
// before: see workbook/).
struct DecodedFile
{
    std::string utf8;
    Encoding encoding = Encoding::Utf8;
    bool guessed = false; // no byte-order mark and not UTF-8: read as Windows-1252
};
DecodedFile decodeFile(std::string_view bytes);

// One code point as UTF-8.
void appendUtf8(std::uint32_t codePoint, std::string &utf8);

} // namespace ampacity::sizing
