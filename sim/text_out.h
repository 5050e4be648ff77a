// Text written into a fixed buffer of the caller's, cut off where the buffer
// is full and always ended by a 0: for the texts sim/ hands to hosts, with
// no allocation and little code (the browser page counts its bytes).
#pragma once
#include <cstddef>

class TextOut {
public:
    template <std::size_t N>
    explicit TextOut(char (&buffer)[N]) : text_(buffer), capacity_(N)
    {
        text_[0] = '\0';
    }

    TextOut& operator<<(char c)
    {
        if (size_ + 1 < capacity_) {
            text_[size_++] = c;
            text_[size_] = '\0';
        }
        return *this;
    }

    TextOut& operator<<(const char* text)
    {
        while (*text != '\0')
            *this << *text++;
        return *this;
    }

    TextOut& operator<<(unsigned number)
    {
        char digits[10];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + number % 10);
            number /= 10;
        } while (number != 0);
        while (count > 0)
            *this << digits[--count];
        return *this;
    }

    std::size_t size() const { return size_; }
    char last() const { return size_ > 0 ? text_[size_ - 1] : '\0'; }
    // Back to the first `size` characters.
    void cut(std::size_t size)
    {
        if (size < size_) {
            size_ = size;
            text_[size_] = '\0';
        }
    }

private:
    char* text_;
    std::size_t capacity_;
    std::size_t size_ = 0;
};
