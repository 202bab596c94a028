// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

// number × numerator / denominator computed in 64 bits and rounded to the
// nearest whole number, halves away from zero. Like the platform function it
// stands for, it returns -1 when the denominator is 0 or the result does not
// fit in an int.
int MulDiv(int number, int numerator, int denominator);
