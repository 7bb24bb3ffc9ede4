#include "shell/qt/qt_print_job.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/qt/qt_convert.h"

namespace shell::qt {

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer, const PrintJobSpec& request,
                       QWidget* owner, PainterSurface::IconLookup icons)
    : printer_(std::move(printer)), icons_(std::move(icons)) {
  printer_->setDocName(ToQString(request.jobName));
  OpenCancelWindow(request, owner);
}

QtPrintJob::~QtPrintJob() {
  page_.reset();
  CloseCancelWindow();
}

void QtPrintJob::OpenCancelWindow(const PrintJobSpec& request, QWidget* owner) {
  cancelWindow_ = std::make_unique<QDialog>(owner);
  // The window can only be left through its button.
  cancelWindow_->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  cancelWindow_->setWindowTitle(ToQString(request.cancelTitle));
  auto* layout = new QVBoxLayout(cancelWindow_.get());  // owned by the window
  layout->addWidget(new QLabel(ToQString(request.cancelText), cancelWindow_.get()));
  auto* button = new QPushButton(ToQString(request.cancelButton), cancelWindow_.get());
  layout->addWidget(button);
  QObject::connect(button, &QPushButton::clicked, cancelWindow_.get(), [this] {
    cancelled_ = true;
    cancelWindow_->hide();
  });
  cancelWindow_->show();
}

void QtPrintJob::CloseCancelWindow() {
  if (cancelWindow_ != nullptr) {
    cancelWindow_->hide();
    cancelWindow_.reset();
  }
}

Size QtPrintJob::DotsPerInch() const {
  return Size{printer_->logicalDpiX(), printer_->logicalDpiY()};
}

Size QtPrintJob::PageSize() const {
  const QRect page = printer_->pageLayout().fullRectPixels(printer_->resolution());
  return Size{page.width(), page.height()};
}

bool QtPrintJob::StartDocument() {
  page_ = std::make_unique<PainterSurface>(*printer_, nullptr, PageSize(), icons_);
  if (!page_->Active()) {
    page_.reset();
    return false;
  }
  firstPage_ = true;
  return true;
}

// The document starts with its first page; later pages are asked for.
bool QtPrintJob::StartPage() {
  if (page_ == nullptr) {
    return false;
  }
  if (firstPage_) {
    firstPage_ = false;
    return true;
  }
  return printer_->newPage();
}

Surface& QtPrintJob::Page() {
  return *page_;
}

bool QtPrintJob::EndPage() {
  return page_ != nullptr;
}

bool QtPrintJob::EndDocument() {
  if (page_ == nullptr) {
    return false;
  }
  page_.reset();
  CloseCancelWindow();
  return printer_->printerState() != QPrinter::Error;
}

// A PDF file cannot be taken back from the writer, so what it wrote is removed.
void QtPrintJob::Abort() {
  const bool aborted = printer_->abort();
  page_.reset();
  CloseCancelWindow();
  if (!aborted && printer_->outputFormat() == QPrinter::PdfFormat &&
      !printer_->outputFileName().isEmpty()) {
    QFile::remove(printer_->outputFileName());
  }
}

bool QtPrintJob::CancelRequested() {
  QCoreApplication::processEvents();
  return cancelled_;
}

}  // namespace shell::qt
