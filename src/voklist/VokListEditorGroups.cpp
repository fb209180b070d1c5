// TForm5, "VokList Editor": groups, the name list and what the browser adds to it.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QUndoStack>

#include "controls/LmHintComboBox.h"
#include "controls/UndoSteps.h"
#include "controls/ZqSpeedButton.h"
#include "voklist/VokListBrowser.h"
#include "voklist/VokListEditor.h"
#include "voklist/VokListNames.h"
#include "voklist/VokListPreview.h"
#include "voklist/VokListUndo.h"

namespace vok {

namespace {

QString Shown(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }

}  // namespace

void TForm5::ShowGroup(int n) {
    // Play shows one group: another group, or this one refilled, stops it.
    StopPlaying();
    Edit.ShowGroup(n);
    FillNames();
    Label1->setText(QString::fromStdString(Edit.GroupLabel()));
    SelectName(0);
}

void TForm5::FillNames() {
    const QSignalBlocker block(ListBox1);
    ListBox1->clear();
    QStringList names;
    names.reserve(qsizetype(Edit.Names.size()));
    for (const std::string& name : Edit.Names) names << Shown(name);
    ListBox1->addItems(names);
    Label1->setText(QString::fromStdString(Edit.GroupLabel()));
}

void TForm5::SelectName(int row) {
    if (row < 0 || row >= ListBox1->count()) return;
    ListBox1->setCurrentRow(row);
    ListBox1Click();
}

void TForm5::ShowType() {
    const QSignalBlocker block(ComboBox1);
    ComboBox1->setCurrentIndex(Edit.Doc.TypeIndex);
}

void TForm5::Change(const std::function<void()>& change) {
    const TVokListSnapshot before = SnapshotOf(Edit);
    change();
    auto step = std::make_shared<const TVokListChange>(TVokListChange::Between(before, SnapshotOf(Edit)));
    if (step->Empty()) return;
    Undo->push(new TUndoStep([this, step] { step->Undo(Edit); ShowChanged(); },
                             [this, step] { step->Redo(Edit); ShowChanged(); }));
}

void TForm5::ShowChanged() {
    ShowType();
    ShowGroup(Edit.CurrentGroup);
}

void TForm5::ComboBox1Change() {
    Change([this] { Edit.SetType(ComboBox1->currentIndex()); });
    ShowGroup(Edit.CurrentGroup);
}

void TForm5::Button2Click() { ShowGroup(Edit.CurrentGroup + 1); }

void TForm5::Button3Click() { ShowGroup(Edit.CurrentGroup - 1); }

void TForm5::Button6Click() {
    Change([this] { Edit.Clear(); });
    ListBox1->clear();
}

void TForm5::Button7Click() {
    Change([this] { Edit.ClearAll(); });
    ShowGroup(0);
}

void TForm5::Button4Click() {
    std::vector<std::string> files;
    for (const QListWidgetItem* item : ShellListView1->SelectedInOrder())
        if (!TVokListBrowser::IsFolder(item)) files.push_back(ShellListView1->ItemPath(item));
    AddFiles(files);
}

void TForm5::AddFiles(const std::vector<std::string>& files) {
    bool refused = false;
    Change([&] {
        for (const std::string& file : files) {
            if (!Edit.CanAdd(file)) {
                refused = true;
                continue;
            }
            Edit.Add(file);
            ListBox1->addItem(Shown(Edit.Names.back()));
        }
    });
    if (refused) QApplication::beep();
}

void TForm5::ShellListView1Change() {
    Button4->setEnabled(true);
    Image1->Clear();
    for (const QListWidgetItem* item : ShellListView1->SelectedInOrder())
        if (!TVokListBrowser::IsFolder(item) && !Edit.CanAdd(ShellListView1->ItemPath(item))) Button4->setEnabled(false);
    const QListWidgetItem* current = ShellListView1->currentItem();
    if (current && current->isSelected() && !TVokListBrowser::IsFolder(current))
        PreviewPicture(ShellListView1->ItemPath(current));
}

void TForm5::ShellListView1DblClick() {
    const QListWidgetItem* current = ShellListView1->currentItem();
    if (!current) return;
    if (TVokListBrowser::IsFolder(current)) {
        ShellListView1->SetFolder(ShellListView1->ItemPath(current));
        return;
    }
    // A file is never opened in another program: it joins the list or the user hears why not.
    if (Button4->isEnabled())
        Button4Click();
    else
        QApplication::beep();
}

void TForm5::ShellListView1KeyPress() { ShellListView1DblClick(); }

void TForm5::ListBox1Click() {
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= int(Edit.Names.size())) return;
    PreviewPicture(Edit.NamePath(Edit.Names[std::size_t(row)]));
}

bool TForm5::ListBox1KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const int row = ListBox1->currentRow();
    if (modifiers == Qt::ControlModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        const int step = key == Qt::Key_Up ? -1 : +1;
        bool moved = false;
        Change([&] { moved = Edit.MoveName(row, step); });
        if (moved) {
            ListBox1->item(row)->setText(Shown(Edit.Names[std::size_t(row)]));
            ListBox1->item(row + step)->setText(Shown(Edit.Names[std::size_t(row + step)]));
            ListBox1->setCurrentRow(row + step);
        }
        return true;
    }
    if (key == Qt::Key_Delete && modifiers == Qt::NoModifier && row >= 0) {
        Change([&] { Edit.DeleteName(row); });
        delete ListBox1->takeItem(row);
        return true;
    }
    if (key == Qt::Key_Space && modifiers == Qt::NoModifier) {
        ZqSpeedButton4->click();
        return true;
    }
    return false;
}

void TForm5::PreviewPicture(const std::string& path) { Image1->PreviewPicture(path); }

}  // namespace vok
