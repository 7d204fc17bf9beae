#include "QtDialogs.h"

#include "QtText.h"
#include "TaskDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include <map>

namespace {
QWidget* activeWindow() {
    return QApplication::activeWindow();
}

QString caption(const std::map<std::string, std::string>& captions, const std::string& english,
                const QString& fallback) {
    const auto it = captions.find(english);
    return it == captions.end() ? fallback : FromUtf8(it->second);
}

void labelFileDialog(QFileDialog& dialog, const FileDialogRequest& request, bool forSaving) {
    const auto& c = request.captions;
    dialog.setLabelText(QFileDialog::LookIn, caption(c, "Look in:", "Look &in:"));
    dialog.setLabelText(QFileDialog::FileName, caption(c, "File name:", "File &name:"));
    dialog.setLabelText(QFileDialog::FileType, caption(c, "Files of type:", "Files of &type:"));
    dialog.setLabelText(QFileDialog::Accept,
                        forSaving ? caption(c, "Save", "&Save") : caption(c, "Open", "&Open"));
    dialog.setLabelText(QFileDialog::Reject, caption(c, "Cancel", "Cancel"));
}

std::optional<std::string> runFileDialog(const FileDialogRequest& request, bool forSaving) {
    QFileDialog dialog(activeWindow(), FromUtf8(request.title), FromUtf8(request.initialDir),
                       QtFileFilter(request.filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultExt.empty())
        dialog.setDefaultSuffix(FromUtf8(request.defaultExt));
    if (!request.fileName.empty())
        dialog.selectFile(FromUtf8(request.fileName));
    labelFileDialog(dialog, request, forSaving);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ToUtf8(dialog.selectedFiles().first());
}
} // namespace

QString QtFileFilter(const std::string& filter) {
    const QStringList parts = FromUtf8(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
            patterns << pattern;
            if (pattern.toLower() != pattern)
                patterns << pattern.toLower();
        }
        filters << QString("%1 (%2)").arg(parts[i], patterns.join(' '));
    }
    return filters.join(";;");
}

int QtDialogs::ShowTaskDialog(const TaskDialogRequest& request) {
    TTaskDialog dialog(request, activeWindow());
    const int result = dialog.exec();
    return result == QDialog::Rejected ? kDialogCancel : result;
}

void QtDialogs::ShowPlainMessage(const std::string& text) {
    QString shown = FromUtf8(text);
    shown.replace("\r\n", "\n").replace('\r', '\n');
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), shown,
                    QMessageBox::Ok, activeWindow());
    box.exec();
}

std::optional<std::string> QtDialogs::OpenFileName(const FileDialogRequest& request) {
    return runFileDialog(request, false);
}

std::optional<std::string> QtDialogs::SaveFileName(const FileDialogRequest& request) {
    return runFileDialog(request, true);
}

std::optional<std::string> QtDialogs::SelectFolder(const std::string& caption,
                                                   const std::string& startFolder) {
    const QString folder = QFileDialog::getExistingDirectory(
        activeWindow(), FromUtf8(caption), FromUtf8(startFolder),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty())
        return std::nullopt;
    return ToUtf8(folder);
}

bool QtDialogs::ChoosePrinter(PrintRequest& request) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(FromUtf8(request.documentName));
    QPrintDialog dialog(&printer, activeWindow());
    dialog.setWindowTitle(caption(request.captions, "Print", "Print"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    request.printerName = ToUtf8(printer.printerName());
    request.outputFile = ToUtf8(printer.outputFileName());
    request.copies = printer.copyCount();
    return true;
}

bool QtDialogs::OpenDocument(const std::string& pathOrUrl) {
    const QString text = FromUtf8(pathOrUrl);
    const QUrl url = text.contains("://") || text.startsWith("mailto:")
                         ? QUrl(text)
                         : QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
    return QDesktopServices::openUrl(url);
}
