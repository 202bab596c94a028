// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile/wmf_to_svg.h"

#include "metafile/svg_rewriting.h"
#include "metafile/svg_text.h"

#include <libwmf/api.h>
#include <libwmf/ipa.h>
#include <libwmf/svg.h>

#include <algorithm>
#include <vector>

namespace {

// The library's drawing coordinates are the logical ones moved by the window
// origin and scaled by the pixel size of the device context that draws. The
// device layer's functions are wrapped to learn that mapping from the first
// drawing call, and to hand texts over escaped.
struct Player {
  wmfFunctionReference device{};
  wmfMap mapFont = nullptr;
  wmfStringWidth measureText = nullptr;
  bool mapped = false;
  double originX = 0, originY = 0, scaleX = 0, scaleY = 0;

  void note(const wmfDC& dc) {
    if (mapped) return;
    mapped = true;
    originX = dc.Window.Ox;
    originY = dc.Window.Oy;
    scaleX = dc.pixel_width;
    scaleY = dc.pixel_height;
  }
};

Player& playerOf(wmfAPI* api) { return *static_cast<Player*>(api->user_data); }

template <auto Slot>
struct Noting;

// Every drawing structure of the device layer starts with its device context.
template <typename Drawing, void (*wmfFunctionReference::*Slot)(wmfAPI*, Drawing*)>
struct Noting<Slot> {
  static void call(wmfAPI* api, Drawing* drawing) {
    Player& player = playerOf(api);
    player.note(*drawing->dc);
    (player.device.*Slot)(api, drawing);
  }
};

template <auto Slot>
void wrap(wmfFunctionReference& functions) {
  functions.*Slot = &Noting<Slot>::call;
}

// The library maps each font the picture creates, and a default font, to a
// font file as soon as it is made, and FreeType reads a Type 1 font whole
// (the better part of a millisecond). Only text needs the mapping, so it is
// made when a text is first measured or drawn in the font.
void deferMapping(wmfAPI*, wmfFont*) {}

bool fontMapped(wmfAPI* api, wmfFont* font) {
  if (!font) return false;
  // The library clears user_data before it maps a font, and mapping sets it.
  if (!font->user_data) playerOf(api).mapFont(api, font);
  return font->user_data && api->err == wmf_E_None;
}

float measuredText(wmfAPI* api, wmfFont* font, char* text) {
  return fontMapped(api, font) ? playerOf(api).measureText(api, font, text) : 0;
}

void drawEscapedText(wmfAPI* api, wmfDrawText_t* text) {
  Player& player = playerOf(api);
  player.note(*text->dc);
  wmfFont* font = text->dc->font;
  if (!fontMapped(api, font)) return;
  std::string escaped = svgText(text->str ? text->str : "", font->lfCharSet);
  char* stored = text->str;
  text->str = escaped.data();
  player.device.draw_text(api, text);
  text->str = stored;
}

void wrapDevice(wmfFunctionReference& functions) {
  wrap<&wmfFunctionReference::flood_interior>(functions);
  wrap<&wmfFunctionReference::flood_exterior>(functions);
  wrap<&wmfFunctionReference::draw_pixel>(functions);
  wrap<&wmfFunctionReference::draw_pie>(functions);
  wrap<&wmfFunctionReference::draw_chord>(functions);
  wrap<&wmfFunctionReference::draw_arc>(functions);
  wrap<&wmfFunctionReference::draw_ellipse>(functions);
  wrap<&wmfFunctionReference::draw_line>(functions);
  wrap<&wmfFunctionReference::poly_line>(functions);
  wrap<&wmfFunctionReference::draw_polygon>(functions);
  wrap<&wmfFunctionReference::draw_polypolygon>(functions);
  wrap<&wmfFunctionReference::draw_rectangle>(functions);
  wrap<&wmfFunctionReference::rop_draw>(functions);
  wrap<&wmfFunctionReference::bmp_draw>(functions);
  functions.draw_text = &drawEscapedText;
}

// One library instance per conversion: its state is never shared.
class Api {
 public:
  Api() {
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&api_, flags, &options) != wmf_E_None) api_ = nullptr;
  }
  ~Api() {
    if (api_) wmf_api_destroy(api_);
  }
  Api(const Api&) = delete;
  Api& operator=(const Api&) = delete;
  wmfAPI* get() const { return api_; }

 private:
  wmfAPI* api_ = nullptr;
};

// The library writes its SVG piece by piece into this stream, a string; its
// own memory stream would grow a byte at a time.
struct Output {
  std::string text;
  wmfStream stream{this, &append, &clear};

  static int append(char* piece, void* output) {
    static_cast<Output*>(output)->text += piece;
    return 0;
  }
  static int clear(void* output) {
    static_cast<Output*>(output)->text.clear();
    return 0;
  }
};

// The library's drawing coordinates are passed through unchanged.
constexpr unsigned int identity = 1000;

}  // namespace

std::optional<std::string> wmfToSvg(std::span<const unsigned char> file, const WmfHeader& header) {
  const Api api;
  if (!api.get()) return std::nullopt;
  Player player;
  auto& functions = *static_cast<wmfFunctionReference*>(api.get()->function_reference);
  player.device = functions;
  wrapDevice(functions);
  auto& fonts = *static_cast<wmfFontData*>(api.get()->font_data);
  player.mapFont = fonts.map;
  player.measureText = fonts.stringwidth;
  fonts.map = &deferMapping;
  fonts.stringwidth = &measuredText;
  api.get()->user_data = &player;

  std::vector<unsigned char> contents(file.begin(), file.end());
  wmfD_Rect bounds{};
  if (wmf_mem_open(api.get(), contents.data(), static_cast<long>(contents.size())) != wmf_E_None ||
      wmf_scan(api.get(), 0, &bounds) != wmf_E_None)
    return std::nullopt;
  wmf_svg_t* device = WMF_SVG_GetData(api.get());
  Output output;
  device->out = &output.stream;
  device->bbox = {{0, 0}, {identity, identity}};
  device->width = identity;
  device->height = identity;
  const bool played = wmf_play(api.get(), 0, &bounds) == wmf_E_None;
  // The device must not outlive the stream it writes to.
  device->out = nullptr;
  const std::string svg = withPresentationAttributes(output.text);
  if (!played || svg.empty()) return std::nullopt;

  const MetafileRect& f = header.frame;
  const double left = (f.left - player.originX) * player.scaleX;
  const double right = (f.right - player.originX) * player.scaleX;
  const double top = (f.top - player.originY) * player.scaleY;
  const double bottom = (f.bottom - player.originY) * player.scaleY;
  std::string framed = player.mapped ? withViewBox(svg, std::min(left, right), std::min(top, bottom),
                                                   std::abs(right - left), std::abs(bottom - top))
                                     : withViewBox(svg, 0, 0, 1, 1);
  if (framed.empty()) return std::nullopt;
  return framed;
}
