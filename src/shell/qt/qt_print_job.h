#pragma once

#include <QPointer>
#include <QPrinter>
#include <memory>

#include "shell/backend.h"
#include "shell/qt/painter_surface.h"

class QDialog;
class QWidget;

namespace shell::qt {

// A print job on a QPrinter (a printer or a PDF file), with the small window
// that lets the user stop it.
class QtPrintJob final : public PrintJob {
 public:
  QtPrintJob(std::unique_ptr<QPrinter> printer, const PrintJobSpec& request, QWidget* owner,
             PainterSurface::IconLookup icons);
  QtPrintJob(const QtPrintJob&) = delete;
  QtPrintJob& operator=(const QtPrintJob&) = delete;
  ~QtPrintJob() override;

  Size DotsPerInch() const override;
  Size PageSize() const override;

  bool StartDocument() override;
  bool StartPage() override;
  Surface& Page() override;
  bool EndPage() override;
  bool EndDocument() override;
  void Abort() override;

  bool CancelRequested() override;

 private:
  void OpenCancelWindow(const PrintJobSpec& request, QWidget* owner);
  void CloseCancelWindow();

  std::unique_ptr<QPrinter> printer_;
  PainterSurface::IconLookup icons_;
  std::unique_ptr<PainterSurface> page_;  // drawn on while the document is open
  std::unique_ptr<QDialog> cancelWindow_;
  bool firstPage_ = true;
  bool cancelled_ = false;
};

}  // namespace shell::qt
