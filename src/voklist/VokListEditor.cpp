// TForm5, "VokList Editor": builds frame lists group by group.
#include "voklist/VokListEditor.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUndoStack>

#include "controls/ContextHint.h"
#include "controls/ControlHint.h"
#include "controls/LmHintComboBox.h"
#include "controls/ToolGlyphs.h"
#include "controls/UndoSteps.h"
#include "controls/ZqSpeedButton.h"
#include "support/AppInfo.h"
#include "voklist/VokListBrowser.h"
#include "voklist/VokListNames.h"
#include "voklist/VokListPreview.h"
#include "controls/Dialogs.h"
#include "controls/LanguageSections.h"

namespace vok {

namespace {

constexpr int kClientWidth = 568;
constexpr int kClientHeight = 536;
constexpr int kCloseWidth = 58;

const char* const kListFilter = "VokList (TXL)|*.txl|All files|*.*";

TZqSpeedButton* MakeSpeedButton(QWidget* parent, const char* name, int left, const char* hint, const QPixmap& glyph) {
    auto* button = new TZqSpeedButton(parent);
    button->setObjectName(name);
    button->setGeometry(left, 472, 24, 24);
    button->SetGlyph(glyph);
    SetHint(button, hint);
    return button;
}

QPushButton* MakeButton(QWidget* parent, const char* name, QRect place, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    // Enter belongs to the browser and the name list.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TForm5::TForm5(IDialogs& dialogs, QWidget* parent)
    : TZqModalForm(parent), ClassName(std::string(AppTitle) + " VokList Form"), dialogs_(dialogs) {
    BecomeSecondaryWindow("Form5", "[VokList Form]");
    setWindowTitle("VokList Editor");
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);

    OpenPictureDialog1.Title = "Open the main folder of your creature";
    ExposeLanguageTexts(this, "Messages", {{"SaveChanges", &SaveChangesText}});
    OpenPictureDialog1.Filter = "Pictures (bmp, pcx, png)|*.bmp;*.pcx;*.png|All files|*.*";
    OpenPictureDialog1.DefaultExt = ".bmp";
    OpenPictureDialog1.FileMustExist = true;
    OpenPictureDialog1.PathMustExist = true;
    OpenDialog1.Filter = kListFilter;
    OpenDialog1.DefaultExt = ".TXL";
    OpenDialog1.PathMustExist = true;
    SaveDialog1.Filter = kListFilter;
    SaveDialog1.DefaultExt = ".TXL";
    for (auto [name, dialog] : {std::pair{"OpenPictureDialog1", &OpenPictureDialog1}, std::pair{"OpenDialog1", &OpenDialog1},
                                std::pair{"SaveDialog1", &SaveDialog1}})
        ExposeLanguageTexts(this, name, {{"Title", &dialog->Title}, {"Filter", &dialog->Filter}});
    // The group names, as the string holders Groups42, Groups44 and GroupsOther.
    for (auto [name, names] : {std::pair{"Groups42", &Edit.Names42}, std::pair{"Groups44", &Edit.Names44},
                               std::pair{"GroupsOther", &Edit.NamesOther}})
        ExposeLanguageTexts(this, name, {{"Items", nullptr, &names->Lines()}});

    Undo = new QUndoStack(this);
    AddUndoKeys(this, Undo);
    CreateControls();
    ConnectHandlers();
    ShowType();
    ShowGroup(0);
    setFixedSize(kClientWidth, kClientHeight);
    Button1->move((kClientWidth - kCloseWidth) / 2, Button1->y());
}

void TForm5::CreateControls() {
    ShellListView1 = new TVokListBrowser(this);
    ShellListView1->setObjectName("ShellListView1");
    ShellListView1->setGeometry(8, 8, 281, 457);

    Image1 = new TVokListPreview(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(296, 8, 265, 217);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(296, 232, 265, 14);

    ListBox1 = new TVokListNames(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setGeometry(296, 248, 265, 217);

    ZqSpeedButton1 = MakeSpeedButton(this, "ZqSpeedButton1", 8, "New", NewGlyph());
    ZqSpeedButton2 = MakeSpeedButton(this, "ZqSpeedButton2", 32, "Open", OpenGlyph());
    ZqSpeedButton3 = MakeSpeedButton(this, "ZqSpeedButton3", 56, "Save", SaveGlyph());

    ComboBox1 = new TLmHintComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setGeometry(88, 472, 169, ComboBox1->sizeHint().height());
    for (const std::string_view text : kVokTypeTexts) ComboBox1->addItem(QString::fromLatin1(text.data(), qsizetype(text.size())));
    ComboBox1->SetItemHeight(13);
    SetHint(ComboBox1, "|Vok Type");

    Button4 = MakeSpeedButton(this, "Button4", 264, "Add", AddGlyph());
    Button7 = MakeButton(this, "Button7", QRect(296, 472, 81, 25), "Clear All");
    Button6 = MakeButton(this, "Button6", QRect(384, 472, 57, 25), "Clear");
    Button3 = MakeButton(this, "Button3", QRect(456, 472, 51, 25), "Last");
    Button2 = MakeButton(this, "Button2", QRect(512, 472, 51, 25), "Next");
    Button1 = MakeButton(this, "Button1", QRect(0, 504, kCloseWidth, 25), "Close");
    CreatePlayControls();
}

void TForm5::ConnectHandlers() {
    auto click = [this](QAbstractButton* button, auto handler) {
        connect(button, &QAbstractButton::clicked, this, [this, handler] { Run([this, handler] { (this->*handler)(); }); });
    };
    click(ZqSpeedButton1, &TForm5::ZqSpeedButton1Click);
    click(ZqSpeedButton2, &TForm5::ZqSpeedButton2Click);
    click(ZqSpeedButton3, &TForm5::ZqSpeedButton3Click);
    click(Button4, &TForm5::Button4Click);
    click(Button7, &TForm5::Button7Click);
    click(Button6, &TForm5::Button6Click);
    click(Button3, &TForm5::Button3Click);
    click(Button2, &TForm5::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm5::reject);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
    connect(ShellListView1, &QListWidget::itemSelectionChanged, this, [this] { ShellListView1Change(); });
    connect(ShellListView1, &QListWidget::itemDoubleClicked, this, [this] { ShellListView1DblClick(); });
    connect(ShellListView1, &TVokListBrowser::EnterPressed, this, [this] { ShellListView1KeyPress(); });
    connect(ShellListView1, &TVokListBrowser::GroupStep, this, [this](int step) { ShowGroup(Edit.CurrentGroup + step); });
    connect(ShellListView1, &TVokListBrowser::RenameFailed, this,
            [this](const QString& message) { dialogs_.ShowError(message.toStdString()); });
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(ListBox1, &TVokListNames::FilesDropped, this,
            [this](const std::vector<std::string>& files) { AddFiles(files); });
    ListBox1->installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, this,
                [this, control](const QPoint& pos) { FormContextPopup(control, pos); });
    }
}

bool TForm5::Run(const std::function<void()>& command) {
    bool ok = true;
    RunReported(dialogs_, [&] {
        ok = false;
        command();
        ok = true;
    });
    return ok;
}

bool TForm5::FormContextPopup(QWidget* control, const QPoint&) { return ShowContextHint(control); }

bool TForm5::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return ListBox1KeyDown(key->key(), key->modifiers() & ~Qt::KeypadModifier);
    }
    return TZqModalForm::eventFilter(watched, event);
}


}  // namespace vok
