// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "print_dialog_request.h"

PrintDialogRequest printDialogRequest(bool allowPrintToFile) {
  PrintDialogRequest request;
  request.flags = PD_ALLPAGES | PD_NOSELECTION | PD_NOPAGENUMS | PD_NOWARNING | PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK;
  if (!allowPrintToFile) request.flags |= PD_HIDEPRINTTOFILE;
  return request;
}
