#pragma once

#include <cstddef>
#include <cstdint>

// The page's side of the window system (kolven_canvas.js). Colours are
// 0xRRGGBB; coordinates are the window's pixels. Context 0 is the page's
// canvas, 1 the window's stored drawing, 2 its screen-only overlay, 3 the
// picture being drawn.
extern "C" {
void kolven_open(int width, int height, std::uint32_t background);
int kolven_screen_width();
int kolven_screen_height();
int kolven_decimal_separator();
void kolven_fill(int context, double x, double y, double w, double h, std::uint32_t color);
void kolven_erase(int context, double x, double y, double w, double h);
void kolven_line(int context, double x1, double y1, double x2, double y2, std::uint32_t color, double width);
void kolven_text(int context, double x, double y, const char* text, std::uint32_t color, const char* family, int px,
                 int bold);
void kolven_clip(int context, double x, double y, double w, double h);
void kolven_save(int context);
void kolven_restore(int context);
void kolven_transform(int context, double a, double b, double c, double d, double e, double f);
void kolven_identity(int context);
void kolven_path_begin(int context);
void kolven_path_point(int context, double x, double y, int first);
void kolven_path_close(int context);
void kolven_path_ellipse(int context, double rx, double ry);
void kolven_path_fill(int context, std::uint32_t color);
void kolven_path_fill_radial(int context, std::uint32_t centre, std::uint32_t rim, double radius);
void kolven_path_stroke(int context, std::uint32_t color, double width);
double kolven_text_width(int context, const char* text, const char* family, double px, int bold);
void kolven_text_at(int context, double x, double y, const char* text, std::uint32_t color, const char* family,
                    double px, int bold, int baseline);
int kolven_picture_begin(std::uintptr_t key, int w, int h);
void kolven_picture_show(int x, int y, int w, int h);
void kolven_compose(int overlay);
int kolven_take_event(int* xy);
void kolven_wait_event();
void kolven_yield_browser();
void kolven_send_pointer(int type, int x, int y);
void kolven_set_tooltip(const char* text);
void kolven_set_cursor();
char* kolven_parameter(const char* name);
void kolven_output(const char* text);
void kolven_export(const char* data, std::size_t size);
void kolven_ended();
}

namespace kolven::platform::web {

enum CanvasContext { kPage = 0, kStored = 1, kOverlay = 2, kPicture = 3 };
enum PointerEvent { kNoEvent = 0, kMove = 1, kPress = 2, kRelease = 3 };

}  // namespace kolven::platform::web
