#pragma once

#include <QWidget>

// A panel framed by up to two one-pixel bevels: the outer one on the panel's edge, the
// inner one just inside it. A lowered bevel has its shadow on the top and left edges, a
// raised one on the bottom and right edges.
class BevelPanel : public QWidget {
 public:
  enum class Bevel { None, Lowered, Raised };

  BevelPanel(Bevel outer, Bevel inner, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Bevel outer_;
  Bevel inner_;
};
