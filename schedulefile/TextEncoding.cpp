#include "TextEncoding.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace ampacity::sizing {
namespace {

constexpr std::uint32_t Replacement = 0xFFFD;

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves undefined become
// the replacement character.
constexpr std::array<std::uint16_t, 32> Windows1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// The length of the UTF-8 sequence a lead byte starts, the bits it carries
// and the least code point that length may encode; 0 for a byte no sequence
// starts with.
struct Lead
{
    int length = 0;
    std::uint32_t bits = 0;
    std::uint32_t lowest = 0;
};

Lead leadOf(unsigned char byte)
{
    if (byte < 0x80)
        return {1, byte, 0};
    if ((byte & 0xE0) == 0xC0)
        return {2, byte & 0x1Fu, 0x80};
    if ((byte & 0xF0) == 0xE0)
        return {3, byte & 0x0Fu, 0x800};
    if ((byte & 0xF8) == 0xF0)
        return {4, byte & 0x07u, 0x10000};
    return {};
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

bool isScalarValue(std::uint32_t codePoint)
{
    return codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
}

// Where the run of ASCII bytes from `pos` ends: 32 bytes to a look, then
// 8, then one, as nearly every byte of a schedule is ASCII.
std::size_t asciiRunEnd(std::string_view bytes, std::size_t pos)
{
    constexpr std::uint64_t highBits = 0x8080808080808080u;
    const auto word = [&bytes](std::size_t at) {
        std::uint64_t eight = 0;
        std::memcpy(&eight, bytes.data() + at, sizeof eight);
        return eight;
    };
    while (pos + 32 <= bytes.size() &&
           ((word(pos) | word(pos + 8) | word(pos + 16) | word(pos + 24)) & highBits) == 0)
        pos += 32;
    while (pos + 8 <= bytes.size() && (word(pos) & highBits) == 0)
        pos += 8;
    while (pos < bytes.size() && static_cast<unsigned char>(bytes[pos]) < 0x80)
        ++pos;
    return pos;
}

} // namespace

ByteOrderMark byteOrderMarkOf(std::string_view first)
{
    if (first.substr(0, 3) == Utf8ByteOrderMark)
        return {Encoding::Utf8, 3};
    if (first.substr(0, 2) == "\xFF\xFE")
        return {Encoding::Utf16LittleEndian, 2};
    if (first.substr(0, 2) == "\xFE\xFF")
        return {Encoding::Utf16BigEndian, 2};
    return {};
}

void Utf8Check::feed(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!m_valid)
            return;
        // ASCII, the most of any schedule, many bytes at a time.
        if (m_pending == 0)
            i = asciiRunEnd(bytes, i);
        if (i >= bytes.size())
            return;
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80 && m_pending == 0)
            continue;
        if (m_pending > 0) {
            if (!isContinuation(byte)) {
                m_valid = false;
                return;
            }
            m_codePoint = (m_codePoint << 6) | (byte & 0x3Fu);
            if (--m_pending == 0 && (m_codePoint < m_lowest || !isScalarValue(m_codePoint)))
                m_valid = false;
            continue;
        }
        const Lead lead = leadOf(byte);
        if (lead.length == 0) {
            m_valid = false;
            return;
        }
        m_pending = lead.length - 1;
        m_codePoint = lead.bits;
        m_lowest = lead.lowest;
    }
}

void appendUtf8(std::uint32_t codePoint, std::string &utf8)
{
    if (!isScalarValue(codePoint))
        codePoint = Replacement;
    if (codePoint < 0x80) {
        utf8 += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        utf8 += static_cast<char>(0xC0 | (codePoint >> 6));
        utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (codePoint >> 12));
        utf8 += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (codePoint >> 18));
        utf8 += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::string_view TextDecoder::withCarried(std::string_view bytes, std::string &joined)
{
    if (m_carried.empty())
        return bytes;
    joined = m_carried;
    joined.append(bytes);
    m_carried.clear();
    return joined;
}

void TextDecoder::decode(std::string_view bytes, std::string &utf8)
{
    switch (m_encoding) {
    case Encoding::Utf8:
        decodeUtf8(bytes, utf8);
        return;
    case Encoding::Utf16LittleEndian:
    case Encoding::Utf16BigEndian:
        decodeUtf16(bytes, utf8);
        return;
    case Encoding::Windows1252:
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            appendUtf8(byte >= 0x80 && byte < 0xA0 ? Windows1252High[byte - 0x80] : byte, utf8);
        }
        return;
    }
}

