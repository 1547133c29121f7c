#pragma once

// A private copy of one text, kept in a heap block of exactly its length + 1 bytes.
// An empty text is never kept: assigning one leaves the string unset (no block).
class owned_string {
public:
    constexpr owned_string() noexcept = default;
    owned_string(const owned_string&) = delete;
    owned_string& operator=(const owned_string&) = delete;
    ~owned_string() { release(); }

    // Replaces the copy with a copy of the whole zero-terminated text (none counts as
    // empty). The text may point into this string's own block. On allocation failure
    // the previous text stays.
    void assign(const char* text);

    // The kept text, or none while unset.
    const char* text() const noexcept { return m_block; }

    // Frees the block; the string becomes unset.
    void release() noexcept;

private:
    char* m_block = nullptr;
};
