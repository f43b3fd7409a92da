#include "pe_resources.h"

#include <fstream>
#include <iterator>
#include <vector>

std::optional<Bytes> readFile(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

namespace {

struct Section {
    uint32_t address, size, offset;
};

class Image {
  public:
    explicit Image(const Bytes &bytes) : read_(bytes) {}

    // Finds the sections and the resource directory; false if this is no PE image.
    bool open() {
        auto pe = read_.u32(0x3C);
        if (read_.u16(0) != 0x5A4D || !pe || read_.u32(*pe) != 0x00004550)
            return false;
        const size_t coff = *pe + 4;
        auto sections = read_.u16(coff + 2), optionalSize = read_.u16(coff + 16);
        const size_t optional = coff + 20;
        auto magic = read_.u16(optional);
        if (!sections || !optionalSize || !magic || (*magic != 0x10B && *magic != 0x20B))
            return false;
        const size_t directories = optional + (*magic == 0x10B ? 96 : 112);
        auto resourceRva = read_.u32(directories + 2 * 8);
        if (!resourceRva)
            return false;
        for (size_t i = 0, at = optional + *optionalSize; i < *sections; ++i, at += 40) {
            auto address = read_.u32(at + 12), size = read_.u32(at + 16),
                 offset = read_.u32(at + 20);
            if (!address || !size || !offset)
                return false;
            sections_.push_back({*address, *size, *offset});
        }
        auto root = fileOffset(*resourceRva);
        if (!root)
            return false;
        root_ = *root;
        return true;
    }

    std::optional<Resources> resources() {
        Resources out;
        auto types = entries(root_);
        if (!types)
            return std::nullopt;
        for (const auto &type : *types) {
            auto names = type.directory ? entries(root_ + type.offset) : std::nullopt;
            if (!names || type.named)
                return std::nullopt;
            for (const auto &name : *names) {
                auto languages = name.directory ? entries(root_ + name.offset) : std::nullopt;
                if (!languages)
                    return std::nullopt;
                for (const auto &language : *languages) {
                    auto data = language.directory ? std::nullopt : leaf(root_ + language.offset);
                    if (!data)
                        return std::nullopt;
                    out[{static_cast<uint16_t>(std::stoul(type.name)), name.name, name.named,
                         static_cast<uint16_t>(std::stoul(language.name))}] = *data;
                }
            }
        }
        return out;
    }

  private:
    struct Entry {
        std::string name;
        bool named, directory;
        uint32_t offset; // from the start of the resource directory
    };

    std::optional<size_t> fileOffset(uint32_t rva) const {
        for (const auto &s : sections_)
            if (rva >= s.address && rva - s.address < s.size)
                return s.offset + (rva - s.address);
        return std::nullopt;
    }

    std::optional<std::vector<Entry>> entries(size_t at) const {
        auto named = read_.u16(at + 12), numbered = read_.u16(at + 14);
        if (!named || !numbered)
            return std::nullopt;
        std::vector<Entry> out;
        for (size_t i = 0; i < size_t{*named} + *numbered; ++i) {
            auto id = read_.u32(at + 16 + 8 * i), target = read_.u32(at + 20 + 8 * i);
            if (!id || !target)
                return std::nullopt;
            Entry e{std::to_string(*id), (*id & 0x80000000) != 0, (*target & 0x80000000) != 0,
                    *target & 0x7FFFFFFF};
            if (e.named) {
                const size_t string = root_ + (*id & 0x7FFFFFFF);
                auto length = read_.u16(string);
                auto text = length ? read_.utf16(string + 2, *length) : std::nullopt;
                if (!text)
                    return std::nullopt;
                e.name = *text;
            }
            out.push_back(e);
        }
        return out;
    }

    std::optional<Bytes> leaf(size_t at) const {
        auto rva = read_.u32(at), size = read_.u32(at + 4);
        auto offset = rva ? fileOffset(*rva) : std::nullopt;
        if (!offset || !size)
            return std::nullopt;
        return read_.slice(*offset, *size);
    }

    Reader read_;
    std::vector<Section> sections_;
    size_t root_ = 0;
};

} // namespace

std::optional<Resources> readResources(const Bytes &image) {
    Image pe(image);
    if (!pe.open())
        return std::nullopt;
    return pe.resources();
}
