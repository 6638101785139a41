#include "forms/CommonDialog.h"

#include "forms/Form.h"
#include "forms/OpenFileDialog.h"
#include "forms/StandIn.h"
#include "jet/Transaction.h"

#include <QFileInfo>

namespace forms {

DialogCancelled::DialogCancelled() : std::runtime_error("Se ha elegido Cancelar.")
{
}

CommonDialog::CommonDialog(Form& form) : Component(form)
{
}

void CommonDialog::Destroy()
{
    title_.clear();
    cancelError_ = false;
    fileName_.clear();
}

QString CommonDialog::DialogTitle() const
{
    Parent().Load();
    return title_;
}

void CommonDialog::DialogTitle(const QString& title)
{
    Parent().Load();
    title_ = title;
}

bool CommonDialog::CancelError() const
{
    Parent().Load();
    return cancelError_;
}

void CommonDialog::CancelError(bool raise)
{
    Parent().Load();
    cancelError_ = raise;
}

QString CommonDialog::FileName() const
{
    Parent().Load();
    return fileName_;
}

void CommonDialog::FileName(const QString& path)
{
    Parent().Load();
    fileName_ = path;
}

void CommonDialog::ShowOpen()
{
    // Nothing stays locked while the user chooses.
    const jet::TransactionPause pause;
    std::optional<QString> chosen;
    if (detail::StandIn* standIn = detail::InstalledStandIn()) {
        chosen = standIn->FileDialog();
    } else {
        chosen = detail::AskFileToOpen(Parent().Surface(), title_.isEmpty() ? QStringLiteral("Abrir") : title_,
                                       QFileInfo(fileName_).path());
    }
    if (chosen) {
        fileName_ = *chosen;
        return;
    }
    if (cancelError_)
        throw DialogCancelled();
}

}  // namespace forms
