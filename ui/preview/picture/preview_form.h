// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/preview/picture/picture.h"

#include <QDialog>
#include <optional>

// The "Preview" window of the picture pane: a resizable tool window, centred
// on the screen, whose bordered panel shows the picture stretched over its
// inside. With a picture it opens sized to show it at its natural size,
// without one at its initial size. Escape closes it.
class PreviewForm : public QDialog {
 public:
  PreviewForm(const std::optional<Picture>& picture, QWidget* parent);

  // The window's size without a picture.
  static constexpr QSize initialClientSize{300, 250};
};

// Shows the "Preview" window of `picture` modally over `parent`.
void showPreviewForm(const std::optional<Picture>& picture, QWidget* parent);
