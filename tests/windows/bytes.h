// Little-endian reads from a byte buffer that fail instead of running past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

class Reader {
  public:
    explicit Reader(const Bytes &bytes) : bytes_(bytes) {}

    bool has(size_t at, size_t n) const { return at <= bytes_.size() && n <= bytes_.size() - at; }
    std::optional<uint16_t> u16(size_t at) const {
        if (!has(at, 2))
            return std::nullopt;
        return static_cast<uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
    }
    std::optional<uint32_t> u32(size_t at) const {
        auto lo = u16(at), hi = u16(at + 2);
        if (!lo || !hi)
            return std::nullopt;
        return static_cast<uint32_t>(*lo | static_cast<uint32_t>(*hi) << 16);
    }
    std::optional<Bytes> slice(size_t at, size_t n) const {
        if (!has(at, n))
            return std::nullopt;
        return Bytes(bytes_.begin() + at, bytes_.begin() + at + n);
    }
    // `count` UTF-16 units from `at`, or up to the first NUL when count is npos. Everything
    // these tests read is ASCII; anything else shows up as '?'.
    std::optional<std::string> utf16(size_t at, size_t count = std::string::npos) const {
        std::string out;
        for (size_t i = 0; i < count; ++i) {
            auto unit = u16(at + 2 * i);
            if (!unit)
                return std::nullopt;
            if (count == std::string::npos && *unit == 0)
                break;
            out.push_back(*unit < 0x80 ? static_cast<char>(*unit) : '?');
        }
        return out;
    }
    size_t size() const { return bytes_.size(); }

  private:
    const Bytes &bytes_;
};

std::optional<Bytes> readFile(const std::string &path);
