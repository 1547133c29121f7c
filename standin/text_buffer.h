#pragma once

#include <cstring>
#include <string>

#include "host/string_base.h"

namespace standin {

// The host's own text buffer, which the component fills through its table.
class text_buffer final : public string_base {
public:
    text_buffer() = default;
    explicit text_buffer(std::string text) : m_text(std::move(text)) {}

    void append_text(const char* text, uint32_t maximum) override {
        m_text.append(text, bounded_length(text, maximum));
    }
    const char* text_ptr() const override { return m_text.c_str(); }
    void assign_text(const char* text, uint32_t maximum) override {
        ++m_assigns;
        m_text.assign(text, bounded_length(text, maximum));
    }
    void truncate_to(uint32_t length) override {
        if (length < m_text.size()) m_text.resize(length);
    }
    uint32_t text_length() const override { return static_cast<uint32_t>(m_text.size()); }
    char* open_buffer(uint32_t size) override {
        m_text.assign(size, '\0');
        return m_text.data();
    }
    void close_buffer() override { m_text.resize(std::strlen(m_text.c_str())); }

    const std::string& str() const noexcept { return m_text; }
    int assign_calls() const noexcept { return m_assigns; }

private:
    static size_t bounded_length(const char* text, uint32_t maximum) {
        if (text == nullptr) return 0;
        size_t length = 0;
        while (length < maximum && text[length] != 0) ++length;
        return length;
    }

    std::string m_text;
    int m_assigns = 0;
};

}  // namespace standin
