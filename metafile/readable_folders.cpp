// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile/readable_folders.h"

#include <dirent.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string_view>

namespace {

// Where libwmf and fontconfig, as the distribution builds them, read their
// configuration; the folders they read beyond it are taken from it.
constexpr const char* ghostscriptFontMap = "/var/lib/ghostscript/fonts/Fontmap";
constexpr const char* fontconfigFile = "/etc/fonts/fonts.conf";

std::string parentOf(const std::string& path) { return path.substr(0, path.find_last_of('/')); }

std::string realPath(const std::string& path) {
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) ? resolved : std::string();
}

std::string contents(const std::string& path) {
  std::ifstream stream(path);
  return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void addOnce(std::vector<std::string>& folders, const std::string& folder) {
  if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
}

// The texts of the elements `name` in `xml` ("<dir>/usr/share/fonts</dir>",
// also with attributes).
std::vector<std::string> elementTexts(std::string_view xml, std::string_view name) {
  std::vector<std::string> texts;
  const std::string open = '<' + std::string(name);
  const std::string close = "</" + std::string(name) + '>';
  for (size_t at = xml.find(open); at != std::string_view::npos; at = xml.find(open, at + 1)) {
    const size_t after = at + open.size();
    if (after >= xml.size() || (xml[after] != '>' && xml[after] != ' ')) continue;
    const size_t start = xml.find('>', after);
    const size_t end = xml.find(close, after);
    if (start == std::string_view::npos || end == std::string_view::npos || start > end) continue;
    texts.emplace_back(xml.substr(start + 1, end - start - 1));
  }
  return texts;
}

// The ".conf" files of a configuration folder such as conf.d.
std::vector<std::string> configFilesIn(const std::string& folder) {
  std::vector<std::string> files;
  if (DIR* listing = opendir(folder.c_str())) {
    while (const dirent* entry = readdir(listing)) {
      const std::string_view name = entry->d_name;
      if (name.ends_with(".conf")) files.push_back(folder + '/' + entry->d_name);
    }
    closedir(listing);
  }
  return files;
}

// fontconfig's configuration files (through their links, into the folder
// they come from), and the font and cache folders they name; the user's own
// (relative to HOME, which the helper does not have) are left out.
void addFontconfigFolders(std::vector<std::string>& folders) {
  std::vector<std::string> files{fontconfigFile};
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string file = realPath(files[i]);
    if (file.empty()) continue;
    addOnce(folders, parentOf(file));
    const std::string xml = contents(file);
    for (const char* name : {"dir", "cachedir"})
      for (const std::string& folder : elementTexts(xml, name))
        if (folder.starts_with('/')) addOnce(folders, realPath(folder));
    if (i > 0) continue;  // the included folders' files include no further
    for (const std::string& included : elementTexts(xml, "include")) {
      const std::string path = included.starts_with('/') ? included : parentOf(file) + '/' + included;
      for (const std::string& conf : configFilesIn(path)) files.push_back(conf);
    }
  }
}

// The font files a Ghostscript font map names ("/Name (/path/file.t1) ;").
std::vector<std::string> fontMapFiles(std::string_view fontMap) {
  std::vector<std::string> files;
  for (size_t open = fontMap.find('('); open != std::string_view::npos; open = fontMap.find('(', open + 1)) {
    const size_t close = fontMap.find(')', open);
    if (close == std::string_view::npos) break;
    files.emplace_back(fontMap.substr(open + 1, close - open - 1));
  }
  return files;
}

}  // namespace

std::vector<std::string> metafileReadableFolders() {
  std::vector<std::string> folders;
  const std::string fontMap = realPath(ghostscriptFontMap);
  if (!fontMap.empty()) {
    addOnce(folders, parentOf(fontMap));
    for (const std::string& file : fontMapFiles(contents(fontMap)))
      if (file.starts_with('/')) addOnce(folders, parentOf(realPath(file)));
  }
  addFontconfigFolders(folders);
  return folders;
}
