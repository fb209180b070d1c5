// The main window's controls as designed: names, places, captions, hints and tab order.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <iterator>

#include "colours/ColorShape.h"
#include "app/CreatureNames.h"
#include "app/MainWindow.h"
#include "controls/ControlHint.h"
#include "controls/LmHintComboBox.h"
#include "controls/ZqSpinEdit.h"
#include "controls/ZqWinController.h"

namespace vok {
namespace {

const char* const MemoHint =
    "|This list contains standard colors that have special meaning\r\n"
    " (background, shadow, selection and so on).\r\n"
    "You may need to change them if some similar colors are used in your picture.";
const char* const CreatureHint = "|With this you can find out names of monsters' vok-files.";
const char* const ShiftHint =
    "|Most of 8th level monsters are shifted by a few pixels vertically and/or horizontally.\r\n"
    "Use \"dX\" and \"dY\" to shift them back.";
const char* const CopyHint =
    "|If you want to overwrite a shadow made by VokMaker with the standard one,\r\n"
    " turn the \"Overwrite\" and \"Copy background\" check boxes on.\r\n"
    "If you've added something (changed its shape) to a standard monster, turn \"Overwrite\" off.";

template <class T>
T* Make(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* control = new T(parent);
    control->setObjectName(name);
    control->setGeometry(left, top, width, height);
    return control;
}

QPushButton* MakeButton(QWidget* parent, const char* name, int left, int top, int width, int height,
                        const char* caption) {
    auto* button = Make<QPushButton>(parent, name, left, top, width, height);
    button->setText(caption);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, int left, int top, int width, int height,
                        const char* caption, bool checked) {
    auto* box = Make<QCheckBox>(parent, name, left, top, width, height);
    box->setText(caption);
    box->setChecked(checked);
    return box;
}

}  // namespace

void TForm1::CreateControls() {
    // The designed client area is larger than what is shown (see FormCreate).
    resize(289, 311);

    Button1 = MakeButton(this, "Button1", 8, 8, 105, 25, "New VokList");
    Button2 = MakeButton(this, "Button2", 120, 8, 113, 25, "Open VokList");
    Button3 = MakeButton(this, "Button3", 240, 8, 25, 25, "?");

    ComboBox1 = Make<TLmHintComboBox>(this, "ComboBox1", 8, 40, 153, 21);
    for (const char* entry : CreatureNames) ComboBox1->addItem(QString::fromLatin1(entry));
    ComboBox1->SetItemHeight(13);
    SetHint(ComboBox1, CreatureHint);
    Edit1 = Make<QLineEdit>(this, "Edit1", 168, 40, 97, 21);
    Edit1->setReadOnly(true);
    SetHint(Edit1, CreatureHint);

    Button6 = MakeButton(this, "Button6", 8, 75, 89, 25, "Combine");
    SetHint(Button6, "|Combines several pictures into one and adds standard colors at the end.\r\n"
                     "Then you can convert this picture into 256 colors with the best quality.");
    Button7 = MakeButton(this, "Button7", 104, 75, 89, 25, "Split");
    Button7->setEnabled(false);
    SetHint(Button7, "You need to combine pictures first|Split the combined picture into its parts.");

    CheckBox3 = MakeCheckBox(this, "CheckBox3", 8, 104, 145, 17, "No Standard Colors", false);
    SetHint(CheckBox3, "|If you turn this on, colors of your pictures won't turn into standard colors.\r\n"
                       "The only exception is background color. You can choose whether to count it or not.\r\n"
                       "However, palette of combined picture would have to contain up to 249 (not 256) colors.");
    Label11 = Make<QLabel>(this, "Label11", 152, 103, 40, 13);
    Label11->setText("256");
    Label11->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetHint(Label11, "Number of colors in palette|You should convert combined picture into %s colors.");
    CheckBox4 = MakeCheckBox(this, "CheckBox4", 8, 122, 145, 17, "No Background", false);
    CheckBox4->setEnabled(false);
    SetHint(CheckBox4, "|Turn this on if no color of your pictures is designed to be background.\r\n"
                       "If this is on, palette of combined picture should contain not more than 248 colors.");
    ZqSpinEdit3 = Make<TZqSpinEdit>(this, "ZqSpinEdit3", 152, 118, 40, 21);
    ZqSpinEdit3->SetMaxValue(444);
    SetHint(ZqSpinEdit3, "Tolerance|After converting the combined picture to 8-bit mode\r\n"
                         " colors that are supposed to be standard may be changed a litte.\r\n"
                         "To recognize them set this parameter to non-zero value, e.g. 3.");

    Button8 = MakeButton(this, "Button8", 8, 144, 185, 25, "Delete Shadows and Selection");
    SetHint(Button8, "|Deletes shadow and selection of a group of pictures.");
    Button9 = MakeButton(this, "Button9", 8, 179, 185, 25, "Copy Shadows and Selection");
    SetHint(Button9, "|You can copy shadow and selection from one group of pictures to another.");
    CheckBox1 = MakeCheckBox(this, "CheckBox1", 6, 208, 107, 17, "Copy background", true);
    SetHint(CheckBox1, CopyHint);
    CheckBox2 = MakeCheckBox(this, "CheckBox2", 120, 208, 73, 17, "Overwrite", true);
    SetHint(CheckBox2, CopyHint);

    Label2 = Make<QLabel>(this, "Label2", 8, 233, 13, 13);
    Label2->setText("dX");
    SetHint(Label2, ShiftHint);
    ZqSpinEdit1 = Make<TZqSpinEdit>(this, "ZqSpinEdit1", 24, 230, 57, 21);
    SetHint(ZqSpinEdit1, ShiftHint);
    Label3 = Make<QLabel>(this, "Label3", 88, 233, 13, 13);
    Label3->setText("dY");
    SetHint(Label3, ShiftHint);
    ZqSpinEdit2 = Make<TZqSpinEdit>(this, "ZqSpinEdit2", 104, 230, 57, 21);
    SetHint(ZqSpinEdit2, ShiftHint);

    Memo1 = Make<QPlainTextEdit>(this, "Memo1", 200, 75, 51, 150);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setTabChangesFocus(true);
    Memo1->document()->setDocumentMargin(1);
    SetHint(Memo1, MemoHint);
    Panel1 = Make<QFrame>(this, "Panel1", 252, 77, 16, 148);
    Panel1->setFrameShape(QFrame::NoFrame);
    SetHint(Panel1, MemoHint);
    Button10 = MakeButton(this, "Button10", 200, 230, 65, 25, "Edit");
    SetHint(Button10, "|Another way to edit the list of standard colors.");

    Button13 = MakeButton(this, "Button13", 8, 262, 129, 25, "Move Monster");
    Button12 = MakeButton(this, "Button12", 144, 262, 121, 25, "Generate Shadow");
    SetHint(Button12, "|Generate shadow and selection for pictures in a VokList.\r\n"
                      "Works only with paletted pictures.");

    Button14 = MakeButton(this, "Button14", 8, 294, 129, 25, "Reduce Frames...");
    SetHint(Button14, "|Reduce frames to 8-bit BMP frames with one shared palette:\r\n"
                      "Combine, the colour reduction and Split in one step.");
    Button15 = MakeButton(this, "Button15", 144, 294, 121, 25, "Prepare VokList...");
    SetHint(Button15, "|From a VokList of renders to game-ready frames in one step:\r\n"
                      "reduce, the list copied with .bmp names, shadows and selections.");

    Bevel1 = Make<QFrame>(this, "Bevel1", 272, 294, 17, 17);
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->hide();

    for (QWidget* control : std::initializer_list<QWidget*>{
             Button3, ComboBox1, Edit1, Button6, Button7, CheckBox3, CheckBox4, ZqSpinEdit3, Button8, Button9,
             CheckBox1, CheckBox2, Label2, ZqSpinEdit1, Label3, ZqSpinEdit2, Memo1, Panel1, Button10, Button13,
             Button12, Button14, Button15})
        AddContextHint(control);
    Label11->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Label11, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { Label11ContextPopup(pos); });

