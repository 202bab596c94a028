// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

// What the picture pane and the picture helper say to each other (plain C++).
//
// The helper's standard input is a Unix socket of packets. For each picture
// the pane sends one packet: the request line, "<kind> <dots per inch> <box
// width> <box height> <fit|stretch>\n" (kind "bmp", "ico", "wmf" or "emf"),
// with the picture file's open descriptor attached, so that the program reads
// no byte of the file and the helper, which may open no file of the user's,
// reads it through that descriptor. The helper answers on its standard output with a
// PictureReplyHeader in the machine's byte order and, when the status is
// Drawn, the raster's pixels: rasterWidth * rasterHeight 32-bit premultiplied
// ARGB values, row by row. Nothing else of the answer is read. The helper
// then waits for the next request, up to maxPicturesPerHelper of them, and
// ends when its input ends: a helper reused keeps its memory in place, which
// spares each picture the cost of a fresh process's first use of its pages.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class PictureStatus : std::int32_t { Drawn = 0, Unreadable = 1, TooLarge = 2, TooComplex = 3 };

struct PictureReplyHeader {
  std::uint32_t magic;
  PictureStatus status;
  // The picture's own size in pixels, shown in the pane's label.
  std::int32_t naturalWidth;
  std::int32_t naturalHeight;
  std::int32_t rasterWidth;
  std::int32_t rasterHeight;
};

constexpr std::uint32_t pictureReplyMagic = 0x51504958;  // "QPIX"
// Ceilings for any picture: each side of its natural size, and the pixels of
// a raster (a screen of 8K is 33,177,600).
constexpr std::int32_t maxPictureSide = 32767;
constexpr std::int64_t maxRasterPixels = 8192LL * 4096;
// The largest picture file shown: no picture the pane shows comes near it.
constexpr std::int64_t maxPictureFileBytes = 64 * 1024 * 1024;
// How many pictures one helper draws before it ends: a picture that took
// the helper over draws no more than a few of the pictures after it.
constexpr int maxPicturesPerHelper = 30;

// What the pane asks for: the picture's kind ("bmp", "ico", "wmf", "emf"),
// the screen's dots per inch (a metafile's frame is measured in 0.01 mm), and
// the box it shows the picture in, either fitted as the pane does (natural
// size when it fits, else scaled down keeping its proportions) or stretched
// over the whole box as the Preview window does.
struct PictureRequest {
  std::string kind;
  int dotsPerInch = 96;
  int boxWidth = 0;
  int boxHeight = 0;
  bool stretch = false;
};

// The request line, newline included, and back: nothing for a line of
// another kind, a box outside the ceilings or a resolution out of reason.
std::string requestLine(const PictureRequest& request);
std::optional<PictureRequest> parseRequestLine(std::string_view line);

// Sends `request` with the descriptor `file` attached over the packet socket
// `helper`, without waiting; false when the helper cannot take it.
bool sendRequest(int helper, const PictureRequest& request, int file);

struct ReceivedRequest {
  PictureRequest request;
  int file;  // the picture file's descriptor, now the receiver's to close
};
// The next request from the packet socket `input`. Nothing at the end of the
// input (`ended` set) or for a packet that is not a request with exactly one
// descriptor (any descriptor received is closed).
std::optional<ReceivedRequest> receiveRequest(int input, bool& ended);
