#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "controls/Dialogs.h"

namespace vok {
namespace {

// "Bitmaps (bmp)|*.bmp|All files|*.*" -> ["Bitmaps (bmp) (*.bmp)", "All files (*.*)"]
QStringList QtFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << parts[i] + " (" + patterns + ")";
    }
    return filters;
}

QWidget* DialogOwner() { return QApplication::activeWindow(); }

class TQtDialogs : public IDialogs {
public:
    bool OpenFile(FileDialogOptions& dialog) override { return Run(dialog, false); }
    bool SaveFile(FileDialogOptions& dialog) override { return Run(dialog, true); }

    bool PickColor(ColorDialogOptions& dialog) override {
        const std::uint32_t c = std::uint32_t(dialog.Color < 0 ? 0 : dialog.Color);
        QColorDialog box(QColor(RedOf(c), GreenOf(c), BlueOf(c)), DialogOwner());
        if (box.exec() != QDialog::Accepted) return false;
        const QColor chosen = box.selectedColor();
        dialog.Color = ColorValue(RGB(chosen.red(), chosen.green(), chosen.blue()));
        return true;
    }

    MessageButton Message(const MessageOptions& message) override {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        switch (message.Icon) {
        case MessageIcon::None: break;
        case MessageIcon::Information: icon = QMessageBox::Information; break;
        case MessageIcon::Warning: icon = QMessageBox::Warning; break;
        case MessageIcon::Error: icon = QMessageBox::Critical; break;
        case MessageIcon::Question: icon = QMessageBox::Question; break;
        }
        QMessageBox::StandardButtons buttons;
        if (message.Buttons & mbOK) buttons |= QMessageBox::Ok;
        if (message.Buttons & mbCancel) buttons |= QMessageBox::Cancel;
        if (message.Buttons & mbYes) buttons |= QMessageBox::Yes;
        if (message.Buttons & mbNo) buttons |= QMessageBox::No;
        if (!buttons) buttons = QMessageBox::Ok;
        // Texts use CR LF line breaks.
        QString text = QString::fromStdString(message.Text);
        text.replace("\r\n", "\n");
        // A box taller than the screen would hide its buttons: a long text shows its
        // first lines, and the whole of it behind the box's details button.
        constexpr int kShownLines = 40;
        QString details;
        if (text.count('\n') > kShownLines) {
            details = text;
            text = text.section('\n', 0, kShownLines - 1) + "\n...";
        }
        QMessageBox box(icon, QString::fromStdString(message.Caption), text, buttons, DialogOwner());
        if (!details.isEmpty()) box.setDetailedText(details);
        switch (box.exec()) {
        case QMessageBox::Cancel: return mbCancel;
        case QMessageBox::Yes: return mbYes;
        case QMessageBox::No: return mbNo;
        default: return mbOK;
        }
    }

private:
    static bool Run(FileDialogOptions& dialog, bool save) {
        QFileDialog box(DialogOwner());
        if (!dialog.Title.empty()) box.setWindowTitle(QString::fromStdString(dialog.Title));
        box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        if (save) box.setFileMode(QFileDialog::AnyFile);
        else if (dialog.MultiSelect) box.setFileMode(QFileDialog::ExistingFiles);
        else box.setFileMode(dialog.FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        box.setOption(QFileDialog::DontConfirmOverwrite, !dialog.OverwritePrompt);
        box.setOption(QFileDialog::ReadOnly, false);
        const QStringList filters = QtFilters(dialog.Filter);
        if (!filters.isEmpty()) {
            box.setNameFilters(filters);
            const int index = dialog.FilterIndex >= 1 && dialog.FilterIndex <= filters.size() ? dialog.FilterIndex : 1;
            box.selectNameFilter(filters[index - 1]);
        }
        auto suffix = [](const std::string& ext) {
            QString s = QString::fromStdString(ext);
            return s.startsWith('.') ? s.mid(1) : s;
        };
        box.setDefaultSuffix(suffix(dialog.DefaultExt));
        if (!dialog.InitialDir.empty()) box.setDirectory(QString::fromStdString(dialog.InitialDir));
        if (!dialog.FileName.empty()) {
            const QFileInfo info(QString::fromStdString(dialog.FileName));
            if (dialog.InitialDir.empty() && !info.path().isEmpty()) box.setDirectory(info.path());
            box.selectFile(info.fileName());
        }
        QObject::connect(&box, &QFileDialog::filterSelected, &box, [&](const QString& filter) {
            dialog.FilterIndex = int(filters.indexOf(filter)) + 1;
            if (dialog.OnTypeChange) {
                dialog.OnTypeChange(dialog);
                box.setDefaultSuffix(suffix(dialog.DefaultExt));
            }
        });
        if (box.exec() != QDialog::Accepted) return false;
        dialog.Files.clear();
        for (const QString& f : box.selectedFiles()) dialog.Files.push_back(f.toStdString());
        if (!dialog.Files.empty()) dialog.FileName = dialog.Files.front();
        dialog.FilterIndex = int(filters.indexOf(box.selectedNameFilter())) + 1;
        if (dialog.FilterIndex < 1) dialog.FilterIndex = 1;
        return true;
    }
};

}  // namespace

IDialogs& QtDialogs() {
    static TQtDialogs dialogs;
    return dialogs;
}

}  // namespace vok
