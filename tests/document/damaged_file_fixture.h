#pragma once

#include <iterator>
#include <sstream>
#include <string>

#include "document/file_parser.h"
#include "document_fixture.h"

// Reads document texts that tests write, made of a header for a movie on
// 32 frames (1/30 s apart, in a time scale of 600) and the records given.
class DamagedFileTest : public DocumentTest {
 public:
  static constexpr int kFrames = 32;

  // header groups go inside the document record, after the movie's names.
  TdvDataObjectWindow* Read(const std::string& records, const std::string& header = "") {
    std::string movie = Path("clip.mov");
    WriteFile(movie, "not really a movie");
    std::string times;
    for (int frame = 0; frame < kFrames; ++frame) {
      times += " " + std::to_string(frame * 20);
    }
    std::string path = Path("damaged.kvx");
    WriteFile(path, "V[2 1 2];\r\nP[-2];\r\nD[b(1x1 )i(101x600 p103x0 )s(20x\"clip.mov\" p21x\"" +
                        movie + "\")" + header + "l( p303x0  p304x" + std::to_string(kFrames) +
                        times + " )];\r\n" + records);
    TdvFileParser parser;
    return parser.Parse(TdvFileLocation::FromPath(path));
  }

  // The origin every test document has, id 0, in the Video frame, placed
  // on every frame.
  static std::string OriginRecord() {
    return PointRecord(0, "Origin 1", kVideoOriginRef, PlainValues(), true);
  }

  // A point record with a datum on every frame, moving faster the higher
  // its id; values are the data's value fields, one per frame.
  static std::string PointRecord(int id, const std::string& name, int origin,
                                 const std::vector<std::string>& values, bool isOrigin = false) {
    std::string data;
    for (std::size_t frame = 0; frame < values.size(); ++frame) {
      const std::size_t step = static_cast<std::size_t>(id) + 1;
      data += " " + std::to_string(frame * 20) + " " + std::to_string(10 + step * frame) + " -" +
              std::to_string(20 + 2 * step * frame) + " " + values[frame];
    }
    return "O" + std::to_string(id) + "x1[b(500x" + (isOrigin ? "1" : "0") +
           " p501x1 p502x0 )i(551x" + std::to_string(origin) + " )s(570x\"" + name + "\" )y(520x" +
           std::to_string(values.size()) + data + " )];\r\n";
  }

  static std::vector<std::string> PlainValues() {
    return std::vector<std::string>(kFrames, "0.0000000");
  }

  static std::string Export(TdvDataObjectWindow& doc) {
    std::ostringstream out;
    doc.WriteExport(out);
    return out.str();
  }

  static std::string Saved(TdvDataObjectWindow& doc) {
    std::string text;
    doc.WriteDocument(text);
    return text;
  }

  static int DataCount(const TdvDataObject& item) {
    return static_cast<int>(std::distance(item.FrameData().begin(), item.FrameData().end()));
  }

  TdvDataObject* Named(TdvDataObjectWindow& doc, const std::string& name) {
    for (std::int32_t id : doc.ItemOrder()) {
      if (doc.GetItem(id)->GetName() == name) {
        return doc.GetItem(id);
      }
    }
    return nullptr;
  }

  // No number the user reads is "nan" or "inf".
  static void ExpectOnlyFiniteNumbers(const std::string& text) {
    for (const char* word : {"nan", "inf", "NaN", "Inf"}) {
      EXPECT_EQ(text.find(word), std::string::npos) << word << " in\n" << text;
    }
  }
};