void TextDecoder::decodeUtf8(std::string_view bytes, std::string &utf8)
{
    // Valid text goes through as it is; only a sequence cut by the piece's
    // end is carried to the next piece.
    std::string joined;
    bytes = withCarried(bytes, joined);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        if (byte < 0x80) {
            // A run of ASCII at once.
            const std::size_t end = asciiRunEnd(bytes, pos);
            utf8.append(bytes.data() + pos, end - pos);
            pos = end;
            continue;
        }
        const Lead lead = leadOf(byte);
        if (lead.length == 0) {
            appendUtf8(Replacement, utf8);
            ++pos;
            continue;
        }
        const auto length = static_cast<std::size_t>(lead.length);
        std::uint32_t codePoint = lead.bits;
        std::size_t taken = 1;
        while (taken < length && pos + taken < bytes.size() &&
               isContinuation(static_cast<unsigned char>(bytes[pos + taken]))) {
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(bytes[pos + taken]) & 0x3Fu);
            ++taken;
        }
        if (taken < length && pos + taken == bytes.size()) {
            m_carried.assign(bytes.data() + pos, taken); // finished by the next piece
            return;
        }
        if (taken < length || codePoint < lead.lowest || !isScalarValue(codePoint)) {
            appendUtf8(Replacement, utf8);
            pos += taken;
            continue;
        }
        utf8.append(bytes.data() + pos, length);
        pos += length;
    }
}

void TextDecoder::decodeUtf16(std::string_view bytes, std::string &utf8)
{
    const bool little = m_encoding == Encoding::Utf16LittleEndian;
    std::string joined;
    bytes = withCarried(bytes, joined);
    std::size_t pos = 0;
    for (; pos + 1 < bytes.size(); pos += 2) {
        const auto first = static_cast<unsigned char>(bytes[pos]);
        const auto second = static_cast<unsigned char>(bytes[pos + 1]);
        const std::uint32_t unit = little ? (second << 8 | first) : (first << 8 | second);
        if (m_highSurrogate != 0) {
            const std::uint32_t high = m_highSurrogate;
            m_highSurrogate = 0;
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                appendUtf8(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00), utf8);
                continue;
            }
            appendUtf8(Replacement, utf8);
        }
        if (unit >= 0xD800 && unit <= 0xDBFF)
            m_highSurrogate = unit;
        else
            appendUtf8(unit >= 0xDC00 && unit <= 0xDFFF ? Replacement : unit, utf8);
    }
    m_carried.assign(bytes.substr(pos));
}

void TextDecoder::finish(std::string &utf8)
{
    if (!m_carried.empty() || m_highSurrogate != 0)
        appendUtf8(Replacement, utf8);
    m_carried.clear();
    m_highSurrogate = 0;
}

ScheduleDecoder::ScheduleDecoder(std::string_view firstBytes) : m_mark(byteOrderMarkOf(firstBytes))
{
}

Encoding ScheduleDecoder::encoding() const
{
    return guessed() ? Encoding::Windows1252 : m_mark.encoding;
}

void ScheduleDecoder::start(std::string &utf8)
{
    const Encoding decided = encoding();
    m_decoder.emplace(decided);
    if (decided != Encoding::Utf8) {
        // UTF-8's own mark in place of UTF-16's, and in front of Windows-1252.
        utf8.append(Utf8ByteOrderMark);
        m_markLeft = m_mark.length;
    }
}

void ScheduleDecoder::decode(std::string_view bytes, std::string &utf8)
{
    if (!m_decoder)
        start(utf8);
    const std::size_t skipped = std::min(m_markLeft, bytes.size());
    m_markLeft -= skipped;
    m_decoder->decode(bytes.substr(skipped), utf8);
}

void ScheduleDecoder::finish(std::string &utf8)
{
    if (!m_decoder)
        start(utf8);
    m_decoder->finish(utf8);
}

bool isWorkbook(std::string_view firstBytes)
{
    constexpr std::string_view zip = "PK\x03\x04";
    constexpr std::string_view compound = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    return firstBytes.starts_with(zip) || firstBytes.starts_with(compound);
}

DecodedFile decodeFile(std::string_view bytes)
{
    ScheduleDecoder decoder(bytes.substr(0, 4));
    if (decoder.needsCheck())
        decoder.check(bytes);
    DecodedFile file;
    file.encoding = decoder.encoding();
    file.guessed = decoder.guessed();
    file.utf8.reserve(bytes.size() + Utf8ByteOrderMark.size());
    decoder.decode(bytes, file.utf8);
    decoder.finish(file.utf8);
    return file;
}

} // namespace ampacity::sizing
