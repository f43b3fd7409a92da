#include "bench/stats.h"

#include <algorithm>

namespace bench {

double median(std::vector<double> values) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    size_t mid = values.size() / 2;
    if (values.size() % 2)
        return values[mid];
    return (values[mid - 1] + values[mid]) / 2.0;
}

} // namespace bench
