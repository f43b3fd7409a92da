// The resources of a PE executable, read straight from its resource section.
#pragma once

#include "bytes.h"

#include <map>
#include <optional>
#include <string>
#include <tuple>

struct ResourceKey {
    uint16_t type;
    std::string name; // the string of a named resource, the decimal id of a numbered one
    bool named;
    uint16_t language;

    bool operator<(const ResourceKey &o) const {
        return std::tie(type, name, named, language) <
               std::tie(o.type, o.name, o.named, o.language);
    }
};

using Resources = std::map<ResourceKey, Bytes>;

// Nothing when the file is not a PE image or its resource tree is damaged.
std::optional<Resources> readResources(const Bytes &image);
