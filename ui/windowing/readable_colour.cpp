// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/windowing/readable_colour.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

constexpr double minimumContrast = 4.5;
constexpr double highContrast = 20.0;

double linear(float channel) {
  return channel <= 0.04045F ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

QColor fixedColour(FixedColour which) {
  switch (which) {
    case FixedColour::Note:
      return {255, 0, 0};
    case FixedColour::Link:
      return {0, 0, 255};
    case FixedColour::CaptionedPanel:
      return {128, 128, 128};
  }
  return {};
}

// The program's style (Fusion) paints tab pages in the button colour lightened, the more
// so the darker it is, and a little less saturated.
QColor tabPageColour(const QColor& button) {
  QColor colour = button.lighter(100 + std::max(1, (180 - qGray(button.rgb())) / 6));
  colour.setHsv(colour.hue(), colour.saturation() * 3 / 4, colour.value());
  return colour.lighter(104);
}

bool readableOn(const QColor& colour, std::initializer_list<QColor> backgrounds) {
  return std::all_of(backgrounds.begin(), backgrounds.end(),
                     [&](const QColor& background) { return contrastRatio(colour, background) >= minimumContrast; });
}

// `colour` itself where it is readable on every background, else the colour of the same hue
// and saturation nearest to it in lightness that is; black or white where none is.
QColor nearestReadable(const QColor& colour, std::initializer_list<QColor> backgrounds) {
  if (readableOn(colour, backgrounds)) return colour;
  const float hue = std::max(colour.hslHueF(), 0.0F);
  const int lightness = colour.lightness();
  for (int step = 0; step <= 255; ++step) {
    for (const int candidate : {lightness + step, lightness - step}) {
      if (candidate < 0 || candidate > 255) continue;
      const QColor shade = QColor::fromHslF(hue, colour.hslSaturationF(), candidate / 255.0F).toRgb();
      if (readableOn(shade, backgrounds)) return shade;
    }
  }
  return luminance(*backgrounds.begin()) > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace

double contrastRatio(const QColor& first, const QColor& second) {
  const double a = luminance(first);
  const double b = luminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableColour(FixedColour which, const QPalette& palette) {
  const QColor window = palette.color(QPalette::Window);
  const QColor text = palette.color(QPalette::WindowText);
  const QColor fixed = fixedColour(which);
  if (luminance(window) >= luminance(text) && contrastRatio(window, text) < highContrast) return fixed;
  const QColor button = palette.color(QPalette::Button);
  const QColor tabPage = tabPageColour(button);
  switch (which) {
    case FixedColour::CaptionedPanel:
      return nearestReadable(fixed, {QColor(Qt::white)});
    case FixedColour::Link:
      if (readableOn(palette.color(QPalette::Link), {window, button, tabPage})) return palette.color(QPalette::Link);
      break;
    case FixedColour::Note:
      break;
  }
  return nearestReadable(fixed, {window, button, tabPage});
}
