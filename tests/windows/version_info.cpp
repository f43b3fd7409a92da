#include "version_info.h"

namespace {

size_t align4(size_t at) {
    return (at + 3) & ~size_t{3};
}

// Offsets are from the start of the resource, which is where the four-byte alignment of
// every node counts from.
std::optional<VersionNode> parseNode(const Reader &read, size_t at, size_t end) {
    auto length = read.u16(at), valueLength = read.u16(at + 2), type = read.u16(at + 4);
    auto key = read.utf16(at + 6);
    if (!length || !valueLength || !type || !key || *length < 6 || at + *length > end || *type > 1)
        return std::nullopt;
    const size_t nodeEnd = at + *length;
    VersionNode node;
    node.key = *key;
    node.text = *type == 1;
    size_t next = align4(at + 6 + 2 * (key->size() + 1));
    if (*valueLength > 0) {
        const size_t bytes = node.text ? 2 * size_t{*valueLength} : *valueLength;
        if (next + bytes > nodeEnd)
            return std::nullopt;
        if (node.text) {
            auto string = read.utf16(next, *valueLength);
            if (!string)
                return std::nullopt;
            node.string = *string;
            while (!node.string.empty() && node.string.back() == '\0')
                node.string.pop_back();
        } else {
            node.value = *read.slice(next, bytes);
        }
        next = align4(next + bytes);
    }
    while (next < nodeEnd) {
        auto child = parseNode(read, next, nodeEnd);
        if (!child)
            return std::nullopt;
        next = align4(next + *read.u16(next));
        node.children.push_back(std::move(*child));
    }
    return node;
}

} // namespace

const VersionNode *VersionNode::child(const std::string &name) const {
    const VersionNode *found = nullptr;
    for (const auto &c : children) {
        if (c.key == name) {
            if (found)
                return nullptr;
            found = &c;
        }
    }
    return found;
}

std::optional<VersionNode> parseVersionInfo(const Bytes &resource) {
    Reader read(resource);
    return parseNode(read, 0, resource.size());
}
