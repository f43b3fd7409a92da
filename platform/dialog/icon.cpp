#include "platform/dialog/icon.h"

#include <cmath>

namespace zelmvik::dialog {
namespace {

const int size = 48;

void fill_disc(cairo_t *cr, double r, double g, double b) {
    cairo_arc(cr, 24, 24, 22, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, r, g, b);
    cairo_fill(cr);
}

void dot(cairo_t *cr, double x, double y) {
    cairo_arc(cr, x, y, 2.8, 0, 2 * M_PI);
    cairo_fill(cr);
}

// As Windows draws them: a red disc with a white cross, a blue one with a white question mark
// or "i", a yellow triangle with a black exclamation mark. Drawn in a 48-unit square.
void draw_icon(cairo_t *cr, BoxIcon icon) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 5.5);
    switch (icon) {
    case BoxIcon::error:
        fill_disc(cr, 0.80, 0.10, 0.12);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_move_to(cr, 16, 16);
        cairo_line_to(cr, 32, 32);
        cairo_move_to(cr, 32, 16);
        cairo_line_to(cr, 16, 32);
        cairo_stroke(cr);
        break;
    case BoxIcon::question:
        fill_disc(cr, 0.12, 0.42, 0.80);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_arc(cr, 24, 18.5, 6.5, M_PI, 2.3 * M_PI);
        cairo_line_to(cr, 24, 28.5);
        cairo_stroke(cr);
        dot(cr, 24, 35.5);
        break;
    case BoxIcon::information:
        fill_disc(cr, 0.12, 0.42, 0.80);
        cairo_set_source_rgb(cr, 1, 1, 1);
        dot(cr, 24, 13.5);
        cairo_move_to(cr, 24, 21);
        cairo_line_to(cr, 24, 35);
        cairo_stroke(cr);
        break;
    case BoxIcon::warning:
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, 4);
        cairo_move_to(cr, 24, 4);
        cairo_line_to(cr, 45, 42);
        cairo_line_to(cr, 3, 42);
        cairo_close_path(cr);
        cairo_set_source_rgb(cr, 0.98, 0.78, 0.10);
        cairo_fill_preserve(cr);
        cairo_stroke(cr);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_set_line_width(cr, 5);
        cairo_move_to(cr, 24, 16);
        cairo_line_to(cr, 24, 29);
        cairo_stroke(cr);
        dot(cr, 24, 36);
        break;
    case BoxIcon::none:
        break;
    }
}

gboolean draw(GtkWidget *widget, cairo_t *cr, gpointer data) {
    double scale = gtk_widget_get_allocated_width(widget) / static_cast<double>(size);
    cairo_scale(cr, scale, scale);
    draw_icon(cr, static_cast<BoxIcon>(GPOINTER_TO_INT(data)));
    return TRUE;
}

} // namespace

GtkWidget *make_icon(BoxIcon icon) {
    GtkWidget *area = gtk_drawing_area_new();
    gtk_widget_set_size_request(area, size, size);
    g_signal_connect(area, "draw", G_CALLBACK(draw), GINT_TO_POINTER(static_cast<int>(icon)));
    return area;
}

} // namespace zelmvik::dialog
