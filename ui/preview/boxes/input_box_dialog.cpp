// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/boxes/input_box_dialog.h"

#include "ui/preview/boxes/input_box_layout.h"
#include "ui/windowing/active_window_guard.h"
#include "ui/windowing/modal_window_in_view.h"
#include "ui/windowing/screen_placement.h"
#include "ui/windowing/window_font.h"
#include "ui/windowing/x11_window_title.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QValidator>

#include <algorithm>

namespace {

constexpr int typedCharacterLimit = 255;

// Lets typing and pasting leave the text at most `limit` characters long, or
// no longer than it was: a longer default answer can shrink but never grow.
class TypingLimit : public QValidator {
 public:
  TypingLimit(QLineEdit* edit, qsizetype limit) : QValidator(edit), limit_(limit), length_(edit->text().size()) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { length_ = text.size(); });
  }

  State validate(QString& input, int&) const override {
    return input.size() <= std::max(limit_, length_) ? Acceptable : Invalid;
  }

 private:
  qsizetype limit_;
  qsizetype length_;
};

}  // namespace

// A dialog frame with a title and a close box, without minimise and maximise buttons. What
// the window manager is told, and what openbox makes of it: the window type
// _NET_WM_WINDOW_TYPE_DIALOG; _MOTIF_WM_HINTS allowing move, resize and close but neither
// minimise nor maximise, which window managers that honour the Motif hints follow and
// openbox deliberately does not (it keeps its minimise button); the fixed size, equal
// minimum and maximum sizes in WM_NORMAL_HINTS, for which openbox offers neither resizing
// nor maximising. Minimised anyway, the box comes back at once.
InputBoxDialog::InputBoxDialog(const InputBoxRequest& request)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      defaultText_(request.defaultText) {
  // The font comes first so that the parts are made in it, not changed to it.
  setFont(defaultWindowFont(qRound(screen()->logicalDotsPerInchY())));
  promptLabel_ = new QLabel(this);
  answerEdit_ = new QLineEdit(this);
  okButton_ = new QPushButton(QStringLiteral("OK"), this);
  cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
  setObjectName(QStringLiteral("InputBox"));
  promptLabel_->setObjectName(QStringLiteral("promptLabel"));
  answerEdit_->setObjectName(QStringLiteral("answerEdit"));
  okButton_->setObjectName(QStringLiteral("okButton"));
  cancelButton_->setObjectName(QStringLiteral("cancelButton"));

  setWindowTitle(request.caption);
  setWindowModality(Qt::ApplicationModal);
  promptLabel_->setTextFormat(Qt::PlainText);
  promptLabel_->setText(request.prompt);
  promptLabel_->setBuddy(answerEdit_);  // "&" marks the access key of the edit field
  // Only typing is limited; a longer default answer is shown whole.
  answerEdit_->setMaxLength(static_cast<int>(std::max<qsizetype>(typedCharacterLimit, request.defaultText.size())));
  answerEdit_->setText(request.defaultText);
  answerEdit_->setValidator(new TypingLimit(answerEdit_, typedCharacterLimit));
  answerEdit_->selectAll();
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  layOut();
  answerEdit_->setFocus();
  placeCentredOnScreen(*this);
  keepModalWindowInView(*this);
}

void InputBoxDialog::layOut() {
  const InputBoxLayout layout = inputBoxLayout(measureDialogUnits(font()));
  setFixedSize(layout.clientSize);
  promptLabel_->move(layout.promptPosition);
  promptLabel_->resize(promptLabel_->sizeHint());
  answerEdit_->setGeometry(QRect(layout.editPosition, QSize(layout.editWidth, answerEdit_->sizeHint().height())));
  okButton_->setGeometry(layout.okButton);
  cancelButton_->setGeometry(layout.cancelButton);
}

void InputBoxDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (windowTitle().isEmpty()) clearX11WindowTitle(this);
}

QString InputBoxDialog::answer() const { return result() == QDialog::Accepted ? answerEdit_->text() : defaultText_; }

QString showInputBox(const InputBoxRequest& request) {
  const ActiveWindowGuard activeWindow;
  InputBoxDialog dialog(request);
  dialog.exec();
  return dialog.answer();
}
