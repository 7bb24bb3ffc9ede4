#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/file_data_object.h"
#include "document/file_location.h"
#include "document/movie_opener.h"
#include "foundation/object.h"
#include "foundation/tagged_stream.h"

class TdvDataObject;
class TdvDataObjectWindow;
class TdvFileParser;

// One series record read: the id it had in the file and the id it has now.
class TdvAdjustObject : public TdvObject {
 public:
  static constexpr int kClassCode = 65;

  TdvAdjustObject(std::int32_t savedId, std::int32_t newId, std::int32_t calculated)
      : savedId(savedId), newId(newId), calculated(calculated) {}

  bool IsA(int code) const override { return code == kClassCode || TdvObject::IsA(code); }
  std::unique_ptr<TdvObject> Clone() const override {
    return std::make_unique<TdvAdjustObject>(*this);
  }

  std::int32_t savedId = 0;
  std::int32_t newId = 0;
  std::int32_t calculated = 0;
};

// Builds the table and graph windows of a document from their records.
// Item ids in the records are saved ids: they go through the parser's
// MapSavedId.
class TdvWindowBuilder {
 public:
  virtual ~TdvWindowBuilder() = default;

  virtual void BuildTable(TdvDataObjectWindow& document, const TdvFileDataObject& record) = 0;
  virtual void BuildGraph(TdvDataObjectWindow& document, const TdvFileDataObject& record,
                          TdvFileParser& parser) = 0;
};

// What reading had to mend in a file, told once when the document is made:
// one message for each kind of mend, naming the series it touched.
struct TdvReadReport {
  // Records with numbers that cannot be meant (not finite, a length or a
  // frame rate not above zero), dropped or replaced by the default.
  std::vector<std::string> damagedRecords;
  std::vector<std::string> movedToDefaultOrigin;
  // Clones whose source closed a circle of clones copying each other.
  std::vector<std::string> brokenClones;
};

// Reads one document file into a new document.
class TdvFileParser {
 public:
  // The documents read get movies through `movies` (see TdvMovieOpener).
  explicit TdvFileParser(TdvWindowBuilder* builder = nullptr, TdvMovieOpener* movies = nullptr)
      : builder_(builder), movies_(movies) {}

  // Reads the file at location (or text, when it is not empty). The new
  // document, shown and owned by its window, or nullptr when none was
  // made.
  TdvDataObjectWindow* Parse(const TdvFileLocation& location, const std::string& text = "");

  std::int32_t MapSavedId(std::int32_t savedId) const;

  // Take the movie from the file being read (a document embedded in a
  // movie): the document then has no file of its own.
  bool movieFromOpenedFile = false;
  bool Legacy() const { return legacy_; }
  int Major() const { return major_; }
  int Minor() const { return minor_; }
  int Release() const { return release_; }

 private:
  void ReadVersion(TdvStringStream& stream);
  void ReadDocumentHeader(TdvStringStream& stream);
  void ReadSeriesRecord(TdvStringStream& stream);
  void ReadWindowRecord(TdvStringStream& stream, int code);
  // Into a graph window that the document keeps.
  void ReadGraphWindow(TdvStringStream& stream);
  void ReadTableColumn(TdvStringStream& stream);
  void SkipRecord(TdvStringStream& stream);
  void CorrectRect(TdvRect& rect) const;
  void CheckHeaderValues(TdvDataObjectWindow& document, bool refusedNumbers);
  void PlaceInOrigin(TdvDataObject& item, std::int32_t savedOrigin);
  void ConnectClones();
  void TellWhatWasMended();
  void RemapIds();
  void RestoreFrameOrder();
  void Finish();

  TdvWindowBuilder* builder_;
  TdvMovieOpener* movies_;
  TdvDataObjectWindow* document_ = nullptr;
  TdvFileLocation location_;
  std::int32_t pathFormat_ = -2;
  bool legacy_ = true;
  int major_ = 0;
  int minor_ = 0;
  int release_ = 0;
  bool remapped_ = false;
  // The default origin in saved ids (tag 107, or else the initial origin
  // of tag 103).
  std::int32_t savedDefaultOrigin_ = 0;
  std::vector<TdvAdjustObject> idMap_;
  TdvReadReport report_;
};