    // The dialogs.
    const std::string bitmaps = "Pictures (bmp, pcx, png)|*.bmp;*.pcx;*.png|All files|*.*";
    OpenPictureDialog1.Title = "Select targets";
    OpenPictureDialog1.Filter = bitmaps;
    OpenPictureDialog1.DefaultExt = ".bmp";
    OpenPictureDialog1.MultiSelect = true;
    OpenPictureDialog1.FileMustExist = OpenPictureDialog1.PathMustExist = true;
    OpenPictureDialog1.HideReadOnly = true;
    OpenPictureDialog2 = OpenPictureDialog1;
    OpenPictureDialog2.Title = "Select sources";
    OpenPictureDialog3.Filter = bitmaps;
    OpenPictureDialog3.DefaultExt = ".bmp";
    OpenPictureDialog3.FileMustExist = OpenPictureDialog3.PathMustExist = true;
    OpenPictureDialog4.Title = "Select targets";
    OpenPictureDialog4.Filter = "Picture (bmp, pcx, png) or VokList (TXL)|*.txl;*.bmp;*.pcx;*.png";
    OpenPictureDialog4.DefaultExt = ".TXL";
    OpenPictureDialog4.MultiSelect = true;
    OpenPictureDialog4.FileMustExist = OpenPictureDialog4.PathMustExist = true;
    OpenPictureDialog4.OnTypeChange = [this](FileDialogOptions& dialog) { OpenPictureDialog4TypeChange(dialog); };
    SavePictureDialog1.Filter = bitmaps;
    SavePictureDialog1.DefaultExt = ".bmp";
    SavePictureDialog1.OverwritePrompt = true;
    SavePictureDialog2.Filter = bitmaps;
    SavePictureDialog2.DefaultExt = ".bmp";
    OpenPictureDialog5 = OpenPictureDialog1;
    OpenPictureDialog5.Title = "Select frames";
    SaveDialog5.Title = "Output folder (any name in it)";
    SaveDialog5.FileName = "frames";
    OpenDialog4.Filter = "VokList (TXL)|*.txl";
    OpenDialog4.DefaultExt = ".TXL";
    OpenDialog4.FileMustExist = OpenDialog4.PathMustExist = true;
    ColorDialog1.FullOpen = true;

    ZqWinController1 = new TZqWinController(this);
    ZqWinController1->setObjectName("ZqWinController1");
    ZqWinController1->OnWndProc = [this](TZqWinController* s, QEvent* m, bool& h, const std::function<bool()>& n) {
        ZqWinController1WndProc(s, m, h, n);
    };
    ZqWinController1->SetControl(Memo1);
    ZqWinController2 = new TZqWinController(this);
    ZqWinController2->setObjectName("ZqWinController2");
    ZqWinController2->OnWndProc = [this](TZqWinController* s, QEvent* m, bool& h, const std::function<bool()>& n) {
        ZqWinController2WndProc(s, m, h, n);
    };
    ZqWinController2->SetControl(this);

    ConnectHandlers();
}

void TForm1::SetTabOrder() {
    // Tab positions 0 to 20.
    const QWidget* order[] = {Button1,   Button2,   Button3,   Edit1,       Button6,     Button7,  CheckBox3,
                              CheckBox4, Button8,   Memo1,     Button10,    Button9,     CheckBox1, CheckBox2,
                              ZqSpinEdit1, ZqSpinEdit2, Button13, Button12, Panel1,      ZqSpinEdit3, ComboBox1};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
}

}  // namespace vok
