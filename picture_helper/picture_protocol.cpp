// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "picture_helper/picture_protocol.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <sstream>

std::string requestLine(const PictureRequest& request) {
  return request.kind + ' ' + std::to_string(request.dotsPerInch) + ' ' + std::to_string(request.boxWidth) + ' ' +
         std::to_string(request.boxHeight) + (request.stretch ? " stretch\n" : " fit\n");
}

std::optional<PictureRequest> parseRequestLine(std::string_view line) {
  std::istringstream words{std::string(line)};
  PictureRequest request;
  std::string mode;
  std::string rest;
  if (!(words >> request.kind >> request.dotsPerInch >> request.boxWidth >> request.boxHeight >> mode) ||
      (words >> rest))
    return std::nullopt;
  const bool known = request.kind == "bmp" || request.kind == "ico" || request.kind == "wmf" || request.kind == "emf";
  if (!known || (mode != "fit" && mode != "stretch")) return std::nullopt;
  request.stretch = mode == "stretch";
  if (request.dotsPerInch <= 0 || request.dotsPerInch > 10000 || request.boxWidth <= 0 || request.boxHeight <= 0 ||
      request.boxWidth > maxPictureSide || request.boxHeight > maxPictureSide ||
      std::int64_t(request.boxWidth) * request.boxHeight > maxRasterPixels)
    return std::nullopt;
  return request;
}

bool sendRequest(int helper, const PictureRequest& request, int file) {
  std::string line = requestLine(request);
  iovec text{line.data(), line.size()};
  alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
  msghdr message{};
  message.msg_iov = &text;
  message.msg_iovlen = 1;
  message.msg_control = control;
  message.msg_controllen = sizeof control;
  cmsghdr* attached = CMSG_FIRSTHDR(&message);
  attached->cmsg_level = SOL_SOCKET;
  attached->cmsg_type = SCM_RIGHTS;
  attached->cmsg_len = CMSG_LEN(sizeof(int));
  std::memcpy(CMSG_DATA(attached), &file, sizeof file);
  return sendmsg(helper, &message, MSG_DONTWAIT | MSG_NOSIGNAL) == ssize_t(line.size());
}

std::optional<ReceivedRequest> receiveRequest(int input, bool& ended) {
  // A request line is short; a longer packet is cut, and refused below.
  char line[256];
  iovec text{line, sizeof line};
  alignas(cmsghdr) char control[CMSG_SPACE(4 * sizeof(int))] = {};
  msghdr message{};
  message.msg_iov = &text;
  message.msg_iovlen = 1;
  message.msg_control = control;
  message.msg_controllen = sizeof control;
  const ssize_t got = recvmsg(input, &message, MSG_CMSG_CLOEXEC);
  ended = got == 0;
  std::optional<int> file;
  bool extra = false;
  for (cmsghdr* attached = CMSG_FIRSTHDR(&message); got >= 0 && attached; attached = CMSG_NXTHDR(&message, attached)) {
    if (attached->cmsg_level != SOL_SOCKET || attached->cmsg_type != SCM_RIGHTS) continue;
    for (std::size_t at = 0; at + sizeof(int) <= attached->cmsg_len - CMSG_LEN(0); at += sizeof(int)) {
      int received;
      std::memcpy(&received, CMSG_DATA(attached) + at, sizeof received);
      if (file) {
        close(received);
        extra = true;
      } else {
        file = received;
      }
    }
  }
  const bool whole = got > 0 && line[got - 1] == '\n' && !(message.msg_flags & (MSG_TRUNC | MSG_CTRUNC));
  std::optional<PictureRequest> request = whole ? parseRequestLine(std::string_view(line, got - 1)) : std::nullopt;
  if (request && file && !extra) return ReceivedRequest{std::move(*request), *file};
  if (file) close(*file);
  return std::nullopt;
}
