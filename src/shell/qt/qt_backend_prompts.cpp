#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTimer>

#include "shell/qt/file_filters.h"
#include "shell/qt/qt_backend.h"
#include "shell/qt/qt_convert.h"
#include "shell/qt/qt_print_job.h"

namespace shell::qt {
namespace {

struct BoxLayout {
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton;
  QMessageBox::StandardButton escapeButton;
};

BoxLayout LayoutOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::kConfirmation:
      return {QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
              QMessageBox::Cancel};
    case MessageKind::kSavePrompt:
      return {QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
              QMessageBox::Yes, QMessageBox::Cancel};
    case MessageKind::kInformation:
      break;
  }
  return {QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

MessageAnswer AnswerOf(QMessageBox::StandardButton button, MessageKind kind) {
  switch (button) {
    case QMessageBox::Ok:
      return MessageAnswer::kOk;
    case QMessageBox::Yes:
      return MessageAnswer::kYes;
    case QMessageBox::No:
      return MessageAnswer::kNo;
    default:
      return kind == MessageKind::kInformation ? MessageAnswer::kOk : MessageAnswer::kCancel;
  }
}

// Runs `hook` once `dialog` is on screen; a dialog its hook left open is
// cancelled, so no test waits for a user.
template <typename Dialog, typename Hook>
void AnswerWhenShown(Dialog& dialog, const Hook& hook) {
  if (!hook) {
    return;
  }
  QPointer<Dialog> watched(&dialog);
  QTimer::singleShot(0, &dialog, [watched, &hook] {
    hook(*watched);
    if (!watched.isNull() && watched->isVisible()) {
      watched->reject();
    }
  });
}

// Without an installed printer the job goes to a PDF file in the user's
// documents, named after the job.
void PrepareForNoPrinter(QPrinter& printer, const PrintJobSpec& request) {
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
    return;
  }
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) {
    folder = QDir::homePath();
  }
  QString name = ToQString(request.jobName).trimmed();
  if (name.isEmpty()) {
    name = QStringLiteral("Kinovex");
  }
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QDir(folder).filePath(name + QStringLiteral(".pdf")));
}

}  // namespace

// Prompts live on the heap and are watched: their parent is the active
// window, and when that is a dialog whose deletion is pending, the deletion
// runs inside exec() and takes the prompt with it. A prompt gone that way
// counts as cancelled.
MessageAnswer QtBackend::ShowMessage(MessageKind kind, const std::string& text,
                                     const std::string& caption) {
  const BoxLayout layout = LayoutOf(kind);
  QPointer<QMessageBox> box = new QMessageBox(layout.icon, ToQString(caption), ToQString(text),
                                              layout.buttons, QApplication::activeWindow());
  box->setTextFormat(Qt::PlainText);
  box->setWindowModality(Qt::ApplicationModal);
  box->setDefaultButton(layout.defaultButton);
  box->setEscapeButton(layout.escapeButton);
  AnswerWhenShown(*box, hooks_.messageBox);
  box->exec();
  if (box.isNull()) {
    return AnswerOf(QMessageBox::NoButton, kind);
  }
  const MessageAnswer answer = AnswerOf(box->standardButton(box->clickedButton()), kind);
  delete box.data();
  return answer;
}

std::optional<std::string> QtBackend::AskFile(const FileDialogSpec& request, bool save) {
  QPointer<QFileDialog> dialog =
      new QFileDialog(QApplication::activeWindow(), ToQString(request.title));
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The program asks before it overwrites a file.
  dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
  if (hooks_.fileDialog) {
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
  }
  const QStringList filters = NameFilters(request.filters);
  if (!filters.isEmpty()) {
    dialog->setNameFilters(filters);
    dialog->selectNameFilter(filters.front());
  }
  dialog->setDefaultSuffix(ToQString(request.defaultExtension));
  if (!request.initialFolder.empty()) {
    dialog->setDirectory(ToQString(request.initialFolder));
  }
  if (!request.initialPath.empty()) {
    dialog->selectFile(ToQString(request.initialPath));
  }
  AnswerWhenShown(*dialog, hooks_.fileDialog);
  const bool accepted = dialog->exec() == QDialog::Accepted;
  if (dialog.isNull()) {
    return std::nullopt;
  }
  const QStringList chosen = dialog->selectedFiles();
  delete dialog.data();
  if (!accepted || chosen.isEmpty()) {
    return std::nullopt;
  }
  return ToStdString(chosen.front());
}

std::optional<std::string> QtBackend::AskOpenFile(const FileDialogSpec& request) {
  return AskFile(request, false);
}

std::optional<std::string> QtBackend::AskSaveFile(const FileDialogSpec& request) {
  return AskFile(request, true);
}

std::unique_ptr<PrintJob> QtBackend::AskPrint(WindowHandle owner, const PrintJobSpec& request) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  // The program places everything itself, margins included.
  printer->setFullPage(true);
  printer->setCollateCopies(true);
  printer->setCopyCount(1);
  printer->setDocName(ToQString(request.jobName));
  PrepareForNoPrinter(*printer, request);
  QWidget* ownerWidget = OwnerWidget(owner);
  bool accepted = false;
  if (hooks_.printDialog) {
    accepted = hooks_.printDialog(*printer);
  } else {
    QPrintDialog dialog(printer.get(), ownerWidget);
    accepted = dialog.exec() == QDialog::Accepted;
  }
  if (!accepted) {
    return nullptr;
  }
  return std::make_unique<QtPrintJob>(std::move(printer), request, ownerWidget,
                                      [this](int id, QSize size) { return IconImage(id, size); });
}

}  // namespace shell::qt
