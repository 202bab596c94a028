// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/creator_caption.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString text(std::string_view view) { return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())); }

}  // namespace

class TestCreatorCaption : public QObject {
  Q_OBJECT

 private slots:
  void eachCreatorHasItsCaption() {
    QCOMPARE(text(creatorCaption(CreatorKind::MessageBox)), u"MessageBox Creator"_s);
    QCOMPARE(text(creatorCaption(CreatorKind::InputBox)), u"InputBox Creator"_s);
    QCOMPARE(text(creatorCaption(CreatorKind::CommonDialog)), u"Common Dialog Creator"_s);
  }
};

QTEST_GUILESS_MAIN(TestCreatorCaption)
#include "test_creator_caption.moc"
