#include "platform/dialog/accessibility_bus.h"
#include "platform/report/trace.h"
#include "platform/x11/reach.h"

#include <gio/gio.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace zelmvik::dialog {

namespace {

// How long the look for the bus may take in all: a bus that is there answers in milliseconds,
// and one that does not answer must not hold the question up.
const gint64 patience_us = 1000 * 1000;

// One asynchronous D-Bus step run on a main context of our own until it ends or the time is
// up; then it is cancelled. Heap-held: a step abandoned in mid-air is finished by GIO later.
struct Step {
    GAsyncResult *result = nullptr;
    bool done = false;
};

void step_finished(GObject *, GAsyncResult *result, gpointer data) {
    Step *step = static_cast<Step *>(data);
    step->result = G_ASYNC_RESULT(g_object_ref(result));
    step->done = true;
}

gboolean time_up(gpointer data) {
    *static_cast<bool *>(data) = true;
    return G_SOURCE_REMOVE;
}

class Look {
  public:
    Look() : context_(g_main_context_new()), deadline_(g_get_monotonic_time() + patience_us) {
        g_main_context_push_thread_default(context_);
    }
    ~Look() {
        g_main_context_pop_thread_default(context_);
        g_main_context_unref(context_);
    }
    Look(const Look &) = delete;
    Look &operator=(const Look &) = delete;

    // A connection to the bus at `address`, registered on it (it answered its Hello); null
    // when it did not answer in time.
    GDBusConnection *connect(const std::string &address) {
        Step step;
        GCancellable *cancel = g_cancellable_new();
        g_dbus_connection_new_for_address(
            address.c_str(),
            GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                 G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, cancel, step_finished, &step);
        wait(step, cancel);
        GDBusConnection *connection =
            g_dbus_connection_new_for_address_finish(step.result, nullptr);
        g_object_unref(step.result);
        g_object_unref(cancel);
        return connection;
    }

    // The accessibility bus's address as the session bus's launcher gives it; empty when it
    // gives none in time.
    std::string ask_address(GDBusConnection *session) {
        Step step;
        GCancellable *cancel = g_cancellable_new();
        g_dbus_connection_call(session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                               "GetAddress", nullptr, G_VARIANT_TYPE("(s)"), G_DBUS_CALL_FLAGS_NONE,
                               left_ms(), cancel, step_finished, &step);
        wait(step, cancel);
        std::string address;
        if (GVariant *reply = g_dbus_connection_call_finish(session, step.result, nullptr)) {
            const char *text = nullptr;
            g_variant_get(reply, "(&s)", &text);
            address = text ? text : "";
            g_variant_unref(reply);
        }
        g_object_unref(step.result);
        g_object_unref(cancel);
        return address;
    }

  private:
    int left_ms() const {
        gint64 left = (deadline_ - g_get_monotonic_time()) / 1000;
        return left > 1 ? static_cast<int>(left) : 1;
    }

    // Until the step ends; past the deadline it is cancelled, and ends at once then.
    void wait(Step &step, GCancellable *cancel) {
        bool late = false;
        GSource *timer = g_timeout_source_new(static_cast<guint>(left_ms()));
        g_source_set_callback(timer, time_up, &late, nullptr);
        g_source_attach(timer, context_);
        while (!step.done && !late)
            g_main_context_iteration(context_, TRUE);
        g_source_destroy(timer);
        g_source_unref(timer);
        if (!step.done)
            g_cancellable_cancel(cancel);
        while (!step.done)
            g_main_context_iteration(context_, TRUE);
    }

    GMainContext *context_;
    gint64 deadline_;
};

void close(GDBusConnection *connection) {
    g_dbus_connection_close_sync(connection, nullptr, nullptr);
    g_object_unref(connection);
}

// The session bus's address, as the process was given it; never one started for the asking.
std::string session_bus_address() {
    if (const char *address = std::getenv("DBUS_SESSION_BUS_ADDRESS"))
        return address;
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat socket_file;
    if (runtime && *runtime && stat((std::string(runtime) + "/bus").c_str(), &socket_file) == 0 &&
        S_ISSOCK(socket_file.st_mode))
        return std::string("unix:path=") + runtime + "/bus";
    return "";
}

// The address of an accessibility bus that answers; empty where none does.
std::string answering_bus(bool x11) {
    Look look;
    std::string address;
    if (const char *given = std::getenv("AT_SPI_BUS_ADDRESS"); given && *given)
        address = given;
    if (address.empty() && x11)
        address = x11_root_text("AT_SPI_BUS");
    if (address.empty()) {
        std::string session = session_bus_address();
        if (session.empty())
            return "";
        GDBusConnection *connection = look.connect(session);
        if (!connection)
            return "";
        address = look.ask_address(connection);
        close(connection);
    }
    if (address.empty())
        return "";
    GDBusConnection *bus = look.connect(address);
    if (!bus)
        return "";
    close(bus);
    return address;
}

} // namespace

void prepare_accessibility(bool x11) {
    if (std::getenv("NO_AT_BRIDGE"))
        return;
    std::string address = answering_bus(x11);
    trace(Channel::boxes, "accessibility bus: %s",
          address.empty() ? "none answers: the boxes stay off it" : address.c_str());
    if (address.empty())
        setenv("NO_AT_BRIDGE", "1", 1);
    else
        setenv("AT_SPI_BUS_ADDRESS", address.c_str(), 1);
}

} // namespace zelmvik::dialog
