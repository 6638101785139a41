#include "forms/OpenFileDialog.h"

#include <QDir>
#include <QFileDialog>

namespace forms::detail {

std::optional<QString> AskFileToOpen(QWidget* owner, const QString& title, const QString& folder)
{
    QFileDialog dialog(owner, title, folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Qt's own dialog, so that it speaks Spanish like the rest.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Buscar en:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nombre:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Abrir"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    dialog.setNameFilter(QStringLiteral("Todos los archivos (*)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().front());
}

}  // namespace forms::detail
