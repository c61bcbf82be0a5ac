#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1String>
#include <QStringView>
#include <cstring>
#include <memory>

// A piece of JSON text being formatted: bytes appended through a raw pointer into a buffer that
// only grows, so once it has grown an item costs a few copies and no allocation.
class JsonChunk {
  public:
    void clear() { m_size = 0; }
    const char* data() const { return m_data.get(); }
    qsizetype size() const { return m_size; }
    QByteArrayView view() const { return {m_data.get(), m_size}; }

    void append(QByteArrayView bytes) {
        copy(room(bytes.size()), bytes.data(), bytes.size());
        m_size += bytes.size();
    }
    // A text as a quoted JSON string, escaped as QJsonDocument escapes it: UTF-16, or one byte
    // a character (Latin-1: bytes from 0x80 up are written as UTF-8).
    void appendString(QStringView text) {
        m_size = writeString(room(text.size() * 6 + 2), text) - m_data.get();
    }
    void appendString(QLatin1String text) {
        m_size = writeString(room(text.size() * 6 + 2), text) - m_data.get();
    }

    // The writers behind appendString: each needs six bytes a character and two more free at p
    // and returns the end of what it wrote.
    static char* writeString(char* p, QStringView text);
    static char* writeString(char* p, QLatin1String text);

  private:
    // memcpy() for the few bytes that frame an item, inline: two copies of a fixed size that
    // overlap as needed.
    static void copy(char* to, const char* from, qsizetype n) {
        if (n > 32 && n <= 64) {
            std::memcpy(to, from, 32);
            std::memcpy(to + n - 32, from + n - 32, 32);
        } else if (n >= 16 && n <= 32) {
            std::memcpy(to, from, 16);
            std::memcpy(to + n - 16, from + n - 16, 16);
        } else if (n >= 8 && n < 16) {
            std::memcpy(to, from, 8);
            std::memcpy(to + n - 8, from + n - 8, 8);
        } else if (n >= 4 && n < 8) {
            std::memcpy(to, from, 4);
            std::memcpy(to + n - 4, from + n - 4, 4);
        } else if (n > 0) {
            std::memcpy(to, from, std::size_t(n));
        }
    }
    // The end of the bytes, with at least n bytes free after it.
    char* room(qsizetype n) {
        if (m_capacity - m_size < n) {
            grow(n);
        }
        return m_data.get() + m_size;
    }
    void grow(qsizetype n);

    std::unique_ptr<char[]> m_data;
    qsizetype m_size = 0;
    qsizetype m_capacity = 0;
};
