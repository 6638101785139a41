#include "forms/OpenFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>

namespace forms::detail {

namespace {

// Qt 6 asks its Spanish translation for a folder's kind under a name the
// translation does not have, and would show "Folder".
class SpanishKinds : public QFileIconProvider {
public:
    QString type(const QFileInfo& info) const override
    {
        return info.isDir() ? QStringLiteral("Carpeta") : QFileIconProvider::type(info);
    }
};

}  // namespace

std::optional<QString> AskFileToOpen(QWidget* owner, const QString& title, const QString& folder)
{
    SpanishKinds kinds;
    QFileDialog dialog(owner, title, folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Qt's own dialog, so that it speaks Spanish like the rest.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&kinds);
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
