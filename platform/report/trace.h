// What the layer decided, for a person to send with a report of a screen that did not do
// what they expected: one line on standard error for each decision of the channels named in
// ZELMVIK_TRACE (a comma-separated list: display, modes, windows, boxes, gl; or all), what
// was asked, what was chosen and why, as Wine's WINEDEBUG channels do. Silent without it.
#pragma once

namespace zelmvik {

enum class Channel { display, modes, windows, boxes, gl };

// Whether the channel is traced: for what costs something to say.
bool tracing(Channel channel);
// "zelmvik: trace CHANNEL: " and the formatted text, as one line, where the channel is traced.
void trace(Channel channel, const char *format, ...) __attribute__((format(printf, 2, 3)));

// The channels that ZELMVIK_TRACE's value names, as bits in the order of Channel; unknown
// names are left out.
unsigned traced_channels(const char *setting);

} // namespace zelmvik
