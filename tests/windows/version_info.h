// The tree of a VS_VERSIONINFO resource: every node has a key, a value and children.
#pragma once

#include "bytes.h"

#include <optional>
#include <string>
#include <vector>

struct VersionNode {
    std::string key;
    bool text = false;  // wType 1: the value is a string
    Bytes value;        // binary value (wType 0)
    std::string string; // text value, without its terminating NUL
    std::vector<VersionNode> children;

    // The only child with this key, or null if there is none or more than one.
    const VersionNode *child(const std::string &name) const;
};

// Nothing when a length or the padding runs past the data.
std::optional<VersionNode> parseVersionInfo(const Bytes &resource);
