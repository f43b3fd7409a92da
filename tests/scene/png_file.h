// Saves a frame read back with glReadPixels so that a person can look at it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// rgba: width * height pixels of 4 bytes, bottom row first (GL's order).
bool write_png(const std::string &path, int width, int height, const std::vector<uint8_t> &rgba);
