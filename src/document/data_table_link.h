#pragma once

#include <cstdint>
#include <iosfwd>

class TdvTaggedWriter;

// What the document tells its table of derived quantities, and what it asks
// of it when saving and exporting. The table keeps its own copy of every
// value it shows, so it must hear of each item that comes, changes or goes.
class TdvDataTableLink {
 public:
  virtual ~TdvDataTableLink() = default;

  virtual void ItemCreated(std::int32_t id) = 0;
  virtual void ItemRemoved(std::int32_t id) = 0;
  // sampleType says how far a change on one frame reaches.
  virtual void SeriesChangedAt(std::int32_t id, std::int32_t frame, int sampleType) = 0;
  virtual void SeriesChanged(std::int32_t id) = 0;
  virtual void RecalculateAll() = 0;
  // A column read from a document file; itemRef is already a new id.
  virtual void AddColumn(std::int32_t itemRef, std::int32_t quantity) = 0;

  // The table's part of an export: an empty line, the headings, the rows.
  virtual void WriteText(std::ostream& out) = 0;
  // The table's record of a document file.
  virtual void WriteRecord(TdvTaggedWriter& writer) = 0;
};

// A graph window as its document sees it.
class TdvGraphLink {
 public:
  virtual ~TdvGraphLink() = default;

  virtual void ItemRemoved(std::int32_t id) = 0;
  virtual void TimeChanged(std::int32_t time) = 0;
  virtual void WriteRecord(TdvTaggedWriter& writer) = 0;
};
