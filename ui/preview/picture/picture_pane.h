// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/preview/picture/picture.h"
#include "ui/preview/picture/picture_converter.h"

#include <QWidget>
#include <optional>

class BevelPanel;
class PicturePaintBox;
class QFileDialog;
class QAbstractItemView;
class QLabel;
class QToolButton;

// The picture preview pane ("PicturePanel") of the picture dialogs: the size of
// the file selected in the dialog, a button that opens it in the "Preview"
// window, and the picture itself in a bevelled paint box.
class PicturePane : public QWidget {
 public:
  explicit PicturePane(QWidget* parent);

  // Has the picture at `path` drawn; once it is, shows its size and draws
  // it, or shows "Picture:" when it cannot be shown. The label and the
  // picture stay as they are until then.
  void showFile(const QString& path);

  // Shows the file the dialog's file `list` highlights: its first selected
  // row, or its current row while the name box is empty; "Picture:" when no
  // row is highlighted.
  void followSelection(const QAbstractItemView& list);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // Keeps the pane in the strip on the right of its dialog, from a little
  // below the dialog's top to its bottom edge.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void placeInStrip();
  void openPreview();
  void requestDrawing();
  void showPicture(std::optional<Picture> picture);

  PictureConverter converter_;
  std::optional<PictureFile> file_;
  QSize requestedBox_;
  std::optional<Picture> picture_;
  QLabel* PictureLabel;
  QToolButton* PreviewButton;
  BevelPanel* PaintPanel;
  PicturePaintBox* PaintBox;
};

// Adds the picture pane as a strip on the right of a non-native file dialog;
// it follows the dialog's selection and lives as long as the dialog.
void attachPicturePane(QFileDialog& dialog);
