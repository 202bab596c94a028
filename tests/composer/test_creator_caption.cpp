// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/creator_caption.h"

#include <QtTest>

namespace {

QString text(std::string_view view) { return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())); }

}  // namespace

class TestCreatorCaption : public QObject {
  Q_OBJECT

 private slots:
  void eachCreatorHasItsCaption() {
    QCOMPARE(text(creatorCaption(CreatorKind::MessageBox)), "MessageBox Creator");
    QCOMPARE(text(creatorCaption(CreatorKind::InputBox)), "InputBox Creator");
    QCOMPARE(text(creatorCaption(CreatorKind::CommonDialog)), "Common Dialog Creator");
  }
};

QTEST_GUILESS_MAIN(TestCreatorCaption)
#include "test_creator_caption.moc"
