#include "platform/sdl/fault.h"

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

namespace zelmvik {

bool injected_fault(const char *call) {
    static std::string seen;
    static std::map<std::string, int> calls;
    const char *env = std::getenv("ZELMVIK_FAIL");
    std::string wanted = env ? env : "";
    if (wanted != seen) { // a new list counts from the start again
        seen = wanted;
        calls.clear();
    }
    int n = ++calls[call];
    std::istringstream items(wanted);
    std::string item;
    while (std::getline(items, item, ',')) {
        std::string name = item;
        int nth = 0;
        std::string::size_type at = item.find('@');
        if (at != std::string::npos) {
            name = item.substr(0, at);
            nth = std::atoi(item.c_str() + at + 1);
        }
        if (name == call && (nth == 0 || nth == n))
            return true;
    }
    return false;
}

} // namespace zelmvik
