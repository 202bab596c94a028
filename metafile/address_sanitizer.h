// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

// QUILLMARK_ADDRESS_SANITIZER is defined in builds with AddressSanitizer
// (the sanitizer preset, the fuzzer), whose run-time needs some exceptions.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLMARK_ADDRESS_SANITIZER
#endif
#elif defined(__SANITIZE_ADDRESS__)
#define QUILLMARK_ADDRESS_SANITIZER
#endif
