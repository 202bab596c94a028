// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QWidget>

// A panel framed by up to two one-pixel bevels: the outer one on the panel's edge, the
// inner one just inside it. A lowered bevel has its shadow on the top and left edges, a
// raised one on the bottom and right edges. A new panel has no bevels; forms set them.
class BevelPanel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(Bevel outerBevel READ outerBevel WRITE setOuterBevel)
  Q_PROPERTY(Bevel innerBevel READ innerBevel WRITE setInnerBevel)

 public:
  enum class Bevel { None, Lowered, Raised };
  Q_ENUM(Bevel)

  explicit BevelPanel(QWidget* parent = nullptr);

  Bevel outerBevel() const { return outer_; }
  void setOuterBevel(Bevel bevel);
  Bevel innerBevel() const { return inner_; }
  void setInnerBevel(Bevel bevel);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Bevel outer_ = Bevel::None;
  Bevel inner_ = Bevel::None;
};
