#pragma once

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "shell/gfx_types.h"

// Reads the marker sheets of resources/markers the way a renderer does at
// 1:1: they are whole-pixel rectangles, grouped in <defs> and placed with
// <use>, each filled with its own colour, its group's or its use's.
namespace svg_pixel_sheet {

struct Block {
  int x = 0, y = 0, width = 0, height = 0;
  std::string fill;  // empty: inherited
};

inline std::string Attribute(const std::string& tag, const std::string& name) {
  const std::string key = " " + name + "=\"";
  const std::size_t start = tag.find(key);
  if (start == std::string::npos) {
    return {};
  }
  const std::size_t from = start + key.size();
  const std::size_t end = tag.find('"', from);
  return end == std::string::npos ? std::string() : tag.substr(from, end - from);
}

inline int Number(const std::string& tag, const std::string& name) {
  return std::atoi(Attribute(tag, name).c_str());
}

inline shell::Rgb Colour(const std::string& hex) {
  if (hex.size() != 7 || hex[0] != '#') {
    return shell::kBlack;
  }
  const long value = std::strtol(hex.c_str() + 1, nullptr, 16);
  return shell::MakeRgb(static_cast<int>((value >> 16) & 0xFF),
                        static_cast<int>((value >> 8) & 0xFF), static_cast<int>(value & 0xFF));
}

inline void Paint(shell::Picture& picture, const Block& block, int dx, int dy,
                  const std::string& fill) {
  for (int y = 0; y < block.height; ++y) {
    for (int x = 0; x < block.width; ++x) {
      picture.Set(block.x + dx + x, block.y + dy + y, Colour(fill));
    }
  }
}

// The picture of a sheet, white where it draws nothing; empty when the
// file cannot be read.
inline shell::Picture Read(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  const std::string svg = text.str();
  const std::size_t rootStart = svg.find("<svg");
  const std::size_t rootEnd = svg.find('>', rootStart);
  if (rootStart == std::string::npos || rootEnd == std::string::npos) {
    return {};
  }
  const std::string root = " " + svg.substr(rootStart + 4, rootEnd - rootStart - 4);
  shell::Picture picture(Number(root, "width"), Number(root, "height"));
  std::map<std::string, std::vector<Block>> groups;
  std::string group;               // the <defs> group being read
  std::vector<std::string> fills;  // fills of the open <g> elements inside it
  for (std::size_t open = svg.find('<', rootEnd); open != std::string::npos;
       open = svg.find('<', open + 1)) {
    const std::size_t close = svg.find('>', open);
    if (close == std::string::npos) {
      break;
    }
    const bool closing = svg[open + 1] == '/';
    const std::size_t nameStart = open + (closing ? 2 : 1);
    const std::size_t nameEnd = svg.find_first_of(" />", nameStart);
    const std::string name = svg.substr(nameStart, nameEnd - nameStart);
    const std::string tag = " " + svg.substr(nameEnd, close - nameEnd);
    if (name == "g" && closing) {
      if (!fills.empty()) {
        fills.pop_back();
      }
      if (fills.empty()) {
        group.clear();
      }
    } else if (name == "g") {
      if (fills.empty()) {
        group = Attribute(tag, "id");
      }
      fills.push_back(Attribute(tag, "fill"));
    } else if (name == "rect") {
      Block block{Number(tag, "x"), Number(tag, "y"), Number(tag, "width"), Number(tag, "height"),
                  Attribute(tag, "fill")};
      for (auto fill = fills.rbegin(); block.fill.empty() && fill != fills.rend(); ++fill) {
        block.fill = *fill;
      }
      if (group.empty()) {
        Paint(picture, block, 0, 0, block.fill.empty() ? "#000000" : block.fill);
      } else {
        groups[group].push_back(block);
      }
    } else if (name == "use") {
      const std::string href = Attribute(tag, "xlink:href");
      const std::string useFill = Attribute(tag, "fill");
      for (const Block& block : groups[href.empty() ? href : href.substr(1)]) {
        const std::string fill = !block.fill.empty() ? block.fill
                                 : !useFill.empty()  ? useFill
                                                     : "#000000";
        Paint(picture, block, Number(tag, "x"), Number(tag, "y"), fill);
      }
    }
  }
  return picture;
}

}  // namespace svg_pixel_sheet
