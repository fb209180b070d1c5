#include "controls/ProgressDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include "controls/LanguageSections.h"

namespace vok {

void ExposeProgressTexts(QWidget* window, const std::string& name, TProgressTexts& texts) {
    ExposeLanguageTexts(window, name, {{"Label", &texts.Label}, {"Cancel", &texts.Cancel}});
}

TProgressDialog::TProgressDialog(QWidget* parent, const TProgressTexts& texts)
    : dialog_(new QProgressDialog(QString::fromStdString(texts.Label), QString::fromStdString(texts.Cancel), 0, 0,
                                  parent)) {
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(500);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
}

TProgressDialog::~TProgressDialog() { delete dialog_; }

bool TProgressDialog::Step(int done, int total) {
    if (!dialog_) return !cancelled_;
    dialog_->setMaximum(total);
    dialog_->setValue(done);  // shows the dialog once half a second has passed
    QCoreApplication::processEvents();
    cancelled_ = cancelled_ || dialog_->wasCanceled();
    return !cancelled_;
}

}  // namespace vok
