// Small statistics over repeated measurements.
#pragma once

#include <vector>

namespace bench {

// The middle value (the mean of the two middle ones for an even count); 0 for none.
double median(std::vector<double> values);

} // namespace bench
