// Whether the boxes join the session's accessibility bus, where screen readers find them.
#pragma once

namespace zelmvik::dialog {

// Before GTK starts: looks for the accessibility bus where GTK's bridge to it would
// (AT_SPI_BUS_ADDRESS, the X root window's AT_SPI_BUS on X11, the session bus's
// org.a11y.Bus), and checks that it answers, all within a moment. Where it does, its address
// goes into AT_SPI_BUS_ADDRESS, so that the bridge need not ask again; where none answers,
// NO_AT_BRIDGE keeps the bridge out, which would warn on the terminal, or wait for a bus that
// does not answer. A NO_AT_BRIDGE the user set stands.
void prepare_accessibility(bool x11);

} // namespace zelmvik::dialog
