// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "metafile_converter.h"
#include "picture.h"

#include <QWidget>
#include <optional>

class BevelPanel;
class PicturePaintBox;
class QFileDialog;
class QItemSelectionModel;
class QLabel;
class QToolButton;

// The picture preview pane ("PicturePanel") of the picture dialogs: the size of
// the file selected in the dialog, a button that opens it in the "Preview"
// window, and the picture itself in a bevelled paint box.
class PicturePane : public QWidget {
 public:
  explicit PicturePane(QWidget* parent);

  // Loads the picture at `path`, shows its size or "Picture:" and redraws it.
  void showFile(const QString& path);

  // Shows the file of the first selected row of the dialog's file list, or
  // "Picture:" when no row is selected.
  void followSelection(const QItemSelectionModel& selection);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // Keeps the pane in the strip on the right of its dialog, from a little
  // below the dialog's top to its bottom edge.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void placeInStrip();
  void openPreview();

  MetafileConverter converter_;
  std::optional<Picture> picture_;
  QLabel* PictureLabel;
  QToolButton* PreviewButton;
  BevelPanel* PaintPanel;
  PicturePaintBox* PaintBox;
};

// Adds the picture pane as a strip on the right of a non-native file dialog;
// it follows the dialog's selection and lives as long as the dialog.
void attachPicturePane(QFileDialog& dialog);
