#pragma once

#include "document_fixture.h"
#include "recording_movie.h"

// A new document with a movie of three frames (keys 0, 100, 200) opened
// into it, and its dialogs recorded.
class MovieDocumentTest : public DocumentTest {
 protected:
  TdvDataObjectWindow* MovieDocument() {
    TdvDataObjectWindow* doc = NewDocument();
    doc->SetDialogs(&dialogs);
    doc->SetMovieOpener(&opener);
    EXPECT_TRUE(doc->AttachMovieFile(Path("ball.mov")));
    return doc;
  }

  static void Click(TdvDataObjectWindow& doc, int x, int y, int keyFlags = 0) {
    doc.MovieClick(x, y, TdvRect{x - 4, y - 4, x + 4, y + 4}, keyFlags);
    doc.MovieMouseUp(x, y, keyFlags);
  }

  static TdvPoint PositionOf(TdvDataObjectWindow& doc, std::int32_t id, std::int32_t frame) {
    TdvPoint position{-1, -1};
    double value = 0.0;
    auto* point = dynamic_cast<TdvDataPoint*>(doc.GetItem(id));
    EXPECT_TRUE(point != nullptr && point->GetPosition(frame, position, value))
        << "item " << id << " frame " << frame;
    return position;
  }

  RecordingOpener opener;
  RecordingMovie& movie = opener.movie;
  RecordingDialogs dialogs;
};
