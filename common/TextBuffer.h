#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace ampacity {

// Copies a few bytes, as a schedule's cells and words are (most shorter than
// 16), without a call into the C library's general copy: two overlapping
// loads and stores of the size class, so that a cell of 5 bytes and one of 7
// take the same path.
inline void copyBytes(char *to, const char *from, std::size_t size)
{
    const auto copyEnds = [&](auto word) {
        constexpr std::size_t width = sizeof(word);
        decltype(word) last;
        std::memcpy(&word, from, width);
        std::memcpy(&last, from + size - width, width);
        std::memcpy(to, &word, width);
        std::memcpy(to + size - width, &last, width);
    };
    if (size >= 8 && size <= 16)
        copyEnds(std::uint64_t{});
    else if (size >= 4 && size < 8)
        copyEnds(std::uint32_t{});
    else if (size > 0 && size < 4) {
        to[0] = from[0];
        to[size / 2] = from[size / 2];
        to[size - 1] = from[size - 1];
    } else if (size > 16)
        std::memcpy(to, from, size);
}

// Text made a few bytes at a time, as a schedule's answer is (a million rows
// of twenty-odd short cells), gathered on the stack and added to its string
// in one piece when the room runs out or the buffer goes: one append a row
// rather than one a cell.
class TextBuffer
{
public:
    // The most a writer may ask room for at once.
    static constexpr std::size_t Capacity = 512;

    explicit TextBuffer(std::string &out) : m_out(out) {}
    TextBuffer(const TextBuffer &) = delete;
    TextBuffer &operator=(const TextBuffer &) = delete;
    ~TextBuffer() { flush(); }

    // Where `size` more bytes (at most Capacity) may be written; commit()
    // says where they ended.
    char *room(std::size_t size)
    {
        if (size > static_cast<std::size_t>(m_end - m_at))
            flush();
        return m_at;
    }
    void commit(char *end) { m_at = end; }

    void add(char c)
    {
        char *at = room(1);
        *at = c;
        m_at = at + 1;
    }
    void add(std::string_view text)
    {
        if (text.size() > Capacity) {
            flush();
            m_out.append(text);
            return;
        }
        char *at = room(text.size());
        copyBytes(at, text.data(), text.size());
        m_at = at + text.size();
    }

    // What is gathered so far goes into the string.
    void flush()
    {
        m_out.append(m_buffer, static_cast<std::size_t>(m_at - m_buffer));
        m_at = m_buffer;
    }

private:
    std::string &m_out;
    char m_buffer[Capacity];
    char *m_at = m_buffer;
    char *const m_end = m_buffer + Capacity;
};

// The text into a string that held text of about its length before, as a
// schedule's cells and rows are read into the room of the row before: where
// it is no longer, only a copy and a new length, not a general replace.
inline void copyInto(std::string &into, std::string_view text)
{
    if (text.size() > into.size()) {
        into.assign(text);
        return;
    }
    into.resize(text.size());
    copyBytes(into.data(), text.data(), text.size());
}

} // namespace ampacity
