#include "controls/ProgressDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace vok {

TProgressDialog::TProgressDialog(QWidget* parent, QString label)
    : dialog_(new QProgressDialog(label, QProgressDialog::tr("Cancel"), 0, 0, parent)) {
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
